// pricepull's calls of JVLink: one run reads the day's RaceFile and, race by race, fetches
// the time-series odds "0B41" (win, place, bracket quinella) and "0B42" (quinella) into
// the race's odds files. Plain code over the JVLink interface and the status view that the
// window implements; the window starts a run at its activation.
#pragma once
#include <string>

#include "fetch/common/FetchView.h"
#include "fetch/jvlink/JVLink.h"

namespace pricepull {

enum class RunEnd {
  kInitFailed,
  kBadArgument,  // the argument is not a race day: nothing fetched or written
  kNoRaceFile,
  kStopped,  // the user closed the window: the fetch under way was finished first
  kDone,
};

// One whole run for the race day of the command line. Races of the RaceFile are fetched
// only when their key is 16 digits of the argument's day, so nothing is written outside
// the day's folder. A close request (view.CloseRequested) ends the run before its next
// fetch. A run in which a fetch failed ends with the status of the first failure (with
// its race key or file, and how many more failed); only a run without failures ends with
// "時系列オッズの読み込みを完了しました" or, when the day's folder holds no win and place
// odds file, "オッズは提供されていないので受領できませんでした。".
RunEnd RunOddsFetch(jvlink::JVLink& jv, fetch::StatusView& view, const std::string& argument);

// One fetch of the data spec ("0B41" or "0B42") for the race: JVRTOpen, the read loop,
// JVClose, with their status texts. The fetch's odds files take the place of the old ones
// only when it was read to its end and some record gave lines; a failed fetch leaves them
// as they were. Gives the status text of the first failure, empty when all went well.
std::string LoadOddsData(jvlink::JVLink& jv, fetch::StatusView& view, const std::string& data_spec,
                         const std::string& race_key);

// "jv_data/" + key characters 1-8 + "/" + prefix + OddsFileName(key).
std::string OddsFilePath(const std::string& race_key, const char* prefix);

}  // namespace pricepull
