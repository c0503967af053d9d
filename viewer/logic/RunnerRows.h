// The runner rows of the chosen race from the day's runner file.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "viewer/logic/RaceOddsRecord.h"

namespace viewer {

// How the runner file writes a race number: "01" gives "1", "10" stays "10", "11" "11".
std::string RunnerRaceText(std::string_view race_number);

// Fills the runner rows from the runner file's lines: RunnerFileAge := the given age; each
// line whose column 1 is the racecourse name and column 2 the race text (exact) sets the
// row of its horse number (column 3): HorseName column 7, JockeyName 10, TrainerName 12,
// Affiliation 13 (cut to their widths), FinishOrder the integer of column 31; a later line
// of the same horse overwrites it. A horse number outside 1-18 has no row: that line is
// passed over. Then rows above RunnerCount lose their four texts (FinishOrder stays). A
// horse number or finishing order that is not an integer (a missing column counts as
// empty) throws base::ConversionError naming runner_file and the line; the rows set before
// stay, the failing line sets nothing.
void LoadRunnerRows(RaceOddsRecord& record, const std::vector<std::string>& runner_lines,
                    std::string_view track_name, std::string_view race_number,
                    int32_t runner_file_age, std::string_view runner_file = "the runner file");

}  // namespace viewer
