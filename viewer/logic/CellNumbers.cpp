#include "viewer/logic/CellNumbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace viewer {

std::string FixedText(double value, int width, int decimals) {
  if (value == 0) value = 0;  // a zero of either sign is written "0.00"
  char digits[400];
  auto [end, ec] =
      std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
  std::string text = ec == std::errc() ? std::string(digits, end) : std::string("nan");
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
  return text;
}

std::string IntText(int32_t value, int width) {
  char text[32];
  std::snprintf(text, sizeof text, "%*d", width, static_cast<int>(value));
  return text;
}

int CompareNumbers(double a, double b) {
  const bool a_nan = std::isnan(a);
  const bool b_nan = std::isnan(b);
  if (a_nan || b_nan) return a_nan == b_nan ? 0 : (a_nan ? 1 : -1);
  if (a > b) return 1;
  if (a == b) return 0;
  return -1;
}

}  // namespace viewer
