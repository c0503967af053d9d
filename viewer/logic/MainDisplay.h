// What the odds-time choice shows: the snapshots of the two chosen times, the vote fields
// and the header texts of the analysis windows.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "viewer/logic/RaceOddsRecord.h"

namespace viewer {

// The snapshot whose SlotNumber equals the button number (the last such in record order);
// `previous` when none does.
int SnapshotOfButton(const RaceOddsRecord& record, int32_t button, int previous);

// A vote total as the main window shows it: "%10d".
std::string VoteFieldText(int32_t total);

// The weather of WeatherGoing w (first digit: 1 "天候：晴" ... 6 "天候：小雪"), " " for 0 or any
// other first character.
std::string WeatherText(int32_t weather_going);
// The going appended to the surface (second digit: 1 "・良" ... 4 "・不良"); empty for 0,
// a single digit or any other second character.
std::string GoingSuffix(int32_t weather_going);

// The caption of an analysis window: its 18-byte prefix, then RaceName and ConditionText.
enum class AnalysisWindow { kHorse, kQuinella, kBracket };
std::string AnalysisWindowCaption(AnalysisWindow window, const RaceOddsRecord& record);

}  // namespace viewer
