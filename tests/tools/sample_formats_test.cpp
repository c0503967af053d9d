// Every card record of the sample data turns into its day-file line.
#include <gtest/gtest.h>

#include "base/csv.h"
#include "base/files.h"
#include "base/values.h"
#include "fetch/records/DayLines.h"
#include "tests/support/sjis_assert.h"
#include "tools/sampledata/sample_data.h"

namespace sampledata {
namespace {

TEST(SampleDataFormats, EveryCardRecordGivesItsLine) {
  SampleOptions options;
  options.race_day = base::Date{2024, 6, 2};
  options.now = base::DateTime{{2024, 6, 2}, 15, 0, 0};
  options.seed = 5;
  SampleData data = MakeSampleData(options);
  int lines = 0;
  for (const SampleFile& f : data.files) {
    if (f.path.rfind("realtime/0B15/", 0) != 0 && f.path.rfind("stored/RACE/", 0) != 0) continue;
    if (f.path.find("files.csv") != std::string::npos) continue;
    for (const std::string& r : base::SplitLines(f.bytes)) {
      std::string kind(base::Chars(r, 1, 2));
      records::LineResult result;
      std::size_t fields = 0;
      if (kind == "RA") {
        result = records::FormatRaceLine(r);
        fields = 18;
      } else if (kind == "SE") {
        result = records::FormatRunnerLine(r);
        fields = 33;
      } else if (kind == "HR") {
        result = records::FormatPayoffLine(r);
        fields = 80;
      } else {
        continue;
      }
      ASSERT_TRUE(result.ok()) << f.path << ": " << result.error;
      std::vector<std::string> got = base::SplitCsvLine(result.line);
      ASSERT_EQ(fields, got.size()) << testsupport::Readable(result.line);
      if (kind == "RA") {
        EXPECT_FALSE(got[4].empty()) << "racecourse name";
        EXPECT_FALSE(got[8].empty()) << "condition text";
        EXPECT_FALSE(got[9].empty()) << "surface text";
        EXPECT_EQ(5u, got[12].size()) << "post time hh:mm";
      }
      ++lines;
    }
  }
  EXPECT_GT(lines, 1000);
}

TEST(SampleDataFormats, NamesComeOutTrimmed) {
  SampleOptions options;
  options.race_day = base::Date{2024, 6, 2};
  options.now = base::DateTime{{2024, 6, 2}, 8, 0, 0};
  SampleData data = MakeSampleData(options);
  const Race& race = data.races.front();
  for (const SampleFile& f : data.files) {
    if (f.path != "realtime/0B15/20240602/" + race.Key() + ".txt") continue;
    std::vector<std::string> records = base::SplitLines(f.bytes);
    std::vector<std::string> runner =
        base::SplitCsvLine(records::FormatRunnerLine(records[1]).line);
    EXPECT_SJIS_EQ(race.runners[0].name, runner[7]);
    EXPECT_EQ(race.runners[0].jockey, runner[10]);
    EXPECT_EQ(race.runners[0].trainer, runner[12]);
    return;
  }
  FAIL() << "no card file for " << race.Key();
}

}  // namespace
}  // namespace sampledata
