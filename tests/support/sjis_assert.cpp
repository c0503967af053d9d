#include "tests/support/sjis_assert.h"

#include <cstdio>

#include "base/sjis.h"

namespace testsupport {

std::string Readable(std::string_view sjis) {
  std::string visible;
  for (unsigned char c : base::SjisToUtf8(sjis)) {
    if (c < 0x20 || c == 0x7F) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      visible += buf;
    } else {
      visible += static_cast<char>(c);
    }
  }
  return "\"" + visible + "\"";
}

std::string Readable(const std::vector<std::string>& fields) {
  std::string out = "[" + std::to_string(fields.size()) + " fields:";
  for (const auto& f : fields) out += " " + Readable(f);
  return out + "]";
}

::testing::AssertionResult SjisEqual(const char* expected_expr, const char* actual_expr,
                                     std::string_view expected, std::string_view actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual_expr << " is " << Readable(actual) << "\n"
                                       << expected_expr << " is " << Readable(expected);
}

::testing::AssertionResult FieldsEqual(const char* expected_expr, const char* actual_expr,
                                       const std::vector<std::string>& expected,
                                       const std::vector<std::string>& actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  auto failure = ::testing::AssertionFailure();
  failure << actual_expr << " differs from " << expected_expr << "\n";
  size_t n = std::max(expected.size(), actual.size());
  for (size_t i = 0; i < n; ++i) {
    std::string e = i < expected.size() ? Readable(expected[i]) : "(none)";
    std::string a = i < actual.size() ? Readable(actual[i]) : "(none)";
    if (e != a) failure << "  field " << i << ": expected " << e << ", got " << a << "\n";
  }
  return failure;
}

}  // namespace testsupport
