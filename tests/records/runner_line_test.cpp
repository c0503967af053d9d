#include <gtest/gtest.h>

#include "base/csv.h"
#include "fetch/records/DayLines.h"
#include "tests/records/line_checks.h"
#include "tests/records/sample_records.h"
#include "tests/support/sjis_assert.h"

namespace {

TEST(RunnerLine, SampleRecord) {
  records::LineResult result = records::FormatRunnerLine(samples::RunnerRecord());
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_SJIS_EQ(
      "160521,東京,11,3,\" \",\" \",\" \",シンハライト,牝,3,池添謙一,55.0,石坂正　,栗,"
      "（有）キャロットファーム,　,　,　,　,8,　,00,2,\" \",\" \",\" \",\" \","
      "00000000,00000000,2,0036,1,t",
      result.line);
  EXPECT_EQ(33u, base::SplitCsvLine(result.line).size());
}

using linechecks::FieldCase;

const FieldCase kFieldCases[] = {
    {79, "1", 8, "牡"},
    {79, "2", 8, "牝"},
    {79, "3", 8, "セン"},
    {79, "0", 8, " "},
    {85, "1", 13, "美"},
    {85, "2", 13, "栗"},
    {85, "3", 13, "招"},
    {85, "4", 13, " "},
    {289, "550", 11, "55.0"},
    {289, "575", 11, "57.5"},
    {335, "00", 31, "0"},
    {335, "12", 31, "12"},
    {29, "18", 3, "18"},
    {24, "12", 19, "12"},
    {364, "10", 29, "10"},
    {83, "10", 9, "10"},
    {20, "00", 1, ""},
    {20, "09", 1, "阪神"},
    {14, "991231", 0, "991231"},
    {28, "8", 22, "8"},
    {81, "12", 21, "12"},
    {360, "9999", 30, "9999"},
    {366, "12345678", 27, "12345678"},
    {374, "87654321", 28, "87654321"},
    {307, "Ｍ．デム", 10, "Ｍ．デム"},
    {91, "藤沢和雄", 12, "藤沢和雄"},
    {41, "ダイワ　スカーレット　　　　　　　　", 7, "ダイワ スカーレット"},
    {105, "　社台　　　　　　　　　　　　　　　　　　　　　　　　　　　　　", 14, "社台"},
};

TEST(RunnerLine, FieldsFromTheirCharacters) {
  linechecks::ExpectFieldCases(records::FormatRunnerLine, samples::RunnerRecord, 33, kFieldCases);
}

TEST(RunnerLine, HorseNameWithoutInnerSpaceIsNotQuoted) {
  records::LineResult result = records::FormatRunnerLine(
      samples::RunnerRecord().Set(41, samples::PadFullWidth("ディープインパクト", 36)));
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_NE(std::string::npos, result.line.find(",ディープインパクト,牝,")) << result.line;
}

}  // namespace
