#include <gtest/gtest.h>

#include <random>

#include "base/csv.h"
#include "base/sjis.h"
#include "fetch/records/CsvLine.h"
#include "fetch/records/FullWidthSpaces.h"
#include "tests/records/line_checks.h"
#include "tests/support/sjis_assert.h"

namespace {

using Fields = std::vector<std::string>;

struct JoinCase {
  Fields fields;
  std::string line;
};

TEST(JoinCsvFields, QuotesWhatTheLineRuleAsks) {
  const JoinCase cases[] = {
      {{"2016052105030811", "東京", "11"}, "2016052105030811,東京,11"},
      {{" "}, "\" \""},
      {{"a", "", "b"}, "a,,b"},
      {{"", ""}, ","},
      {{"a,b"}, "\"a,b\""},
      {{"a\"b"}, "\"a\"\"b\""},
      {{"\""}, "\"\"\"\""},
      {{"\t"}, "\"\t\""},
      {{"a\x1f"}, "\"a\x1f\""},
      {{"芝　直"}, "芝　直"},                      // a full-width space forces no quotes
      {{"ソ表"}, "ソ表"},                          // trail bytes 0x5C stay as they are
      {{"\x81\x7E\x81\x80"}, "\x81\x7E\x81\x80"},  // trail bytes 0x7E and 0x80
      {{"\x81\x22x"}, "\"\x81\"\"x\""},            // a lead byte pairs with no double quote,
      {{"\x81\x2Cx"}, "\"\x81,x\""},               // nor with a comma: both are single bytes
      {{"\x81\x40\""}, "\"\x81\x40\"\"\""},        // only the single-byte quote is doubled
      {{"日本 ダービー"}, "\"日本 ダービー\""},
      {{"ｱｲｳ", "@!~"}, "ｱｲｳ,@!~"},
      // What one line cannot carry is written as a blank: byte 0, CR, LF, and a lead
      // byte at the end of a field (it would take the comma behind it along).
      {{std::string("a\0,b", 4)}, "\"a ,b\""},
      {{"a\r\nb", "c"}, "\"a  b\",c"},
      {{"\r"}, "\" \""},
      {{"東京\x81", "11"}, "\"東京 \",11"},
      {{"\x81\x81"}, "\x81\x81"},  // a lead byte as trail byte ends nothing
      {{"\x81\x81\x81"}, "\"\x81\x81 \""},
      {{"\x81\n"}, "\"\x81 \""},
  };
  for (const auto& c : cases) {
    EXPECT_SJIS_EQ(c.line, records::JoinCsvFields(c.fields)) << testsupport::Readable(c.fields);
  }
}

TEST(JoinCsvFields, OneEmptyFieldIsTheOneListThatCannotReadBack) {
  // The line of a single empty field is empty, and an empty line holds no field.
  EXPECT_EQ("", records::JoinCsvFields(Fields{""}));
  EXPECT_TRUE(base::SplitCsvLine("").empty());
}

// Random field texts made of what the line rule cares about: blanks, quotes, commas,
// control characters, full-width spaces, double-byte characters whose trail byte looks
// like a quote, a comma or a backslash, lead bytes without their trail byte (at the end
// of a field too), bytes 0, CR and LF, single-byte letters and half-width katakana.
class FieldGenerator {
 public:
  explicit FieldGenerator(unsigned seed) : rng_(seed) {}

  std::string Field() {
    std::string f;
    const int size = Pick(0, 7);
    const int length = size == 0 ? 0 : size < 6 ? Pick(1, 12) : Pick(13, 40);
    for (int i = 0; i < length; ++i) AppendCharacter(f);
    return f;
  }

  Fields List() {
    for (;;) {
      Fields fields(static_cast<size_t>(Pick(1, 10)));
      for (auto& f : fields) f = Field();
      if (!(fields.size() == 1 && fields[0].empty())) return fields;
    }
  }

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

 private:
  char Lead() {
    int b = Pick(0, 1) ? Pick(0x81, 0x9F) : Pick(0xE0, 0xFC);
    return static_cast<char>(b);
  }

  void AppendCharacter(std::string& f) {
    static const char kTrails[] = {'\x22', '\x2C', '\x5C', '\x40', '\x7E', '\x80', '\xFC'};
    switch (Pick(0, 9)) {
      case 0:
        f += ' ';
        break;
      case 1:
        f += '"';
        break;
      case 2:
        f += ',';
        break;
      case 3:
        f += static_cast<char>(Pick(0, 31));
        break;
      case 4:
        f += "　";
        break;
      case 5:
        f += Lead();
        if (Pick(0, 3) != 0) f += kTrails[Pick(0, 6)];
        break;
      case 6:
        f += static_cast<char>(Pick(0xA1, 0xDF));
        break;  // half-width katakana
      default:
        f += static_cast<char>(Pick(0x21, 0x7E));
        break;
    }
  }

