#include "viewer/logic/SnapshotSelection.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <tuple>

#include "base/csv.h"
#include "base/dates.h"
#include "base/errors.h"
#include "base/file_names.h"
#include "base/values.h"

namespace viewer {
namespace {

std::string Mmdd(const base::Date& d) {
  char t[16];
  std::snprintf(t, sizeof t, "%02d%02d", d.month, d.day);
  return t;
}

// The race day from yymmdd; the year is 20yy.
base::Date RaceDayOf(std::string_view file_date) {
  auto yy = base::ParseInt32(base::Chars(file_date, 1, 2));
  auto mm = base::ParseInt32(base::Chars(file_date, 3, 4));
  auto dd = base::ParseInt32(base::Chars(file_date, 5, 6));
  base::Date d{yy ? 2000 + *yy : 0, mm.value_or(0), dd.value_or(0)};
  if (file_date.size() != 6 || !yy || !base::IsValidDate(d)) throw base::NotADate(file_date);
  return d;
}

// A moment of the reading: every date takes the race day's year, so month, day and the
// time of day order them.
using Moment = std::tuple<int, int, int>;

// The announcement mmddhhmm as a moment; a text that is no date and time of the race day's
// year throws.
Moment AnnouncementMoment(std::string_view a, int year) {
  std::optional<int32_t> month, day, hour, minute;
  if (a.size() == 8 &&
      std::all_of(a.begin(), a.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    // The usual eight digits, read at once.
    auto two = [a](std::size_t i) { return (a[i] - '0') * 10 + (a[i + 1] - '0'); };
    month = two(0), day = two(2), hour = two(4), minute = two(6);
  } else {
    month = base::ParseInt32(base::Chars(a, 1, 2));
    day = base::ParseInt32(base::Chars(a, 3, 4));
    hour = base::ParseInt32(base::Chars(a, 5, 6));
    minute = base::ParseInt32(base::Chars(a, 7, 8));
  }
  if (a.size() != 8 || !month || !day || !hour || !minute ||
      !base::IsValidDate({year, *month, *day}) || *hour < 0 || *hour > 23 || *minute < 0 ||
      *minute > 59) {
    throw base::ConversionError("'" + std::string(a) + "' is not a valid announcement time");
  }
  return {*month, *day, *hour * 3600 + *minute * 60};
}

// Where a set of the odds-timing file comes from, for the errors of its texts: " of the
// race-day row (file line n)", or ": no race-day row of file holds post time hh:mm".
std::string SetPlace(const SnapshotTimes& times, bool race_day) {
  const std::optional<std::size_t>& line = race_day ? times.race_day_line : times.previous_day_line;
  const std::string set = race_day ? "race-day" : "previous-day";
  if (line) return " of the " + set + " row" + LinePlace(times.timing_file, *line);
  return ": no " + set + " row of " + base::PathText(times.timing_file) + " holds post time " +
         times.post_time;
}

// The number of slots on the day before: entry 0 of the previous-day set, 2 when it is
// empty. The readers fill six slots at most, so a number outside 0-6 counts as its nearer
// end; the count then stays defined however often a slot is taken.
int PreviousDaySlots(const SnapshotTimes& times) {
  const std::string& entry0 = times.previous_day[0];
  if (entry0.empty()) return 2;
  try {
    return std::clamp(base::IntegerValue(entry0), 0, RaceOddsRecord::kSnapshots);
  } catch (const base::ConversionError& e) {
    throw base::ConversionError(std::string(e.what()) +
                                ": the number of previous-day slots (column 0)" +
                                SetPlace(times, false));
  }
}

// Seconds of the time of `slot` in a set; a text that is no time names the set's row.
int SlotSeconds(const SnapshotTimes& times, bool race_day, int slot) {
  try {
    return TimeOfDaySeconds((race_day ? times.race_day : times.previous_day)[slot]);
  } catch (const base::ConversionError& e) {
    throw base::ConversionError(std::string(e.what()) + ": the time of slot " +
                                std::to_string(slot) + SetPlace(times, race_day));
  }
}

}  // namespace

void SelectSnapshotLines(const OddsLines& file, const SnapshotTimes& times,
                         std::string_view file_date, const StoreLine& store) {
  if (file.size() == 0) return;
  const base::Date d0 = RaceDayOf(file_date);
  auto before = [&d0](int days) {
    base::Date d = base::AddDays(d0, -days);
    d.year = d0.year;
    return d;
  };
  const base::Date d1 = before(1);
  const std::string mmdd0 = Mmdd(d0), mmdd1 = Mmdd(d1), mmdd2 = Mmdd(before(2)),
                    mmdd3 = Mmdd(before(3)), mmdd4 = Mmdd(before(4));

  int slot = 1;
  int counted = 0;
  bool race_day_mode = false;
  int previous_day_slots = 0;
  char prefix = '1';
  int timed_slot = 0;  // the slot whose time slot_time holds
  Moment slot_time;
  std::vector<std::string> quoted;  // the first fields of a line whose column 2 is no plain view
  for (std::size_t n = 0; n < file.size() && slot <= 6; ++n) {
    // Only the announcement time is read here, where it stands in the line; a taken line
    // is read whole by its reader.
    const std::string_view line = file.line(n);
    std::string_view a;
    if (std::optional<std::string_view> plain = base::PlainCsvField(line, 2)) {
      a = *plain;
    } else {
      quoted = base::SplitCsvLine(line, 3);
      if (quoted.size() < 3) {
        throw base::Error("The odds line has no announcement time (column 2)" +
                          LinePlace(file.file(), n));
      }
      a = quoted[2];
    }
    std::string_view day = base::Chars(a, 1, 4);
    std::string_view hhmm = base::Chars(a, 5, 8);
    if (day == mmdd2 || day == mmdd3 || day == mmdd4) continue;
    if (counted == 0) {
      previous_day_slots = PreviousDaySlots(times);
      auto hour_and_minute = [&] { return base::IntegerValue(hhmm); };
      if (day == mmdd0 || (day == mmdd1 && AtLine(file.file(), n, hour_and_minute) > 1200)) {
        race_day_mode = true;
        prefix = '2';
        previous_day_slots = 0;
      }
    }
    ++counted;
    const base::Date* slot_day = &d0;
    if (!race_day_mode && previous_day_slots > 0) {
      slot_day = &d1;
    } else if (!race_day_mode) {
      prefix = '2';
    }
    // The slot's time stays the same until the slot is filled: read it once.
    if (timed_slot != slot) {
      slot_time = {slot_day->month, slot_day->day, SlotSeconds(times, race_day_mode, slot)};
      timed_slot = slot;
    }
    const bool take =
        AtLine(file.file(), n, [&] { return AnnouncementMoment(a, d0.year) > slot_time; });
    if (take) {
      store(slot, n, prefix, hhmm);
      --previous_day_slots;
      ++slot;
    }
  }
}

}  // namespace viewer
