#include "viewer/logic/Timing.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "tests/support/sjis_assert.h"

namespace {

using viewer::MatchSnapshotTimes;
using viewer::TimeSet;

TEST(TimeOfDaySeconds, Forms) {
  EXPECT_EQ(15 * 3600 + 25 * 60, viewer::TimeOfDaySeconds("15:25"));
  EXPECT_EQ(15 * 3600 + 25 * 60 + 7, viewer::TimeOfDaySeconds("15:25:07"));
  EXPECT_EQ(9 * 3600 + 5 * 60, viewer::TimeOfDaySeconds("9:05"));
  EXPECT_EQ(0, viewer::TimeOfDaySeconds("00:00"));
  for (const char* bad : {"", "1525", "24:00", "15:60", "15:", ":25", "15:25:", "15:25:00:00",
                          "a5:25", "15:255", " 15:25"}) {
    EXPECT_THROW(viewer::TimeOfDaySeconds(bad), base::ConversionError) << bad;
  }
}

TEST(MatchSnapshotTimes, PostTimeBand) {
  const std::vector<std::string> lines = {
      "0,15:20,10:00,12:00,14:00,15:00,15:20,15:24",  // 15:20-15:24:59: not 15:25
      "0,15:25,10:05,12:05,14:05,15:05,15:15,15:23",
      "1,15:21,17:00,19:00,09:00,12:00,15:00,15:20",
      "2,15:30,17:30,19:30,09:30,12:30,15:30,15:35",
  };
  viewer::SnapshotTimes t = MatchSnapshotTimes(lines, "15:25");
  EXPECT_EQ((TimeSet{"0", "10:05", "12:05", "14:05", "15:05", "15:15", "15:23"}), t.race_day);
  EXPECT_EQ((TimeSet{"1", "17:00", "19:00", "09:00", "12:00", "15:00", "15:20"}), t.previous_day);
  t = MatchSnapshotTimes(lines, "15:24");
  EXPECT_EQ("10:00", t.race_day[1]);
  t = MatchSnapshotTimes(lines, "15:34");
  EXPECT_EQ(TimeSet{}, t.race_day);
  EXPECT_EQ("2", t.previous_day[0]);
}

TEST(MatchSnapshotTimes, LaterMatchingRowReplaces) {
  viewer::SnapshotTimes t = MatchSnapshotTimes(
      {"0,15:25,a,b,c,d,e,f", "0,15:23,1,2,3,4,5,6", "3,15:25,x,y,z,u,v,w,extra"}, "15:25");
  EXPECT_EQ((TimeSet{"0", "1", "2", "3", "4", "5", "6"}), t.race_day);
  EXPECT_EQ((TimeSet{"3", "x", "y", "z", "u", "v", "w"}), t.previous_day);
  // No matching row: seven empty texts.
  t = MatchSnapshotTimes({"0,10:00,a,b,c,d,e,f"}, "15:25");
  EXPECT_EQ(TimeSet{}, t.race_day);
  EXPECT_EQ(TimeSet{}, t.previous_day);
}

TEST(MatchSnapshotTimes, Errors) {
  // A line without column 1, or a matching one without the six times.
  EXPECT_THROW(MatchSnapshotTimes({"0,10:00,a,b,c,d,e,f", "0"}, "15:25"), base::Error);
  EXPECT_THROW(MatchSnapshotTimes({""}, "15:25"), base::Error);
  EXPECT_THROW(MatchSnapshotTimes({"0,15:25,a,b,c,d,e"}, "15:25"), base::Error);
  EXPECT_NO_THROW(MatchSnapshotTimes({"0,15:00,a"}, "15:25"));  // short, but no match
  EXPECT_THROW(MatchSnapshotTimes({"0,1525,a,b,c,d,e,f"}, "15:25"), base::ConversionError);
  EXPECT_THROW(MatchSnapshotTimes({"0,15:25,a,b,c,d,e,f"}, ""), base::ConversionError);
  // The post time is read only when the file has lines.
  EXPECT_NO_THROW(MatchSnapshotTimes({}, "not a time"));
}

TEST(TimeButtonCaption, FromLabels) {
  EXPECT_SJIS_EQ("前 16:30", viewer::TimeButtonCaption("11630"));
  EXPECT_EQ("  09:05", viewer::TimeButtonCaption("20905"));
  EXPECT_EQ(" ", viewer::TimeButtonCaption("90000"));
  EXPECT_EQ(" ", viewer::TimeButtonCaption(""));
}

TEST(PlanTimeButtons, CaptionsAndTheSecondTime) {
  viewer::RaceOddsRecord r;
  viewer::InitRaceOddsRecord(r);
  viewer::TimeButtons b = viewer::PlanTimeButtons(r, 4);
  EXPECT_TRUE(viewer::AllSnapshotsEmpty(r));
  EXPECT_EQ(4, b.chosen_time2);  // nothing filled: the stored second time stays
  for (const auto& c : b.captions) EXPECT_EQ(" ", c);

  const char* labels[] = {"11630", "21000", "21200"};
  for (int s = 1; s <= 3; ++s) {
    r.SetLabel(s, labels[s - 1]);
    r.SetSlotNumber(s, s);
  }
  EXPECT_FALSE(viewer::AllSnapshotsEmpty(r));
  b = viewer::PlanTimeButtons(r, 0);
  EXPECT_SJIS_EQ("前 16:30", b.captions[0]);
  EXPECT_EQ("  10:00", b.captions[1]);
  EXPECT_EQ("  12:00", b.captions[2]);
  for (int i = 3; i < 6; ++i) EXPECT_EQ(" ", b.captions[i]);
  EXPECT_EQ(3, b.chosen_time2);

  // The buttons follow SlotNumber, not the snapshot's place; the last filled in record order
  // gives the second time.
  r.SetSlotNumber(1, 5);
  b = viewer::PlanTimeButtons(r, 0);
  EXPECT_SJIS_EQ("前 16:30", b.captions[4]);
  EXPECT_EQ(" ", b.captions[0]);
  EXPECT_EQ(3, b.chosen_time2);
  // A slot number outside 1-6 labels nothing.
  r.SetSlotNumber(3, 9);
  b = viewer::PlanTimeButtons(r, 0);
  EXPECT_EQ(2, b.chosen_time2);
}

}  // namespace