  std::mt19937 rng_;
};

TEST(JoinCsvFields, EveryLineReadsBackIntoTheSameFields) {
  FieldGenerator gen(20160521);
  for (int i = 0; i < 20000; ++i) {
    Fields fields = gen.List();
    std::string line = records::JoinCsvFields(fields);
    Fields carried;
    for (const auto& f : fields) carried.push_back(linechecks::Carried(f));
    ASSERT_PRED_FORMAT2(testsupport::FieldsEqual, carried, base::SplitCsvLine(line))
        << "line " << testsupport::Readable(line);
    ASSERT_EQ(std::string::npos, line.find_first_of(std::string("\r\n\0", 3)))
        << testsupport::Readable(line);
  }
}

TEST(CsvLineWriter, FieldsFromPiecesAndWordsAreQuotedAsWholeFields) {
  FieldGenerator gen(874);
  for (int i = 0; i < 5000; ++i) {
    Fields fields = gen.List();
    std::string line;
    records::CsvLineWriter writer(line, 0);  // no room foreseen: the line grows as it goes
    for (const auto& f : fields) {
      if (f.size() <= 8 && gen.Pick(0, 2) == 0) {  // a short field as one word
        uint64_t word = 0;
        for (size_t k = 0; k < f.size(); ++k) {
          word |= uint64_t{static_cast<unsigned char>(f[k])} << (8 * k);
        }
        // Bytes above the field's own are not written.
        if (f.size() < 8) word |= ~uint64_t{0} << (8 * f.size());
        writer.WordField(word, f.size());
        continue;
      }
      // Cut the field into pieces on character boundaries.
      writer.BeginField();
      size_t p = 0;
      while (p < f.size()) {
        size_t n = static_cast<size_t>(gen.Pick(1, 4));
        size_t q = p;
        for (size_t k = 0; k < n && q < f.size(); ++k) q = base::NextCharPos(f, q);
        writer.Append(std::string_view(f).substr(p, q - p));
        p = q;
      }
      writer.EndField();
    }
    writer.Finish();
    ASSERT_SJIS_EQ(records::JoinCsvFields(fields), line) << testsupport::Readable(fields);
  }
}

TEST(CsvLineWriter, NumbersAndTrimmedTextsInsideAField) {
  std::string line;
  records::CsvLineWriter writer(line);
  writer.NumberField(7);
  writer.NumberField(-2147483647 - 1);
  writer.BeginField();
  writer.Append("第");
  writer.AppendNumber(85);
  writer.Append("回");
  writer.EndField();
  writer.BeginField();
  writer.AppendTrimmed("　日本　ダービー　　");
  writer.EndField();
  writer.Finish();
  EXPECT_SJIS_EQ("7,-2147483648,第85回,\"日本 ダービー\"", line);
}

struct TrimCase {
  std::string text;
  std::string trimmed;
};

TEST(TrimFullWidthSpaces, TurnsFullWidthSpacesIntoBlanksAndTrims) {
  const TrimCase cases[] = {
      {"優駿牝馬　　　　", "優駿牝馬"},
      {"　　日本　ダービー　　", "日本 ダービー"},
      {"", ""},
      {"　　　", ""},
      {" \t ab c\r\n", "ab c"},
      {std::string("a\0", 2), "a"},              // byte 0 counts among the codes 0-32
      {"\x88\x81\x40", "\x88\x81\x40"},          // 0x81 0x40 as trail byte and next byte
      {"\x88\x81\x40\x40", "\x88\x81\x40\x40"},  // ... still not a full-width space
      {"\x81\x40\x40", "@"},
      {"あ\x81", "あ\x81"},  // a lone lead byte at the end stays
      {"　ｱ　", "ｱ"},
  };
  for (const auto& c : cases) {
    EXPECT_SJIS_EQ(c.trimmed, records::TrimFullWidthSpaces(c.text))
        << testsupport::Readable(c.text);
  }
}

TEST(CsvLineWriter, AppendsBehindWhatTheLineAlreadyHolds) {
  std::string line = "JD,";
  records::CsvLineWriter writer(line, 0);
  writer.Field("a b");
  writer.BeginField();
  writer.AppendTrimmed("　ab　");
  writer.EndField();
  writer.Finish();
  EXPECT_EQ("JD,\"a b\",ab", line);
}

}  // namespace
