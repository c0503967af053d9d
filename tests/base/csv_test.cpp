#include "base/csv.h"

#include <gtest/gtest.h>

#include "tests/support/sjis_assert.h"

namespace {

using Fields = std::vector<std::string>;

struct Case {
  const char* name;
  std::string line;
  Fields fields;
};

const Case kCases[] = {
    {"plain", "a,b,c", {"a", "b", "c"}},
    {"empty line", "", {}},
    {"blanks only", "  \t ", {}},
    {"leading controls skipped", "\x01\x1F a,b", {"a", "b"}},
    {"empty between commas", "a,,b", {"a", "", "b"}},
    {"leading comma", ",a", {"", "a"}},
    {"trailing comma adds empty field", "a,b,", {"a", "b", ""}},
    {"two commas", ",", {"", ""}},
    {"quoted with comma and blank", "\"a, b\",c", {"a, b", "c"}},
    {"doubled quotes", "\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
    {"quoted blank", "\" \",t", {" ", "t"}},
    {"unterminated quote runs to the end", "\"abc", {"abc"}},
    {"unquoted blank splits", "a b,c", {"a", "b", "c"}},
    {"blanks around comma", "a  ,  b", {"a", "b"}},
    {"comma then blanks at end", "a,  ", {"a"}},
    {"text after closing quote starts a field", "\"ab\"cd,e", {"ab", "cd", "e"}},
    {"full-width space does not split", "東京　芝,x", {"東京　芝", "x"}},
    {"trail byte 0x40 stepped over", "\x81\x40,b", {"\x81\x40", "b"}},
    {"trail byte 0x5C", "\x83\x5C,b", {"\x83\x5C", "b"}},
    {"trail byte 0x22 inside quotes doubled", "\"\x83\x22\x22 \",b", {"\x83\x22 ", "b"}},
    // A lead byte pairs only with a trail byte (0x40-0x7E, 0x80-0xFC).
    {"lead byte before a comma stands alone", "ab\x81,cd", {"ab\x81", "cd"}},
    {"lead byte before a closing quote stands alone", "\"ab\x81\",cd", {"ab\x81", "cd"}},
    {"lead byte before a doubled quote", "\"\x83\"\"x\",b", {"\x83\"x", "b"}},
    {"lead byte before a blank", "a\x9F b", {"a\x9F", "b"}},
    {"lead byte before 0x7F and 0xFD", "\xE0\x7F\xFC\xFD,b", {"\xE0\x7F\xFC\xFD", "b"}},
    {"lead byte at the end of the line", "a,\xFC", {"a", "\xFC"}},
    {"byte 0 ends the line", std::string("a,b\0,c", 6), {"a", "b"}},
    {"control inside ends unquoted field", "a\tb", {"a", "b"}},
};

TEST(SplitCsvLine, FollowsTheReadingRule) {
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_FIELDS_EQ(c.fields, base::SplitCsvLine(c.line));
  }
}

}  // namespace
