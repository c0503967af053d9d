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
// decimals. A value that rounds to zero is written without a minus sign ("  0.00", never
// " -0.00"), so a share that did not move is not shown as a fall.
std::string FixedText(double value, int width, int decimals);
// "%Wd" of the value.
std::string IntText(int32_t value, int width);

// -1, 0 or 1 as a is below, equal to or above b; a value that is not a number sorts above
// every number and equal to another such value, so the order is total.
int CompareNumbers(double a, double b);

// The value, or 0 when it is not a finite number: what a cell shows of a value that the
// tables' arithmetic cannot give (shares of odds that cancel or overflow), so that every
// text a table writes reads back as a number.
double FiniteOrZero(double value);

}  // namespace viewer
