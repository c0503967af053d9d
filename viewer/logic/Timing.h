// The odds-timing file: which snapshot times a race gets for its post time, and the
// odds-time buttons that the filled snapshots give.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "viewer/logic/RaceOddsRecord.h"

namespace viewer {

// Seconds since midnight of a time of day "h:mm" or "h:mm:ss" (hours 0-23, one or two
// digits per part). Anything else throws base::ConversionError "'x' is not a valid time".
int TimeOfDaySeconds(std::string_view text);

// Entry 0: column 0 of the odds-timing row; entries 1-6: the snapshot times of slots 1-6.
// Seven empty texts when no row matched.
using TimeSet = std::array<std::string, 7>;

struct SnapshotTimes {
  TimeSet race_day;      // RaceDaySet: the row whose column 0 is "0"
  TimeSet previous_day;  // PreviousDaySet: a row with any other column 0
  // Where the sets come from, for the readers' errors: the odds-timing file, the post time
  // its rows were matched with, and the line (from 0) of each set's row, none when no row
  // matched.
  std::string timing_file = "the odds-timing file";
  std::string post_time;
  std::optional<std::size_t> race_day_line;
  std::optional<std::size_t> previous_day_line;
};

// The sets of a race from the odds-timing file's lines: a row matches when its band, from
// column 1 for five minutes (end excluded, to the second), holds the post time; a later
// matching row of a set replaces the earlier one. A line with fewer than 2 fields or a
// matching one with fewer than 8 throws base::Error; a column 1 or post time that is not a
// time throws base::ConversionError (the post time is read only when there are lines).
// The errors of a line name timing_file and the line.
SnapshotTimes MatchSnapshotTimes(const std::vector<std::string>& timing_lines,
                                 std::string_view post_time,
                                 std::string_view timing_file = "the odds-timing file");

// A snapshot without odds: its Label is "90000" (all six: the race has no odds yet).
bool AllSnapshotsEmpty(const RaceOddsRecord& record);

// The caption of an odds-time button from a Label: "1hhmm" gives "前 hh:mm", "2hhmm" two
// blanks + "hh:mm"; any other Label gives " " (a button without a time).
std::string TimeButtonCaption(std::string_view label);

// The odds-time buttons after a race choice.
struct TimeButtons {
  std::array<std::string, 6> captions;  // Time11-Time16, the same for Time21-Time26
  int32_t chosen_time2 = 0;             // the new ChosenTime2Button
};
// For each snapshot in record order whose Label sorts before "90000": its SlotNumber s, when
// 1-6, becomes the second time and, for a Label beginning with "1" or "2", button s gets its
// caption. With no such snapshot the second time stays `previous_time2`.
TimeButtons PlanTimeButtons(const RaceOddsRecord& record, int32_t previous_time2);

}  // namespace viewer
