#include <gtest/gtest.h>

#include "base/files.h"
#include "fetch/storepull/ResumeStamp.h"
#include "tests/support/sjis_assert.h"
#include "tests/support/temp_dir.h"

namespace storepull {
namespace {

using testsupport::TempDir;
using testsupport::WriteFile;

constexpr base::Date kToday{2016, 3, 31};

TEST(ResumeStampFile, HoldsOneRecordOfFifteenBytes) {
  TempDir dir;
  std::string path = dir / "storepull.cfg";
  WriteResumeStamp(path, "20160305123456");
  EXPECT_EQ(std::string("\x0e"
                        "20160305123456",
                        15),
            base::ReadFileBytes(path));

  WriteResumeStamp(path, "2016");  // replaced; the bytes behind the stamp are zeros
  EXPECT_EQ(std::string("\x04"
                        "2016\0\0\0\0\0\0\0\0\0\0",
                        15),
            base::ReadFileBytes(path));

  WriteResumeStamp(path, "201603051234567890");  // cut to 14 characters
  EXPECT_EQ(std::string("\x0e"
                        "20160305123456",
                        15),
            base::ReadFileBytes(path));
}

TEST(ResumeStampFile, WritingLeavesTheOtherFilesOfTheFolderAsTheyAre) {
  TempDir dir;
  for (const char* name : {"notes.tmp~", "storepull.cfg.bak.tmp~", "05020401.ods.tmp~"}) {
    WriteFile(dir / name, "the user's");
  }
  WriteFile(dir / "storepull.cfg.tmp~", "torn");  // a killed write's leftover, taken over
  WriteResumeStamp(dir / "storepull.cfg", "20160305123456");
  for (const char* name : {"notes.tmp~", "storepull.cfg.bak.tmp~", "05020401.ods.tmp~"}) {
    EXPECT_EQ("the user's", base::ReadFileBytes(dir / name)) << name;
  }
  EXPECT_FALSE(base::PathExists(dir / "storepull.cfg.tmp~"));
}

TEST(ResumeStampFile, RoundTripsThroughTheStartState) {
  TempDir dir;
  std::string path = dir / "storepull.cfg";
  WriteResumeStamp(path, "20160305123456");
  StartState s = StartStateFromFile(path, kToday);
  EXPECT_EQ("20160305123456", s.resume_stamp);
  EXPECT_EQ((base::Date{2016, 3, 5}), s.start_date);
  EXPECT_EQ("", s.message);
}

TEST(ResumeStampFile, MissingFileStartsOneMonthBack) {
  TempDir dir;
  StartState s = StartStateFromFile(dir / "storepull.cfg", kToday);
  EXPECT_EQ("", s.resume_stamp);
  EXPECT_EQ((base::Date{2016, 2, 29}), s.start_date);  // 31 March: February's last day
  EXPECT_EQ("", s.message);
  EXPECT_FALSE(base::FileExists(dir / "storepull.cfg"));
}

TEST(ResumeStampFile, DamagedRecordFallsBackWithAMessage) {
  struct Case {
    std::string bytes;
    std::string stamp;  // kept as read, so that closing writes back what was there
    std::string message;
  } cases[] = {
      {std::string(15, '\0'), "",
       "storepull.cfgの日付が正しくありません（）。取得開始日を1か月前にしました"},
      {std::string("\x0e"
                   "2016133112xxxx",
                   15),
       "2016133112xxxx",
       "storepull.cfgの日付が正しくありません（2016133112xxxx）。取得開始日を1か月前にしました"},
      {std::string("\x0e"
                   "20AB0305123456",
                   15),
       "20AB0305123456",
       "storepull.cfgの日付が正しくありません（20AB0305123456）。取得開始日を1か月前にしました"},
      {std::string("\x03"
                   "201",
                   4),
       "", "storepull.cfgが壊れています（4バイト）。取得開始日を1か月前にしました"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    WriteFile(dir / "storepull.cfg", c.bytes);
    StartState s = StartStateFromFile(dir / "storepull.cfg", kToday);
    EXPECT_EQ(c.stamp, s.resume_stamp);
    EXPECT_EQ((base::Date{2016, 2, 29}), s.start_date);
    EXPECT_SJIS_EQ(c.message, s.message);
  }
}

TEST(StampDate, TakesTheTwoDigitYearWithinFiftyYears) {
  struct Case {
    const char* stamp;
    base::Date today;
    std::optional<base::Date> date;
  } cases[] = {
      {"20160305123456", kToday, base::Date{2016, 3, 5}},
      {"20160229", kToday, base::Date{2016, 2, 29}},
      {"19991231000000", kToday, base::Date{1999, 12, 31}},
      {"20700101000000", kToday, base::Date{1970, 1, 1}},  // the window is 1966-2065
      {"20660101000000", kToday, base::Date{1966, 1, 1}},
      {"20650101000000", kToday, base::Date{2065, 1, 1}},
      {"20150229000000", kToday, std::nullopt},
      {"20161301000000", kToday, std::nullopt},
      {"2016 305123456", kToday, std::nullopt},
      {"2016030", kToday, std::nullopt},
      {"", kToday, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.date, StampDate(c.stamp, c.today)) << c.stamp;
  }
}

TEST(FromDate, UnchangedStartDateResumesAtTheWholeStamp) {
  struct Case {
    base::Date start;
    const char* stamp;
    const char* from;
  } cases[] = {
      {{2016, 3, 5}, "20160305123456", "20160305123456"},
      {{2016, 3, 4}, "20160305123456", "20160304000000"},
      {{2016, 3, 5}, "", "20160305000000"},
      {{2016, 3, 5}, "20160305", "20160305"},
      {{2016, 3, 5}, "2016030", "20160305000000"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.from, FromDateFor(c.start, c.stamp)) << c.stamp;
  }
}

}  // namespace
}  // namespace storepull
