#include "ui/chart_data.h"

#include <charconv>
#include <cmath>

namespace ui {

namespace {

// Adds one to a text of decimal digits.
void AddOne(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

// "1234567" as "1,234,567".
std::string Grouped(const std::string& digits) {
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}

}  // namespace

std::string BarMarkText(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  // The shortest decimal text that reads back as the value, then rounded on its digits.
  char buffer[400];
  auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed);
  const std::string decimal = ec == std::errc() ? std::string(buffer, end) : std::string("0");
  const std::size_t dot = decimal.find('.');
  std::string whole = decimal.substr(0, dot);
  const std::string fraction = dot == std::string::npos ? "" : decimal.substr(dot + 1);
  int tenth = fraction.empty() ? 0 : fraction[0] - '0';
  if (fraction.size() > 1 && fraction[1] >= '5' && ++tenth == 10) {
    tenth = 0;
    AddOne(whole);
  }
  std::string text = Grouped(whole);
  if (tenth != 0) text += "." + std::to_string(tenth);
  if (value < 0 && text != "0") text.insert(0, "-");
  return text;
}

}  // namespace ui
