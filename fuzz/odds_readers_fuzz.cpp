// A race choice's odds reading on any files. Input parts: a parameter line "yymmdd,runner
// count,post time,JD|JW|JR", the odds-timing file, the odds file. The timing match gives
// sets or its error; the snapshot selection takes slots 1, 2, 3, ... from lines in file
// order; the reader stores exactly the slots taken before any failing line, every value it
// stores is a finite number, and the record keeps its size.
#include <cmath>

#include "base/csv.h"
#include "base/errors.h"
#include "base/files.h"
#include "base/values.h"
#include "fuzz/fuzz_support.h"
#include "viewer/logic/OddsReaders.h"
#include "viewer/logic/SnapshotSelection.h"
#include "viewer/logic/Timing.h"

namespace {

std::string Param(const std::vector<std::string>& fields, std::size_t i) {
  return i < fields.size() ? fields[i] : std::string();
}

// Every float of the six snapshots is a finite number.
void CheckFinite(const viewer::RaceOddsRecord& r) {
  auto check = [](float v, int s, const char* what) {
    FUZZ_CHECK(std::isfinite(v),
               std::string(what) + " of snapshot " + std::to_string(s) + ": " + std::to_string(v));
  };
  for (int s = 1; s <= viewer::RaceOddsRecord::kSnapshots; ++s) {
    for (int i = 1; i <= 18; ++i) {
      check(r.OddsWin(s, i), s, "win odds");
      check(r.OddsPlace(s, i), s, "place odds");
      check(r.QuinellaShare(s, i), s, "quinella share");
      for (int j = i + 1; j <= 18; ++j) check(r.OddsQuinella(s, i, j), s, "quinella odds");
    }
    for (int i = 1; i <= 8; ++i) {
      check(r.BracketQuinellaShare(s, i), s, "bracket share");
      for (int j = i; j <= 8; ++j) check(r.OddsBracketQuinella(s, i, j), s, "bracket odds");
    }
  }
}

struct Taken {
  int slot;
  std::size_t line;
  std::string label;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto parts = fuzzsupport::Parts(fuzzsupport::Bytes(data, size), 3);
  const std::vector<std::string> params = base::SplitCsvLine(parts[0]);
  const std::string file_date = Param(params, 0);
  const int32_t runners = base::ParseInt32(Param(params, 1)).value_or(0);
  const std::string reader = Param(params, 3);

  viewer::SnapshotTimes times;
  try {
    times = viewer::MatchSnapshotTimes(base::SplitLines(parts[1]), Param(params, 2),
                                       "gt_data/time_100a.csv");
  } catch (const base::Error&) {
    return 0;  // the race choice stops at the timing file
  }
  const viewer::OddsLines file{reader + "05240102.CSV", base::SplitLines(parts[2])};

  std::vector<Taken> taken;
  try {
    viewer::SelectSnapshotLines(
        file, times, file_date,
        [&](int slot, std::size_t line, char prefix, std::string_view hhmm) {
          taken.push_back({slot, line, prefix + std::string(hhmm)});
        });
  } catch (const base::Error&) {
  }
  for (std::size_t k = 0; k < taken.size(); ++k) {
    FUZZ_CHECK(taken[k].slot == static_cast<int>(k) + 1, std::to_string(taken[k].slot));
    FUZZ_CHECK(k == 0 || taken[k].line > taken[k - 1].line, std::to_string(taken[k].line));
    FUZZ_CHECK(taken[k].label[0] == '1' || taken[k].label[0] == '2', taken[k].label);
  }

  viewer::RaceOddsRecord record;
  viewer::InitRaceOddsRecord(record);
  record.SetRunnerCount(runners);
  bool failed = false;
  try {
    if (reader == "JW") {
      viewer::ReadBracketQuinellaOdds(record, file, times, file_date);
    } else if (reader == "JR") {
      viewer::ReadQuinellaOdds(record, file, times, file_date);
    } else {
      viewer::ReadWinPlaceOdds(record, file, times, file_date);
    }
  } catch (const base::Error&) {
    failed = true;
  }
  FUZZ_CHECK(record.bytes().size() == viewer::RaceOddsRecord::kSize, "record size");
  CheckFinite(record);
  if (reader != "JW" && reader != "JR") {
    // The win and place reader labels the slots it stores: those taken, or on a failure a
    // first part of them.
    bool gap = false;
    for (int s = 1; s <= viewer::RaceOddsRecord::kSnapshots; ++s) {
      const auto k = static_cast<std::size_t>(s - 1);
      if (record.Label(s) == "90000") {
        FUZZ_CHECK(failed || k >= taken.size(), "slot " + std::to_string(s) + " not stored");
        gap = true;
        continue;
      }
      FUZZ_CHECK(!gap, "slot " + std::to_string(s) + " stored after an empty one");
      FUZZ_CHECK(k < taken.size() && record.Label(s) == taken[k].label.substr(0, 5),
                 record.Label(s));
      FUZZ_CHECK(record.SlotNumber(s) == s, std::to_string(record.SlotNumber(s)));
    }
  }
  const viewer::TimeButtons buttons = viewer::PlanTimeButtons(record, 1);
  FUZZ_CHECK(buttons.chosen_time2 >= 1 && buttons.chosen_time2 <= 6,
             std::to_string(buttons.chosen_time2));
  return 0;
}
