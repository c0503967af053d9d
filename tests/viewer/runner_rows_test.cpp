#include <gtest/gtest.h>

#include "base/errors.h"
#include "tests/support/sjis_assert.h"
#include "viewer/logic/RunnerRows.h"

namespace {

using viewer::LoadRunnerRows;
using viewer::RaceOddsRecord;

// A runner line of 33 fields.
std::string RunnerLine(const std::string& track, const std::string& race, const std::string& horse,
                       const std::string& name, const std::string& finish = "0") {
  return "240601," + track + "," + race + "," + horse + ",\" \",\" \",\" \"," + name +
         ",牡,3,武豊,57.0,友道康夫,栗,父,　,　,　,　,4,　,01,1,\" \",\" \",\" \",\" \",a,b,480,"
         "2.34," +
         finish + ",t";
}

RaceOddsRecord Fresh(int runners) {
  RaceOddsRecord r;
  viewer::InitRaceOddsRecord(r);
  r.SetRunnerCount(runners);
  return r;
}

TEST(RunnerRaceText, AsTheRunnerFileWritesIt) {
  EXPECT_EQ("1", viewer::RunnerRaceText("01"));
  EXPECT_EQ("9", viewer::RunnerRaceText("09"));
  EXPECT_EQ("10", viewer::RunnerRaceText("10"));
  EXPECT_EQ("11", viewer::RunnerRaceText("11"));
  EXPECT_EQ("12", viewer::RunnerRaceText("12"));
}

TEST(LoadRunnerRows, RowsOfTheChosenRace) {
  RaceOddsRecord r = Fresh(16);
  std::vector<std::string> lines = {
      RunnerLine("東京", "1", "3", "ドウデュース", "1"),
      RunnerLine("東京", "10", "4", "十レースの馬"),
      RunnerLine("阪神", "1", "5", "阪神の馬"),
      RunnerLine("東京", "01", "6", "ゼロ付き"),
      RunnerLine("東京", "1", "16", "イクイノックス", "2"),
  };
  LoadRunnerRows(r, lines, "東京", "01", 4321);
  EXPECT_EQ(4321, r.RunnerFileAge());
  EXPECT_SJIS_EQ("ドウデュース", r.HorseName(3));
  EXPECT_SJIS_EQ("武豊", r.JockeyName(3));
  EXPECT_SJIS_EQ("友道康夫", r.TrainerName(3));
  EXPECT_SJIS_EQ("栗", r.Affiliation(3));
  EXPECT_EQ(1, r.FinishOrder(3));
  EXPECT_SJIS_EQ("イクイノックス", r.HorseName(16));
  EXPECT_EQ(2, r.FinishOrder(16));
  // Rows without a line keep what the record held.
  EXPECT_EQ(std::string(18, ' '), r.HorseName(4));
  EXPECT_EQ(std::string(18, ' '), r.HorseName(5));
  EXPECT_EQ(std::string(18, ' '), r.HorseName(6));

  RaceOddsRecord ten = Fresh(16);
  LoadRunnerRows(ten, lines, "東京", "10", 0);
  EXPECT_SJIS_EQ("十レースの馬", ten.HorseName(4));
  EXPECT_EQ(std::string(18, ' '), ten.HorseName(3));
}

TEST(LoadRunnerRows, RowsAboveTheRunnerCountLoseTheirTexts) {
  RaceOddsRecord r = Fresh(10);
  for (int k = 1; k <= 18; ++k) r.SetFinishOrder(k, k);
  r.SetHorseName(11, "old");
  LoadRunnerRows(r, {RunnerLine("東京", "1", "12", "十二番")}, "東京", "01", 0);
  for (int k = 11; k <= 18; ++k) {
    EXPECT_EQ("", r.HorseName(k)) << k;
    EXPECT_EQ("", r.JockeyName(k));
    EXPECT_EQ("", r.TrainerName(k));
    EXPECT_EQ("", r.Affiliation(k));
  }
  EXPECT_EQ(0, r.FinishOrder(12));  // set by the line, then only its texts cleared
  EXPECT_EQ(11, r.FinishOrder(11));
  EXPECT_EQ(std::string(18, ' '), r.HorseName(10));
}

TEST(LoadRunnerRows, HorseNumbersOutsideTheRowsArePassedOver) {
  RaceOddsRecord r = Fresh(18);
  const std::string before = r.bytes();
  LoadRunnerRows(r,
                 {RunnerLine("東京", "1", "0", "ゼロ"), RunnerLine("東京", "1", "19", "十九"),
                  RunnerLine("東京", "1", "-1", "負")},
                 "東京", "01", 0);
  EXPECT_EQ(before, r.bytes());
  // A runner count above 18 clears nothing past the 18 rows.
  r.SetRunnerCount(30);
  LoadRunnerRows(r, {RunnerLine("東京", "1", "18", "十八番")}, "東京", "01", 0);
  EXPECT_SJIS_EQ("十八番", r.HorseName(18));
}

TEST(LoadRunnerRows, NamesCutToTheirWidths) {
  RaceOddsRecord r = Fresh(18);
  LoadRunnerRows(r, {RunnerLine("東京", "1", "1", "ゴールドシップアゲイン")}, "東京", "01", 0);
  EXPECT_SJIS_EQ("ゴールドシップアゲ", r.HorseName(1));
}

TEST(LoadRunnerRows, NumbersThatAreNoIntegersThrow) {
  RaceOddsRecord r = Fresh(18);
  r.SetHorseName(2, "before");
  EXPECT_THROW(LoadRunnerRows(r, {RunnerLine("東京", "1", "x", "n")}, "東京", "01", 0),
               base::ConversionError);
  EXPECT_THROW(LoadRunnerRows(r, {RunnerLine("東京", "1", "2", "n", "中止")}, "東京", "01", 0),
               base::ConversionError);
  EXPECT_EQ("before", r.HorseName(2));  // the failing line set nothing
  // A short selected line has no column 31.
  EXPECT_THROW(LoadRunnerRows(r, {"240601,東京,1,2,a,b,c,name"}, "東京", "01", 0),
               base::ConversionError);
  // Lines of other races are not read at all.
  EXPECT_NO_THROW(LoadRunnerRows(r, {"240601,阪神,1,x", "", "x"}, "東京", "01", 0));
}

}  // namespace
