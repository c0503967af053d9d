// The racecourse choice: the header of every race record of the day from its race line,
// and the captions of the race buttons.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "viewer/logic/RaceOddsRecord.h"

namespace viewer {

// The most runner rows any loop over a race's horses visits: n clamped to 0-18.
int RunnerLimit(int32_t runner_count);

// The race record file of a race: work folder "/" + race key characters 9-16 + ".ods".
std::string RaceRecordPath(std::string_view day_work_folder, std::string_view race_key);

// Writes the header of the record from the fields of its race line (texts cut to their
// widths): RaceKey field 0, HeaderPending 0, RaceFileAge as given, RunnerFileAge 0,
// Surface the first 2 bytes of field 9, WeatherGoing 99 for a line of 14 fields or fewer
// and else the integer of field 14 joined with field 15 (Surface "芝") or field 16,
// Reserved1/2 9, TurnDirection of the name in field 4, Distance field 10, OrdinalText field
// 6, RaceName 7, ConditionText 8, RunnerCount the integer of field 11 (clamped to 0-18),
// PostTime field 12. A field the line lacks counts as empty. A weather/going or runner
// count that is not an integer throws base::ConversionError; the record is then unchanged.
void FillRaceHeader(RaceOddsRecord& record, const std::vector<std::string>& fields,
                    int32_t race_file_age);

// The header refresh of a racecourse choice, for every race line in order (empty lines
// passed over): the race's record file is read into `current` (or `current` initialised
// when there is none), its header filled and the file written back (unless it already
// holds exactly these bytes), the work folder made when missing. A record file that holds
// no record is set aside and made anew (ReadStoredRecordBytes), noted in *set_aside when
// given. An error stops at that line; the files of the earlier lines stay written. A line
// whose field 0 is not a 16-digit race key, or whose numbers are no integers, throws
// base::ConversionError naming race_file and the line.
void RefreshRaceHeaders(const std::vector<std::string>& race_lines, int32_t race_file_age,
                        const std::string& day_work_folder, RaceOddsRecord& current,
                        std::string_view race_file = "the race file",
                        std::vector<SetAsideRecord>* set_aside = nullptr);

// Where a race's header came from, for the errors of its fields: " (race file line n)" of
// the first line of the race file whose field 0 is the key, " (race file)" when the file
// cannot be read or has no such line.
std::string RaceLinePlace(const std::string& race_file, std::string_view race_key);

// A race number with two digits ("%.2d"): 1 gives "01".
std::string RaceNumberText(int race);

// The caption of a race button from the race number's two digits: " 1R" ... " 9R", "10R",
// "11R", "12R".
std::string RaceButtonCaption(std::string_view race_number);

// The captions of Race1 to Race12 for the racecourse code: " " for a button without a race;
// a line whose characters 9-10 equal the code labels the button of its characters 15-16
// (01-12; other numbers label nothing).
std::array<std::string, 12> RaceButtonCaptions(const std::vector<std::string>& race_lines,
                                               std::string_view track_code);

}  // namespace viewer
