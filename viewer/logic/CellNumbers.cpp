#include "viewer/logic/CellNumbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace viewer {

std::string FixedText(double value, int width, int decimals) {
  char digits[400];
  auto [end, ec] =
      std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
  std::string text = ec == std::errc() ? std::string(digits, end) : std::string("nan");
  if (!text.empty() && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) {
    text.erase(0, 1);
  }
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

double FiniteOrZero(double value) { return std::isfinite(value) ? value : 0.0; }

}  // namespace viewer
