#include <gtest/gtest.h>

#include "fetch/storepull/StoredRecords.h"
#include "tests/support/record_builder.h"

namespace storepull {
namespace {

using testsupport::RecordBuilder;

constexpr char kFile[] = "RADT20160305.txt";

std::string Record(const char* kind, const char* date = "20160305") {
  return RecordBuilder(40).Set(1, kind).Set(12, date).Set(20, "05020311").str();
}

TEST(RecordFilter, ChoosesTheLineOrSkipsTheFile) {
  struct Case {
    std::string record;
    const char* file;
    RecordAction action;
  } cases[] = {
      {Record("RA7"), kFile, RecordAction::kRaceLine},
      {Record("RA2"), kFile, RecordAction::kRaceLine},
      {Record("SE7"), kFile, RecordAction::kRunnerLine},
      {Record("SE2"), kFile, RecordAction::kRunnerLine},
      {Record("HR1"), kFile, RecordAction::kPayoffLine},
      {Record("HR2"), kFile, RecordAction::kPayoffLine},
      {Record("RA1"), kFile, RecordAction::kIgnore},
      {Record("SE5"), kFile, RecordAction::kIgnore},
      {Record("HR7"), kFile, RecordAction::kIgnore},
      {Record("WE1"), kFile, RecordAction::kIgnore},
      {Record("JG1"), kFile, RecordAction::kSkipFile},
      {Record("H11"), kFile, RecordAction::kSkipFile},
      {Record("H61"), kFile, RecordAction::kSkipFile},
      {Record("O14"), kFile, RecordAction::kSkipFile},
      {Record("O6x"), kFile, RecordAction::kSkipFile},
      {Record("WF7"), kFile, RecordAction::kSkipFile},
      // a kind that skips the file is tested before the date
      {Record("O1x", "20160306"), kFile, RecordAction::kSkipFile},
      {Record("RA7", "20160306"), kFile, RecordAction::kSkipFile},
      {Record("SE7", "20160304"), kFile, RecordAction::kSkipFile},
      {"RA7", kFile, RecordAction::kSkipFile},  // a record too short for its date
      // a file whose name gives no race day
      {Record("RA7", "../../x/"), "RADT../../x/.txt", RecordAction::kBadFileName},
      {Record("RA7", "20161301"), "RADT20161301.txt", RecordAction::kBadFileName},
      {Record("RA7"), "RA", RecordAction::kBadFileName},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.action, FilterRecord(c.record, c.file)) << c.record.substr(0, 3) << " " << c.file;
  }
}

TEST(DayFiles, GoIntoTheFolderOfTheFileDay) {
  EXPECT_EQ("jv_data/20160305", DayFolderOf(kFile));
  EXPECT_EQ("jv_data/20160305/DG160305.CSV", DayFilePath(kFile, kRaceKind));
  EXPECT_EQ("jv_data/20160305/DE160305.CSV", DayFilePath(kFile, kRunnerKind));
  EXPECT_EQ("jv_data/20160305/DH160305.CSV", DayFilePath(kFile, kPayoffKind));
}

}  // namespace
}  // namespace storepull
