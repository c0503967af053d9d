#include <gtest/gtest.h>

#include "tests/support/sjis_assert.h"
#include "viewer/logic/MainDisplay.h"

namespace {

using viewer::RaceOddsRecord;

TEST(SnapshotOfButton, LastMatchingSlotNumber) {
  RaceOddsRecord r;
  viewer::InitRaceOddsRecord(r);
  r.SetSlotNumber(1, 1);
  r.SetSlotNumber(2, 3);
  r.SetSlotNumber(4, 3);
  EXPECT_EQ(1, viewer::SnapshotOfButton(r, 1, 6));
  EXPECT_EQ(4, viewer::SnapshotOfButton(r, 3, 6));
  EXPECT_EQ(5, viewer::SnapshotOfButton(r, 5, 5));  // no match: the earlier value stays
  EXPECT_EQ(6, viewer::SnapshotOfButton(r, 0, 2));  // unfilled snapshots hold 0
}

TEST(VoteFieldText, TenCharactersRightAligned) {
  EXPECT_EQ("   1234567", viewer::VoteFieldText(1234567));
  EXPECT_EQ("         0", viewer::VoteFieldText(0));
  EXPECT_EQ("2147483647", viewer::VoteFieldText(2147483647));
}

TEST(WeatherAndGoing, FromTheTwoDigits) {
  struct {
    int32_t w;
    const char* weather;
    const char* going;
  } cases[] = {
      {12, "天候：晴", "・稍重"},
      {61, "天候：小雪", "・良"},
      {0, " ", ""},
      {99, " ", ""},
      {23, "天候：曇", "・重"},
      {34, "天候：雨", "・不良"},
      {45, "天候：小雨", ""},
      {51, "天候：雪", "・良"},
      {1, "天候：晴", ""},
      {7, " ", ""},
  };
  for (const auto& c : cases) {
    EXPECT_SJIS_EQ(c.weather, viewer::WeatherText(c.w)) << c.w;
    EXPECT_SJIS_EQ(c.going, viewer::GoingSuffix(c.w)) << c.w;
  }
}

TEST(AnalysisWindowCaption, PrefixOf18BytesThenTheTexts) {
  RaceOddsRecord r;
  viewer::InitRaceOddsRecord(r);
  r.SetRaceName("東京優駿");
  r.SetConditionText("３歳(牡)");
  EXPECT_SJIS_EQ("馬分析表          東京優駿３歳(牡)",
                 viewer::AnalysisWindowCaption(viewer::AnalysisWindow::kHorse, r));
  EXPECT_SJIS_EQ("馬連分析表        東京優駿３歳(牡)",
                 viewer::AnalysisWindowCaption(viewer::AnalysisWindow::kQuinella, r));
  EXPECT_SJIS_EQ("枠分析表          東京優駿３歳(牡)",
                 viewer::AnalysisWindowCaption(viewer::AnalysisWindow::kBracket, r));
  EXPECT_EQ(18u + 8 + 8, viewer::AnalysisWindowCaption(viewer::AnalysisWindow::kBracket, r).size());
}

}  // namespace
