#include "base/file_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/sjis_assert.h"

namespace {

using testsupport::Utf8;

// Characters are whole UTF-8 sequences; a byte that begins none stands alone.
TEST(FileNames, ACutEndsOnACharacterBoundary) {
  struct Case {
    std::string name;
    std::size_t max;
    std::string cut;
  };
  const std::string japanese = Utf8(u8"時間①.csv");  // 3 + 3 + 3 + 4 bytes
  const std::string sjis = "\x8E\x9E\x8A\xD4.csv";   // a Shift-JIS name: no UTF-8
  for (const Case& c : std::vector<Case>{
           {"time_100a.csv", 32, "time_100a.csv"},
           {"time_100a.csv", 4, "time"},
           {japanese, 13, japanese},
           {japanese, 8, japanese.substr(0, 6)},
           {japanese, 9, japanese.substr(0, 9)},
           {japanese, 2, ""},
           {Utf8(u8"a😀b"), 4, "a"},  // four bytes
           {Utf8(u8"a😀b"), 5, Utf8(u8"a😀")},
           {sjis, 3, sjis.substr(0, 3)},
           {"\xE3\x83"
            "a",
            2, "\xE3\x83"},  // a sequence broken off: its bytes alone
           {"\xC0\xAF"
            "b",
            1, "\xC0"},  // an overlong form
           {"\xED\xA0\x80"
            "c",
            2, "\xED\xA0"},  // a surrogate
       }) {
    EXPECT_EQ(base::CutName(c.name, c.max), c.cut) << c.name << " at " << c.max;
  }
}

}  // namespace
