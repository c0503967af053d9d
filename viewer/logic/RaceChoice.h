// The file work of a race choice: the race's record read back, its runner rows and six
// snapshots filled from the day's files, and the record stored.
#pragma once
#include <string>
#include <string_view>

#include "viewer/logic/RaceOddsRecord.h"

namespace viewer {

// The race's 16-digit key: "20" + yymmdd + racecourse code + meeting and day of the meeting
// (4) + the race number with two digits.
std::string ChosenRaceKey(std::string_view file_date, std::string_view track_code,
                          std::string_view meeting_day, int race);

// What a race choice reads: the viewer's day and racecourse fields and the race button.
struct RaceChoice {
  std::string day_data_folder;
  std::string day_work_folder;
  std::string file_date;    // ChosenFileDate, yymmdd
  std::string track_code;   // ChosenTrackCode
  std::string meeting_day;  // ChosenMeetingDay
  int race = 0;             // 1-12
  std::string timing_file_path;
};

// In this order: `current` := the race's record file; its runner rows from the day's
// runner file ("DE" yymmdd ".CSV"); the snapshot times from the odds-timing file by its
// PostTime; the win and place, bracket quinella and quinella readers over the race's odds
// files; the record written back (unless its file already holds exactly these bytes). Any
// error (a missing file, a record file shorter than a
// record, a malformed line) stops there: the record file is not written, `current` holds
// what was filled before (unchanged when the record file could not be read). A missing
// odds-timing file (or a folder of that name) throws base::FileError naming it; a post time
// that is not a time (read when the odds-timing file has lines) base::ConversionError naming
// the race's line of the day's race file.
void LoadChosenRace(const RaceChoice& choice, RaceOddsRecord& current);

}  // namespace viewer
