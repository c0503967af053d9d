#include "base/values.h"

#include <charconv>

#include "base/errors.h"

namespace base {

std::optional<int32_t> ParseInt32(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size()) return std::nullopt;
  int64_t v = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
    if (v > int64_t{2147483648}) return std::nullopt;
  }
  if (negative) v = -v;
  if (v > INT32_MAX || v < INT32_MIN) return std::nullopt;
  return static_cast<int32_t>(v);
}

std::optional<int32_t> ValueOf(std::string_view record, int p, int q) {
  if (q < p || static_cast<size_t>(q) > record.size()) return std::nullopt;
  return ParseInt32(Chars(record, p, q));
}

std::string NumberText(int32_t value) { return std::to_string(value); }

int32_t IntegerValue(std::string_view text) {
  if (auto v = ParseInt32(text)) return *v;
  throw NotAnInteger(text);
}

double DecimalValue(std::string_view text) {
  if (auto v = ParseDecimal(text)) return *v;
  throw NotAFloat(text);
}

std::optional<double> ParseDecimal(std::string_view text) {
  std::string_view t = text;
  while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
  while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
  // Only the decimal grammar: from_chars alone would also take exponents, "nan" and "inf".
  std::size_t i = !t.empty() && (t.front() == '+' || t.front() == '-') ? 1 : 0;
  std::size_t digits = 0;
  bool point = false;
  for (; i < t.size(); ++i) {
    if (t[i] >= '0' && t[i] <= '9') {
      ++digits;
    } else if (t[i] == '.' && !point) {
      point = true;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  if (t.front() == '+') t.remove_prefix(1);  // from_chars takes a minus sign only
  double v = 0;
  auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::fixed);
  if (ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
  return v;
}

}  // namespace base
