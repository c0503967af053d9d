// Assertions on Shift-JIS texts that print them readably (as UTF-8) when they fail.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

// The text as UTF-8 between quotes, control bytes shown as \xNN.
std::string Readable(std::string_view sjis);
std::string Readable(const std::vector<std::string>& fields);

// UTF-8 bytes, as the file system holds names (the tests' narrow literals are Shift-JIS).
inline std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

::testing::AssertionResult SjisEqual(const char* expected_expr, const char* actual_expr,
                                     std::string_view expected, std::string_view actual);
::testing::AssertionResult FieldsEqual(const char* expected_expr, const char* actual_expr,
                                       const std::vector<std::string>& expected,
                                       const std::vector<std::string>& actual);

}  // namespace testsupport

#define EXPECT_SJIS_EQ(expected, actual) \
  EXPECT_PRED_FORMAT2(::testsupport::SjisEqual, expected, actual)
#define ASSERT_SJIS_EQ(expected, actual) \
  ASSERT_PRED_FORMAT2(::testsupport::SjisEqual, expected, actual)
#define EXPECT_FIELDS_EQ(expected, actual) \
  EXPECT_PRED_FORMAT2(::testsupport::FieldsEqual, expected, actual)
