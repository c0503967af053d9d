#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "base/csv.h"
#include "base/errors.h"
#include "base/files.h"
#include "tests/support/sjis_assert.h"
#include "tests/support/temp_dir.h"
#include "viewer/logic/RaceHeader.h"

namespace {

using viewer::FillRaceHeader;
using viewer::RaceOddsRecord;

std::vector<std::string> Fields(const std::string& line) { return base::SplitCsvLine(line); }

// A race line of 18 fields.
std::string RaceLine(const std::string& key, const std::string& track, const std::string& surface,
                     const std::string& weather_goings = "1,2,3",
                     const std::string& runners = "16") {
  return key + ",2024,06,01," + track + ",11,第91回,東京優駿,３歳(牡)(指定),\"" + surface +
         "\",2400," + runners + ",15:40,7," + weather_goings + ",t";
}

TEST(FillRaceHeader, FieldsOfTheRaceLine) {
  RaceOddsRecord r;
  viewer::InitRaceOddsRecord(r);
  r.SetHorseName(1, "キタサンブラック");
  r.SetLabel(2, "21540");
  r.SetRunnerFileAge(77);
  FillRaceHeader(r, Fields(RaceLine("2024060105020411", "東京", "芝　左")), 0x58C17A20);
  EXPECT_EQ("2024060105020411", r.RaceKey());
  EXPECT_EQ(0, r.HeaderPending());
  EXPECT_EQ(0x58C17A20, r.RaceFileAge());
  EXPECT_EQ(0, r.RunnerFileAge());
  EXPECT_SJIS_EQ("芝", r.Surface());
  EXPECT_EQ(12, r.WeatherGoing());  // turf: field 14 with field 15
  EXPECT_EQ(9, r.Reserved1());
  EXPECT_EQ(9, r.Reserved2());
  EXPECT_SJIS_EQ("左", r.TurnDirection());
  EXPECT_EQ("2400", r.Distance());
  EXPECT_EQ(std::string("第91回").substr(0, 3), r.OrdinalText());
  EXPECT_SJIS_EQ("東京優駿", r.RaceName());
  EXPECT_SJIS_EQ("３歳(牡)(指定)", r.ConditionText());
  EXPECT_EQ(16, r.RunnerCount());
  EXPECT_EQ("15:40", r.PostTime());
  // Runner rows and snapshots stay.
  EXPECT_SJIS_EQ("キタサンブラック", r.HorseName(1));
  EXPECT_EQ("21540", r.Label(2));
}

TEST(FillRaceHeader, WeatherAndGoing) {
  struct {
    std::string line;
    int32_t weather_going;
    const char* turn;
  } cases[] = {
      {RaceLine("2024060105020411", "東京", "芝　左", "1,2,3"), 12, "左"},
      {RaceLine("2024060109020411", "阪神", "ダート　右", "6,9,1"), 61, "右"},
      {RaceLine("2024060109020411", "阪神", "障害", "3,4,9"), 39, "右"},
      {RaceLine("2024060101020411", "大井", "芝　直", "9,9,9"), 99, ""},
      // 14 fields or fewer: 99.
      {"2024060105020411,2024,06,01,東京,11, ,n,c,芝,2400,16,15:40,7", 99, "左"},
      // 16 fields on dirt: no field 16, the weather alone.
      {"2024060105020411,2024,06,01,東京,11, ,n,c,ダート,1600,16,15:40,7,2,1", 2, "左"},
      {"2024060105020411,2024,06,01,新潟,11, ,n,c,芝,1000,16,15:40,7,2,1", 21, "左"},
  };
  for (const auto& c : cases) {
    RaceOddsRecord r;
    viewer::InitRaceOddsRecord(r);
    FillRaceHeader(r, Fields(c.line), 0);
    EXPECT_EQ(c.weather_going, r.WeatherGoing()) << c.line;
    EXPECT_SJIS_EQ(c.turn, r.TurnDirection());
  }
}

TEST(FillRaceHeader, TextsCutAndRunnersClamped) {
  RaceOddsRecord r;
  viewer::InitRaceOddsRecord(r);
  std::string name(61, 'n');
  FillRaceHeader(r,
                 Fields("2024060105020411,2024,06,01,東京,11,第100回," + name + "," + name +
                        ",ダート　左,24000,25,15:40:00,7,1,1,1,t"),
                 0);
  EXPECT_EQ(std::string(60, 'n'), r.RaceName());
  EXPECT_EQ(std::string(60, 'n'), r.ConditionText());
  EXPECT_SJIS_EQ("ダ", r.Surface());
  EXPECT_EQ("2400", r.Distance());
  EXPECT_EQ("15:40", r.PostTime());
  EXPECT_EQ(18, r.RunnerCount());
  FillRaceHeader(r, Fields(RaceLine("2024060105020411", "東京", "芝", "1,1,1", "-2")), 0);
  EXPECT_EQ(0, r.RunnerCount());
}

TEST(FillRaceHeader, ConversionErrorsChangeNothing) {
  RaceOddsRecord r;
  viewer::InitRaceOddsRecord(r);
  const std::string before = r.bytes();
  for (const std::string& line : {RaceLine("2024060105020411", "東京", "芝", "1,x,1"),
                                  RaceLine("2024060105020411", "東京", "芝", "1,2,3", "1x"),
                                  RaceLine("2024060105020411", "東京", "芝", "1,2,3", ""),
                                  std::string("2024060105020411,2024,06,01,東京,11")}) {
    EXPECT_THROW(FillRaceHeader(r, Fields(line), 5), base::ConversionError) << line;
    EXPECT_EQ(before, r.bytes());
  }
}

TEST(RaceButtonCaptions, ByRaceNumberOfTheRacecourse) {
  EXPECT_EQ(" 1R", viewer::RaceButtonCaption("01"));
  EXPECT_EQ(" 9R", viewer::RaceButtonCaption("09"));
  EXPECT_EQ("10R", viewer::RaceButtonCaption("10"));
  EXPECT_EQ("11R", viewer::RaceButtonCaption("11"));
  EXPECT_EQ("12R", viewer::RaceButtonCaption("12"));
  std::vector<std::string> lines;
  for (int race = 1; race <= 11; ++race) {
    lines.push_back(
        RaceLine("2024060105020411", "東京", "芝").replace(14, 2, viewer::RaceNumberText(race)));
    lines.push_back(RaceLine("2024060109020412", "阪神", "芝"));
  }
  lines.push_back(RaceLine("2024060105020413", "東京", "芝"));  // 13: no button
  auto captions = viewer::RaceButtonCaptions(lines, "05");
  EXPECT_EQ(" 1R", captions[0]);
  EXPECT_EQ(" 9R", captions[8]);
  EXPECT_EQ("10R", captions[9]);
  EXPECT_EQ("11R", captions[10]);
  EXPECT_EQ(" ", captions[11]);
  captions = viewer::RaceButtonCaptions(lines, "09");
  EXPECT_EQ("12R", captions[11]);
  EXPECT_EQ(" ", captions[0]);
  for (const auto& c : viewer::RaceButtonCaptions(lines, "")) EXPECT_EQ(" ", c);
}

class RefreshRaceHeaders : public ::testing::Test {
 protected:
  testsupport::TempDir dir;
  std::string work = dir / "wo_data/20240601";
  std::vector<std::string> lines = {RaceLine("2024060105020401", "東京", "芝　左"),
                                    RaceLine("2024060109020402", "阪神", "ダート　右")};
};

TEST_F(RefreshRaceHeaders, WritesOneRecordPerRaceLineAndMakesTheFolder) {
  RaceOddsRecord current;
  viewer::RefreshRaceHeaders(lines, 1234, work, current);
  for (const char* name : {"/05020401.ods", "/09020402.ods"}) {
    std::string bytes = base::ReadFileBytes(work + name);
    ASSERT_EQ(11956u, bytes.size());
    RaceOddsRecord stored = RaceOddsRecord::FromBytes(bytes);
    EXPECT_EQ(0, stored.HeaderPending());
    EXPECT_EQ(1234, stored.RaceFileAge());
    EXPECT_EQ("90000", stored.Label(1));
    EXPECT_EQ(std::string(18, ' '), stored.HorseName(18));
  }
  // The buffer holds the last line's record.
  EXPECT_EQ("2024060109020402", current.RaceKey());
  EXPECT_EQ(current.bytes(), base::ReadFileBytes(work + "/09020402.ods"));
}

TEST_F(RefreshRaceHeaders, KeepsRunnersAndSnapshotsOfStoredRecords) {
  RaceOddsRecord current;
  viewer::RefreshRaceHeaders(lines, 1, work, current);
  RaceOddsRecord stored = viewer::ReadRaceOddsRecord(work + "/05020401.ods");
  stored.SetHorseName(3, "ドウデュース");
  stored.SetLabel(1, "21530");
  stored.SetOddsWin(1, 3, 2.5f);
  stored.SetRaceName("old");
  viewer::WriteRaceOddsRecord(work + "/05020401.ods", stored);
  viewer::RefreshRaceHeaders(lines, 2, work, current);
  stored = viewer::ReadRaceOddsRecord(work + "/05020401.ods");
  EXPECT_SJIS_EQ("ドウデュース", stored.HorseName(3));
  EXPECT_EQ("21530", stored.Label(1));
  EXPECT_EQ(2.5f, stored.OddsWin(1, 3));
  EXPECT_SJIS_EQ("東京優駿", stored.RaceName());
  EXPECT_EQ(2, stored.RaceFileAge());
}

ino_t Inode(const std::string& path) {
  struct stat st {};
  stat(path.c_str(), &st);
  return st.st_ino;
}

TEST_F(RefreshRaceHeaders, RewritesOnlyWhatChanged) {
  RaceOddsRecord current;
  viewer::RefreshRaceHeaders(lines, 1, work, current);
  const std::string file = work + "/05020401.ods", other = work + "/09020402.ods";
  const ino_t before = Inode(file), other_before = Inode(other);
  viewer::RefreshRaceHeaders(lines, 1, work, current);
  EXPECT_EQ(before, Inode(file));  // the same bytes: not written again
  EXPECT_EQ(other_before, Inode(other));
  // A file longer than a record, or one with another header, is written anew.
  testsupport::WriteFile(other, base::ReadFileBytes(other) + "junk");
  viewer::RefreshRaceHeaders(lines, 2, work, current);
  EXPECT_NE(before, Inode(file));
  EXPECT_EQ(2, viewer::ReadRaceOddsRecord(file).RaceFileAge());
  EXPECT_EQ(11956u, base::ReadFileBytes(other).size());
}

TEST_F(RefreshRaceHeaders, StopsAtABadLineKeepingEarlierFiles) {
  std::vector<std::string> bad = {
      lines[0], "", RaceLine("2024060105020402", "東京", "芝", "1,2,3", "x"), lines[1]};
  RaceOddsRecord current;
  EXPECT_THROW(viewer::RefreshRaceHeaders(bad, 1, work, current), base::ConversionError);
  EXPECT_TRUE(base::FileExists(work + "/05020401.ods"));
  EXPECT_FALSE(base::FileExists(work + "/05020402.ods"));
  EXPECT_FALSE(base::FileExists(work + "/09020402.ods"));

  EXPECT_THROW(viewer::RefreshRaceHeaders({"2024,x,y"}, 1, work, current), base::ConversionError);
}

TEST_F(RefreshRaceHeaders, SetsAsideARecordFileThatHoldsNoRecordAndMakesItAnew) {
  RaceOddsRecord current;
  viewer::RefreshRaceHeaders(lines, 1, work, current);
  const std::string tokyo = work + "/05020401.ods";
  const std::string hanshin = work + "/09020402.ods";
  // 東京's record cut short (and an earlier damaged one set aside already), 阪神's replaced
  // by a folder.
  testsupport::WriteFile(tokyo, "short");
  testsupport::WriteFile(tokyo + ".damaged", "earlier");
  std::filesystem::remove(hanshin);
  base::MakeDirs(hanshin + "/inside");

  std::vector<viewer::SetAsideRecord> set_aside;
  viewer::RefreshRaceHeaders(lines, 2, work, current, "DG240601.CSV", &set_aside);
  ASSERT_EQ(set_aside.size(), 2u);
  EXPECT_EQ(set_aside[0].path, tokyo);
  EXPECT_EQ(set_aside[0].kept_as, tokyo + ".damaged.2");
  EXPECT_NE(set_aside[0].reason.find("Read beyond end of file"), std::string::npos);
  EXPECT_EQ(set_aside[1].path, hanshin);
  EXPECT_EQ(set_aside[1].kept_as, hanshin + ".damaged");
  // Kept as they were; the records made anew from their race lines.
  EXPECT_EQ("earlier", base::ReadFileBytes(tokyo + ".damaged"));
  EXPECT_EQ("short", base::ReadFileBytes(tokyo + ".damaged.2"));
  EXPECT_TRUE(base::DirExists(hanshin + ".damaged/inside"));
  for (const std::string& path : {tokyo, hanshin}) {
    const RaceOddsRecord stored = viewer::ReadRaceOddsRecord(path);
    EXPECT_EQ(2, stored.RaceFileAge());
    EXPECT_EQ("90000", stored.Label(1));
  }
  const std::string message = viewer::SetAsideMessage(set_aside);
  for (const auto& r : set_aside) {
    EXPECT_NE(message.find("\"" + r.path + "\""), std::string::npos) << message;
    EXPECT_NE(message.find("\"" + r.kept_as + "\""), std::string::npos) << message;
  }

  // The next refresh finds nothing to set aside.
  set_aside.clear();
  viewer::RefreshRaceHeaders(lines, 3, work, current, "DG240601.CSV", &set_aside);
  EXPECT_TRUE(set_aside.empty());
}

}  // namespace
