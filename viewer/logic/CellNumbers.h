// Numbers in the analysis tables' cells. The tables keep their values only as the shown
// texts, written with printf-style widths ("%6.2f", "%2d") and read back as numbers by the
// differences, ranks, sorts, colours and charts. The decimal separator is "." whatever the
// machine's locale. The texts are read back with base::ParseDecimal and base::DecimalValue.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace viewer {

// "%W.Df" of the value: right-aligned in at least `width` characters with `decimals`
// decimals. A value below zero keeps its minus sign however small (-0.003 gives " -0.00",
// a small fall); only an exact zero, of either sign, is written "  0.00".
std::string FixedText(double value, int width, int decimals);
// "%Wd" of the value.
std::string IntText(int32_t value, int width);

// -1, 0 or 1 as a is below, equal to or above b; a value that is not a number sorts above
// every number and equal to another such value, so the order is total.
int CompareNumbers(double a, double b);

}  // namespace viewer
