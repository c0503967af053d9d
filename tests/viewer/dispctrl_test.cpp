#include "viewer/logic/DispCTRL.h"

#include <gtest/gtest.h>

#include <string>

#include "base/sjis.h"
#include "tests/support/sjis_assert.h"

namespace {

// UTF-8 of one code point.
std::string Utf8(char32_t cp) {
  std::string s;
  if (cp < 0x80) {
    s += static_cast<char>(cp);
  } else if (cp < 0x800) {
    s += static_cast<char>(0xC0 | (cp >> 6));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    s += static_cast<char>(0xE0 | (cp >> 12));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return s;
}

std::string FromU8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// The full-width form of each single byte as this test knows it, in Unicode: the blank to
// U+3000, the ASCII signs and letters to the full-width forms U+FF01.., four marked signs,
// and 0xA1-0xDF from the half-width forms to the JIS X 0208 characters.
std::string ExpectedFullWidth(unsigned char b) {
  static const std::string kana = base::Utf8ToSjis(
      FromU8(u8"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノ"
             u8"ハヒフヘホマミムメモヤユヨラリルレロワン゛゜"));
  if (b == 0x20) return base::Utf8ToSjis(Utf8(0x3000));
  if (b == 0x22) return base::Utf8ToSjis(Utf8(0x201D));  // ”
  if (b == 0x27) return base::Utf8ToSjis(Utf8(0x2019));  // ’
  if (b == 0x5C) return base::Utf8ToSjis(Utf8(0xFFE5));  // ￥
  if (b == 0x7E) return base::Utf8ToSjis(Utf8(0xFFE3));  // ￣
  if (b >= 0x21 && b <= 0x7E) return base::Utf8ToSjis(Utf8(0xFF01 + (b - 0x21)));
  if (b >= 0xA1 && b <= 0xDF) return kana.substr(2 * (b - 0xA1), 2);
  return std::string(1, static_cast<char>(b));
}

TEST(ConvertToFullWidth, EveryByteAlone) {
  for (int b = 0; b <= 0xFF; ++b) {
    std::string in(1, static_cast<char>(b));
    std::string expected = ExpectedFullWidth(static_cast<unsigned char>(b));
    bool replaced = (b >= 0x20 && b <= 0x7E) || (b >= 0xA1 && b <= 0xDF);
    ASSERT_EQ(replaced ? 2u : 1u, expected.size()) << std::hex << b;
    ASSERT_NE("?", expected) << std::hex << b;
    EXPECT_SJIS_EQ(expected, viewer::ConvertToFullWidth(in)) << "byte 0x" << std::hex << b;
  }
}

TEST(ConvertToFullWidth, Texts) {
  struct {
    std::string in, out;
  } cases[] = {
      {"ｶﾞ", "カ゛"},  // a voiced mark stays a separate mark
      {"ﾊﾟｰﾄ", "ハ゜ート"},
      {"東京優駿", "東京優駿"},  // already full-width
      {"ソ表", "ソ表"},          // trail bytes 0x5C are not backslashes
      {"A東b", "Ａ東ｂ"},
      {"Deep Impact", "Ｄｅｅｐ　Ｉｍｐａｃｔ"},
      {"\\~\"'", "￥￣”’"},
      {"a\x81", "ａ\x81"},  // a lead byte at the end is appended alone
      {"\x81"
       "A",
       "\x81"
       "A"},  // a lead byte takes the next byte along
      {"\t1\x7F", "\t１\x7F"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_SJIS_EQ(c.out, viewer::ConvertToFullWidth(c.in)) << c.in;
}

TEST(TrackTable, CodesNamesAndDirections) {
  struct {
    const char* code;
    const char* name;
    const char* turn;
  } rows[] = {{"01", "札幌", "右"}, {"02", "函館", "右"}, {"03", "福島", "右"},
              {"04", "新潟", "左"}, {"05", "東京", "左"}, {"06", "中山", "右"},
              {"07", "中京", "左"}, {"08", "京都", "右"}, {"09", "阪神", "右"},
              {"10", "小倉", "右"}};
  for (const auto& r : rows) {
    EXPECT_SJIS_EQ(r.name, viewer::TrackCodeToName(r.code));
    EXPECT_EQ(r.code, viewer::TrackNameToCode(r.name));
    EXPECT_SJIS_EQ(r.turn, viewer::TrackTurnDirection(r.name));
  }
}

TEST(TrackTable, NoRowGivesEmpty) {
  for (const char* code : {"5", "00", "11", "", " 05", "05 ", "5 "}) {
    EXPECT_EQ("", viewer::TrackCodeToName(code)) << code;
  }
  for (const char* name : {"", "東京 ", " 東京", "東", "大井", "ﾄｳｷｮｳ"}) {
    EXPECT_EQ("", viewer::TrackNameToCode(name));
    EXPECT_EQ("", viewer::TrackTurnDirection(name));
  }
}

}  // namespace
