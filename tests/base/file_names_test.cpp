#include "base/file_names.h"

#include <gtest/gtest.h>

#include <cerrno>
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

// A name in a message: Shift-JIS bytes of its characters, "?" where there are none.
TEST(FileNames, PathTextGivesTheNameInShiftJis) {
  struct Case {
    std::string name;  // the file system's bytes
    std::string text;  // Shift-JIS (the narrow literals here are)
  };
  for (const Case& c : std::vector<Case>{
           {"jv_data/20160305/DE160305.CSV", "jv_data/20160305/DE160305.CSV"},
           {"a\\b ~x.tmp~\t", "a\\b ~x.tmp~\t"},  // every ASCII byte stays
           {"", ""},
           {Utf8(u8"/tmp/フォルダ/時間①.csv"), "/tmp/フォルダ/時間①.csv"},
           {Utf8(u8"ｶﾅ"), "\xB6\xC5"},  // half-width katakana: one byte each
           {Utf8(u8"aéb😀c"), "a?b?c"},  // characters code page 932 lacks
           {"\xFF", "?"},               // bytes that begin no character: one "?" each
           {"\x80\x80x", "??x"},
           {"\xE3\x83"
            "a",
            "??a"},                               // a sequence broken off
           {"\xC0\xAF", "??"},                    // an overlong form
           {"\xED\xA0\x80", "???"},               // a surrogate
           {"\x8E\x9E\x8A\xD4.csv", "????.csv"},  // a name in Shift-JIS already
       }) {
    EXPECT_SJIS_EQ(c.text, base::PathText(c.name)) << c.name;
  }
}

// The conversion leaves errno as it was: a message names the path and then the cause.
TEST(FileNames, PathTextKeepsErrno) {
  const std::string lacking = Utf8(u8"😀");  // no code page 932 character
  errno = ENOENT;
  EXPECT_EQ("?", base::PathText(lacking));
  EXPECT_EQ(ENOENT, errno);
}

}  // namespace
