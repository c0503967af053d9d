// The odds files of a race and their lines. A "0B41" record gives one line of the
// WinPlaceOddsFile ("JD") and one of the BracketOddsFile ("JW"), a "0B42" record one line
// of the QuinellaOddsFile ("JR"); the lines have no LineEndMark. Records are read at
// 1-based positions, their kind is not looked at. A record shorter than the positions
// read gives empty parts (an odds value beyond its end is written "."); a record whose
// runner count or vote total has no value gives no line but the reason.
#pragma once
#include <string>
#include <string_view>

#include "fetch/records/LineResult.h"

namespace pricepull {

// The part of the odds file names after "JD", "JW" or "JR": CompactRaceCode + ".CSV".
std::string OddsFileName(std::string_view race_key);

// The odds value of characters p to p+w-1: all blanks, all "0", all "-" or all "*" give
// "0.0"; else the first w-1 characters, a point and the last one (0025 gives 002.5).
std::string OddsText(std::string_view record, int p, int w);

// The most horses a "0B41" record carries (its win block holds 28 entries).
inline constexpr int kMaxOddsRunners = 28;

// 6 + 3n fields for the runner count n (characters 36-37, 0 to 28).
records::LineResult FormatWinPlaceOddsLine(std::string_view record);
// 41 fields: the 36 bracket pairs 1-1 to 8-8.
records::LineResult FormatBracketOddsLine(std::string_view record);
// 158 fields: the 153 horse pairs 1-2 to 17-18.
records::LineResult FormatQuinellaOddsLine(std::string_view record);

}  // namespace pricepull
