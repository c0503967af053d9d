#include "viewer/logic/RunnerRows.h"

#include "base/csv.h"
#include "base/values.h"
#include "viewer/logic/Fields.h"

namespace viewer {
std::string RunnerRaceText(std::string_view race_number) {
  if (race_number == "10") return "10";
  std::string t;
  for (char c : race_number) {
    if (c != '0') t += c;
  }
  return t;
}

void LoadRunnerRows(RaceOddsRecord& r, const std::vector<std::string>& lines,
                    std::string_view track_name, std::string_view race_number, int32_t age,
                    std::string_view runner_file) {
  const std::string race_text = RunnerRaceText(race_number);
  r.SetRunnerFileAge(age);
  for (std::size_t n = 0; n < lines.size(); ++n) {
    // Columns 1 and 2 where they stand; the whole line is split only for the chosen race.
    std::string_view first[3];
    if (base::PlainCsvFields(lines[n], first) == 3) {
      if (first[1] != track_name || first[2] != race_text) continue;
    } else {
      std::vector<std::string> f = base::SplitCsvLine(lines[n], 3);
      if (FieldOrEmpty(f, 1) != track_name || FieldOrEmpty(f, 2) != race_text) continue;
    }
    std::vector<std::string> f = base::SplitCsvLine(lines[n]);
    int32_t horse = AtLine(runner_file, n, [&] { return base::IntegerValue(FieldOrEmpty(f, 3)); });
    if (horse < 1 || horse > RaceOddsRecord::kRunnerRows) continue;
    int32_t finish =
        AtLine(runner_file, n, [&] { return base::IntegerValue(FieldOrEmpty(f, 31)); });
    r.SetHorseName(horse, FieldOrEmpty(f, 7));
    r.SetJockeyName(horse, FieldOrEmpty(f, 10));
    r.SetTrainerName(horse, FieldOrEmpty(f, 12));
    r.SetAffiliation(horse, FieldOrEmpty(f, 13));
    r.SetFinishOrder(horse, finish);
  }
  for (int k = 1; k <= RaceOddsRecord::kRunnerRows; ++k) {
    if (k <= r.RunnerCount()) continue;
    r.SetHorseName(k, "");
    r.SetJockeyName(k, "");
    r.SetTrainerName(k, "");
    r.SetAffiliation(k, "");
  }
}

}  // namespace viewer
