// The lines of the day files: one race line per race record ("RA") in the RaceFile, one
// runner line per runner record ("SE") in the RunnerFile, one payoff line per payoff
// record ("HR") in the PayoffFile. Records are Shift-JIS bytes as the racing-data
// component delivers them, read at 1-based positions; the kind in characters 1-2 is not
// looked at. A record shorter than the positions read gives empty parts. A record whose
// number fields have no value, or whose racecourse code lies outside TrackCodeTable,
// gives no line but the reason; the caller logs it and reads on.
#pragma once
#include <string_view>

#include "fetch/records/LineResult.h"

namespace records {

// 18 fields, the last the LineEndMark "t".
LineResult FormatRaceLine(std::string_view record);
// 33 fields, the last the LineEndMark "t".
LineResult FormatRunnerLine(std::string_view record);
// 80 fields, the last the LineEndMark "t".
LineResult FormatPayoffLine(std::string_view record);

}  // namespace records
