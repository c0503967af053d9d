// Values of record characters, number texts and the number conversions of the data files.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace base {

// Characters p-q (1-based, inclusive) of a record; the part that lies beyond the end of
// the record is empty, so a short record gives a shorter or empty text, never a fault.
// Inline: the line formatters take dozens of pieces of every record.
inline std::string_view Chars(std::string_view record, int p, int q) {
  if (p < 1) p = 1;
  if (q < p) return {};
  auto first = static_cast<size_t>(p - 1);
  if (first >= record.size()) return {};
  auto count = static_cast<size_t>(q - p + 1);
  return record.substr(first, count);
}
// Character p alone (empty beyond the end).
inline std::string_view CharAt(std::string_view record, int p) { return Chars(record, p, p); }

// The decimal number a text spells, as a 32-bit signed integer: leading blanks skipped,
// a sign and leading zeros allowed. Empty, all blank, a trailing blank, any other
// character, or a number outside the 32-bit range: no value.
std::optional<int32_t> ParseInt32(std::string_view text);

// Value of characters p-q: no value also when the record ends before q.
std::optional<int32_t> ValueOf(std::string_view record, int p, int q);

// A value in decimal without leading zeros ("07" gives 7).
std::string NumberText(int32_t value);

// The same integer rule, failing with the conversion error that names the text.
int32_t IntegerValue(std::string_view text);

// A decimal number: blanks, an optional sign ("+" or "-"), digits with an optional point
// among them, blanks; at least one digit, on either side of the point ("002.5", "-3", "5."
// and ".5" are numbers; ".", "+-5", "1e2", "0x1p3", "nan" and "inf" are not). A number
// too large or too small for a 64-bit float has no value either, so every value is a
// finite number. Fails with the conversion error that names the text.
double DecimalValue(std::string_view text);
// The same rule without an error: nothing for a text that is not such a number.
std::optional<double> ParseDecimal(std::string_view text);

}  // namespace base
