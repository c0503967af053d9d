#include "base/sjis.h"

#include <gtest/gtest.h>

#include "tests/support/sjis_assert.h"

namespace {

TEST(Sjis, LeadBytesAreThoseOfCodePage932) {
  for (int c = 0; c < 256; ++c) {
    bool expected = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    EXPECT_EQ(expected, base::IsLeadByte(static_cast<unsigned char>(c))) << "byte " << c;
  }
}

TEST(Sjis, NextCharStepsOverDoubleByteCharactersWhole) {
  std::string s =
      "a\x81\x40"
      "b\x95";  // a, full-width space, b, a lead byte at the end
  EXPECT_EQ(1u, base::NextCharPos(s, 0));
  EXPECT_EQ(3u, base::NextCharPos(s, 1));
  EXPECT_EQ(4u, base::NextCharPos(s, 3));
  EXPECT_EQ(5u, base::NextCharPos(s, 4));
}

TEST(Sjis, ALeadBytePairsOnlyWithATrailByte) {
  for (int c = 0; c < 256; ++c) {
    const bool trail = (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
    EXPECT_EQ(trail, base::IsTrailByte(static_cast<unsigned char>(c))) << "byte " << c;
    const std::string s = {'\x88', static_cast<char>(c), 'x'};
    EXPECT_EQ(trail ? 2u : 1u, base::NextCharPos(s, 0)) << "lead byte before byte " << c;
  }
}

TEST(Sjis, LiteralsAreCompiledToShiftJisBytes) {
  EXPECT_EQ(std::string("\x93\x8C\x8B\x9E"), std::string("東京"));
  EXPECT_EQ(std::string("\x81\x40"), std::string("　"));
  EXPECT_EQ(std::string("\x87\x40"), std::string("①"));
}

struct RoundTrip {
  const char* utf8;
  const char* sjis;
};

// The characters where code page 932 differs from plain Shift-JIS tables.
const RoundTrip kRoundTrips[] = {
    {"\\", "\x5C"},                                    // 0x5C stays a backslash
    {"\xEF\xBF\xA5", "\x81\x8F"},                      // full-width yen sign
    {"\xE3\x80\x80", "\x81\x40"},                      // ideographic space
    {"\xEF\xBD\xB6\xEF\xBE\x9E", "\xB6\xDE"},          // half-width katakana ka + voiced mark
    {"\xE2\x91\xA0\xE2\x91\xB3", "\x87\x40\x87\x53"},  // circled digits 1 and 20
    {"\xEF\xBD\x9E", "\x81\x60"},  // full-width tilde (wave dash in code page 932)
    {"\xE2\x80\x9D", "\x81\x68"},  // right double quotation mark
    {"abc", "abc"},
};

TEST(Sjis, ConvertsBothWaysAsCodePage932) {
  for (const auto& c : kRoundTrips) {
    EXPECT_EQ(std::string(c.utf8), base::SjisToUtf8(c.sjis)) << c.utf8;
    EXPECT_EQ(std::string(c.sjis), base::Utf8ToSjis(c.utf8)) << c.utf8;
  }
}

TEST(Sjis, BadBytesAreReplacedNotDropped) {
  EXPECT_EQ(
      "a\xEF\xBF\xBD"
      "b",
      base::SjisToUtf8("a\xFF"
                       "b"));
  EXPECT_EQ("a?b", base::Utf8ToSjis("a\xF0\x9F\x98\x80"
                                    "b"));  // an emoji has no code
}

TEST(Sjis, LongTextsConvertWhole) {
  std::string sjis;
  for (int i = 0; i < 20000; ++i) sjis += "馬";
  EXPECT_EQ(sjis, base::Utf8ToSjis(base::SjisToUtf8(sjis)));
}

}  // namespace
