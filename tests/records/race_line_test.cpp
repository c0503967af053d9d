#include <gtest/gtest.h>

#include "base/csv.h"
#include "fetch/records/DayLines.h"
#include "tests/records/line_checks.h"
#include "tests/records/sample_records.h"
#include "tests/support/sjis_assert.h"

namespace {

using Fields = std::vector<std::string>;

// The race line's fields of a record that must give one.
Fields RaceFields(std::string_view record) {
  records::LineResult result = records::FormatRaceLine(record);
  EXPECT_TRUE(result.ok()) << result.error;
  return base::SplitCsvLine(result.line);
}

TEST(RaceLine, SampleRecord) {
  records::LineResult result = records::FormatRaceLine(samples::RaceRecord());
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_SJIS_EQ(
      "2016052105030811,2016,05,21,東京,11,第78回,優駿牝馬,"
      "３歳・オープン・G1(馬齢)(牝)(国際)(特指),芝　左,2400,18,15:40,7,1,1,9,t",
      result.line);
}

using linechecks::FieldCase;

const FieldCase kFieldCases[] = {
    {612, "000", 6, " "},
    {612, "085", 6, "第85回"},
    {612, "100", 6, "第100回"},
    {888, "013", 14, "9"},
    {888, "013", 15, "1"},
    {888, "013", 16, "3"},
    {888, "A", 14, "A"},
    {874, "0945", 12, "09:45"},
    {882, "08", 11, "8"},
    {26, "01", 5, "1"},
    {20, "00", 4, ""},
    {20, "01", 4, "札幌"},
    {20, "10", 4, "小倉"},
    {20, "07", 0, "2016052107030811"},
    {3, "2", 13, "2"},
    {698, "1000", 10, "1000"},
    {33, "日本　ダービー　　　　　　", 7, "日本 ダービー"},
};

TEST(RaceLine, FieldsFromTheirCharacters) {
  linechecks::ExpectFieldCases(records::FormatRaceLine, samples::RaceRecord, 18, kFieldCases);
}

TEST(RaceLine, BlankFieldsAreQuoted) {
  // An ordinal 000 gives a quoted blank; a blank inside the trimmed race name quotes it.
  auto record = samples::RaceRecord();
  record.Set(612, "000").Set(33, samples::PadFullWidth("日本　ダービー", 60));
  records::LineResult result = records::FormatRaceLine(record);
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_NE(std::string::npos, result.line.find(",11,\" \",\"日本 ダービー\",３歳"))
      << testsupport::Readable(result.line);
}

struct ConditionCase {
  int position;
  const char* chars;
  const char* piece;
};

// Every row of every piece, with the other sources matching nothing.
const ConditionCase kConditionCases[] = {
    {617, "11", "２歳"},
    {617, "12", "３歳"},
    {617, "13", "３歳上"},
    {617, "18", "３歳上"},
    {617, "14", "４歳上"},
    {617, "19", "４歳上"},
    {617, "20", ""},
    {617, "10", ""},
    {635, "005", "・1勝クラス"},
    {635, "010", "・2勝クラス"},
    {635, "016", "・3勝クラス"},
    {635, "100", "・1億下"},
    {635, "701", "・新馬"},
    {635, "702", "・未出走"},
    {635, "703", "・未勝利"},
    {635, "999", "・オープン"},
    {635, "704", ""},
    {615, "A", "・G1"},
    {615, "B", "・G2"},
    {615, "C", "・G3"},
    {615, "L", "・L"},
    {615, "D", ""},
    {622, "1", "(ハンデ)"},
    {622, "2", "(別定)"},
    {622, "3", "(馬齢)"},
    {622, "4", "(定量)"},
    {622, "5", ""},
    {620, "1", "(牡)"},
    {620, "3", "(牡)"},
    {620, "2", "(牝)"},
    {620, "0", ""},
    {619, "A", "(混)"},
    {619, "B", "(父)"},
    {619, "C", "(市)"},
    {619, "D", "(抽)"},
    {619, "G", "(抽)"},
    {619, "H", "(抽)"},
    {619, "E", "[抽]"},
    {619, "I", "[抽]"},
    {619, "J", "[抽]"},
    {619, "F", "(市)(抽)"},
    {619, "K", "(市)(抽)"},
    {619, "L", "(市)(抽)"},
    {619, "M", "(九州)"},
    {619, "N", "(国際)"},
    {619, "O", ""},
    {621, "1", "(指定)"},
    {621, "2", "(若手騎手)"},
    {621, "3", "[指定]"},
    {621, "4", "(特指)"},
    {621, "5", ""},
};

testsupport::RecordBuilder NoConditions() {
  auto record = samples::RaceRecord();
  record.Set(615, "        ").Set(617, "00").Set(635, "000");
  return record;
}

TEST(RaceLine, ConditionPieces) {
  for (const auto& c : kConditionCases) {
    Fields fields = RaceFields(NoConditions().Set(c.position, c.chars));
    ASSERT_EQ(18u, fields.size());
    EXPECT_SJIS_EQ(c.piece, fields[8]) << "character " << c.position << " \"" << c.chars << "\"";
  }
}

TEST(RaceLine, ConditionPiecesJoinInTheirOrder) {
  auto record = NoConditions();
  record.Set(617, "12").Set(635, "703").Set(622, "3").Set(620, "0").Set(619, "A").Set(621, "0");
  EXPECT_SJIS_EQ("３歳・未勝利(馬齢)(混)", RaceFields(record)[8]);
  record.Set(615, "B").Set(620, "2").Set(621, "2");
  EXPECT_SJIS_EQ("３歳・未勝利・G2(馬齢)(牝)(混)(若手騎手)", RaceFields(record)[8]);
}

TEST(RaceLine, NoConditionGivesAnEmptyField) {
  records::LineResult result = records::FormatRaceLine(NoConditions());
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_NE(std::string::npos, result.line.find("優駿牝馬,,芝　左")) << result.line;
}

struct SurfaceCase {
  const char* chars;
  const char* text;
};

TEST(RaceLine, SurfaceTexts) {
  const SurfaceCase cases[] = {
      {"10", "芝　直"},     {"11", "芝　左"},     {"16", "芝　左"},     {"17", "芝　右"},
      {"22", "芝　右"},     {"23", "ダート　左"}, {"25", "ダート　左"}, {"24", "ダート　右"},
      {"26", "ダート　右"}, {"27", "サンド　左"}, {"28", "サンド　右"}, {"29", "ダート　直"},
      {"51", "障害"},       {"59", "障害"},       {"00", ""},           {"30", ""},
      {"50", ""},           {"60", ""},           {"09", ""},           {" 5", ""},
  };
  for (const auto& c : cases) {
    records::LineResult result = records::FormatRaceLine(samples::RaceRecord().Set(706, c.chars));
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_SJIS_EQ(c.text, base::SplitCsvLine(result.line)[9]) << c.chars;
    // The gap is a full-width space: never quoted.
    EXPECT_EQ(std::string::npos, result.line.find('"')) << c.chars;
  }
}

}  // namespace
