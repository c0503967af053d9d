// The memo texts of the per-horse window and the countdown to post time on race day.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/dates.h"
#include "ui/color.h"

namespace viewer {

// A text that replaces the memo's whole content.
struct MemoText {
  std::vector<std::string> lines;
  int font_size = 10;  // points
  ui::Color color = ui::kBlack;
  friend bool operator==(const MemoText&, const MemoText&) = default;
};

// What the memo shows at each table rebuild until something replaces it.
MemoText InformationText();
// Voting has closed: in 10 points after a rebuild, in 12 points from the timer.
MemoText PostTimePastText(int font_size);
// The payoff lines, in blue.
MemoText PayoffText(std::vector<std::string> lines);
// The countdown of the timer in 15 points: the date-and-time text of `now`, then
// "発走時間まで" minutes "分" seconds "秒です" of the seconds left.
MemoText CountdownText(const base::DateTime& now, int32_t seconds_left);

// The post time field of the window: characters 1-2 of the race's PostTime, ":" and
// characters 4-5 ("hh:mm").
std::string PostTimeField(std::string_view post_time);

// The system's date-and-time text on a Japanese desktop: "yyyy/mm/dd hh:mm:ss".
std::string DateTimeText(const base::DateTime& t);
// The time of day as "hh:mm:ss".
std::string TimeText(const base::DateTime& t);

// Seconds of a minus seconds of b, each text read as characters 1-2, 4-5 and 7-8 for hours,
// minutes and seconds; no wrap at midnight. Nothing when a text does not have two decimal
// digits in each of those places (a blank or a sign is no digit).
std::optional<int32_t> SecondsBetween(std::string_view a, std::string_view b);

// The countdown's decision at a table rebuild, after the timer has been stopped: for the race
// day of `file_date` (yymmdd), the post time shown as "hh:mm" and the moment `now`.
struct CountdownStart {
  bool start_timer = false;          // race day and 0 < seconds to post time < 3600
  bool show_post_time_past = false;  // race day and post time passed: PostTimePastText(10)
  friend bool operator==(const CountdownStart&, const CountdownStart&) = default;
};
CountdownStart DecideCountdown(std::string_view file_date, std::string_view post_time,
                               const base::DateTime& now);

// One second of the running timer: the memo text to show and whether the timer stops. Past
// post time: PostTimePastText(12) and stop; before it: the countdown. A post time that gives
// no seconds stops the timer and leaves the memo as it is.
struct TimerTick {
  std::optional<MemoText> memo;
  bool stop = false;
};
TimerTick TickCountdown(std::string_view post_time, const base::DateTime& now);

}  // namespace viewer
