#include "viewer/logic/Countdown.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/sjis_assert.h"

namespace {

using base::DateTime;

DateTime At(int hour, int minute, int second, base::Date day = {2024, 5, 19}) {
  return DateTime{day, hour, minute, second};
}

// Two digits in each place, nothing else: a sign or a blank makes no time.
TEST(SecondsBetween, HoursMinutesSecondsWithoutWrap) {
  struct {
    const char* a;
    const char* b;
    std::optional<int32_t> seconds;
  } cases[] = {
      {"15:40:00", "15:35:10", 290},          {"15:40:00", "15:40:00", 0},
      {"15:40:00", "15:40:01", -1},           {"15:40:00", "14:40:00", 3600},
      {"15:40:00", "14:40:01", 3599},         {"00:00:00", "23:59:59", -86399},
      {"09:05:07", "00:00:00", 32707},        {"ab:cd:00", "15:00:00", std::nullopt},
      {"15:40:00", "", std::nullopt},         {"1540:00", "15:00:00", std::nullopt},
      {":00", "15:00:00", std::nullopt},      {"15:+0:00", "15:00:00", std::nullopt},
      {" 9:30:00", "09:00:00", std::nullopt}, {"-1:00:00", "00:00:00", std::nullopt},
      {"99:99:00", "00:00:00", 362340},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.seconds, viewer::SecondsBetween(c.a, c.b)) << c.a << " - " << c.b;
  }
}

TEST(PostTimeField, TwoDigitsColonTwoDigits) {
  EXPECT_EQ("15:40", viewer::PostTimeField("15:40"));
  EXPECT_EQ("09:05", viewer::PostTimeField("09.05"));
  EXPECT_EQ("9::5", viewer::PostTimeField("9:05"));  // taken by place, not by meaning
  EXPECT_EQ(":", viewer::PostTimeField(""));
}

TEST(DecideCountdown, RaceDayInsideTheLastHourOrPastPostTime) {
  struct {
    DateTime now;
    const char* post_time;
    const char* file_date;
    viewer::CountdownStart decision;  // start timer, post time past
  } cases[] = {
      {At(15, 35, 10), "15:40", "240519", {true, false}},
      {At(14, 40, 0), "15:40", "240519", {false, false}},  // 3600 s: not yet
      {At(14, 40, 1), "15:40", "240519", {true, false}},   // 3599 s
      {At(15, 39, 59), "15:40", "240519", {true, false}},
      {At(15, 40, 0), "15:40", "240519", {false, false}},  // 0 s: neither
      {At(15, 40, 1), "15:40", "240519", {false, true}},
      {At(9, 0, 0), "15:40", "240519", {false, false}},
      {At(15, 35, 10, {2024, 5, 18}), "15:40", "240519", {false, false}},  // another day
      {At(16, 0, 0, {2024, 5, 20}), "15:40", "240519", {false, false}},
      {At(15, 35, 10), "15:4", "240519", {false, false}},  // not hh:mm
      {At(15, 35, 10), "", "240519", {false, false}},
      {At(15, 35, 10), "ab:cd", "240519", {false, false}},
      {At(15, 35, 10), "15:40", "", {false, false}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.decision, viewer::DecideCountdown(c.file_date, c.post_time, c.now))
        << c.now.hour << ":" << c.now.minute << ":" << c.now.second << " " << c.post_time;
  }
}

TEST(TickCountdown, TimeLeftThenPostTimePast) {
  const viewer::TimerTick early = viewer::TickCountdown("15:40", At(15, 35, 10));
  ASSERT_TRUE(early.memo.has_value());
  EXPECT_FALSE(early.stop);
  EXPECT_FIELDS_EQ((std::vector<std::string>{"　", "2024/05/19 15:35:10", "　",
                                             "発走時間まで4分50秒です", "　"}),
                   early.memo->lines);
  EXPECT_EQ(15, early.memo->font_size);
  EXPECT_EQ(ui::kBlack, early.memo->color);

  const viewer::TimerTick at_post = viewer::TickCountdown("15:40", At(15, 40, 0));
  ASSERT_TRUE(at_post.memo.has_value());
  EXPECT_FALSE(at_post.stop);
  EXPECT_SJIS_EQ("発走時間まで0分0秒です", at_post.memo->lines[3]);

  const viewer::TimerTick hour = viewer::TickCountdown("15:40", At(15, 27, 55));
  EXPECT_SJIS_EQ("発走時間まで12分5秒です", hour.memo->lines[3]);

  const viewer::TimerTick past = viewer::TickCountdown("15:40", At(15, 40, 1));
  EXPECT_TRUE(past.stop);
  ASSERT_TRUE(past.memo.has_value());
  EXPECT_EQ(viewer::PostTimePastText(12), *past.memo);

  const viewer::TimerTick broken = viewer::TickCountdown("xx:yy", At(15, 35, 10));
  EXPECT_TRUE(broken.stop);
  EXPECT_FALSE(broken.memo.has_value());
}

TEST(MemoTexts, LinesSizesAndColours) {
  const viewer::MemoText info = viewer::InformationText();
  EXPECT_FIELDS_EQ((std::vector<std::string>{
                       "　", "【この欄の表示内容】", "　", "１．発走約60分前からは発走までの時間",
                       "　", "２．払い戻しデータ入手後はその内容", "　", "を表示します"}),
                   info.lines);
  EXPECT_EQ(10, info.font_size);
  EXPECT_EQ(ui::kBlack, info.color);
  for (int size : {10, 12}) {
    const viewer::MemoText past = viewer::PostTimePastText(size);
    EXPECT_FIELDS_EQ((std::vector<std::string>{"　", "発走時間が過ぎました。", "　",
                                               "投票は締め切られています"}),
                     past.lines);
    EXPECT_EQ(size, past.font_size);
    EXPECT_EQ(ui::kRed, past.color);
  }
  const viewer::MemoText payoffs = viewer::PayoffText({"[単] 01:￥100 "});
  EXPECT_EQ(10, payoffs.font_size);
  EXPECT_EQ(ui::kBlue, payoffs.color);
  EXPECT_EQ("2024/01/02 03:04:05", viewer::DateTimeText(At(3, 4, 5, {2024, 1, 2})));
  EXPECT_EQ("\x81\x40", std::string(viewer::InformationText().lines[0]));  // full-width space
}

}  // namespace
