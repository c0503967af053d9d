#include "viewer/logic/RaceChoice.h"

#include "base/errors.h"
#include "base/file_names.h"
#include "base/files.h"
#include "viewer/logic/DispCTRL.h"
#include "viewer/logic/OddsReaders.h"
#include "viewer/logic/RaceHeader.h"
#include "viewer/logic/RunnerRows.h"
#include "viewer/logic/Timing.h"

namespace viewer {

std::string ChosenRaceKey(std::string_view file_date, std::string_view track_code,
                          std::string_view meeting_day, int race) {
  return "20" + std::string(file_date) + std::string(track_code) + std::string(meeting_day) +
         RaceNumberText(race);
}

namespace {

// The post time as the odds-timing rows are matched with it: one that is no time of day
// fails naming the race line it came from (the racecourse choice wrote it unchanged).
void CheckPostTime(const RaceChoice& c, const RaceOddsRecord& race) {
  try {
    TimeOfDaySeconds(race.PostTime());
  } catch (const base::ConversionError& e) {
    const std::string race_file = c.day_data_folder + "/DG" + c.file_date + ".CSV";
    throw base::ConversionError(std::string(e.what()) + ": the post time of race " +
                                race.RaceKey() + RaceLinePlace(race_file, race.RaceKey()));
  }
}

}  // namespace

void LoadChosenRace(const RaceChoice& c, RaceOddsRecord& current) {
  const std::string key = ChosenRaceKey(c.file_date, c.track_code, c.meeting_day, c.race);
  const std::string record_path = RaceRecordPath(c.day_work_folder, key);
  const std::string stored = base::ReadFileBytes(record_path);
  current = RaceOddsRecordOfFile(record_path, stored);

  const std::string runner_file = c.day_data_folder + "/DE" + c.file_date + ".CSV";
  std::vector<std::string> runner_lines = base::ReadLines(runner_file);
  LoadRunnerRows(current, runner_lines, TrackCodeToName(c.track_code), RaceNumberText(c.race),
                 base::FileAgeDos(runner_file), runner_file);

  if (!base::FileExists(c.timing_file_path)) {
    throw base::FileError("The odds-timing file \"" + base::PathText(c.timing_file_path) +
                          "\" does not exist. Choose another one in 設定・ヘルプ.");
  }
  const std::vector<std::string> timing_lines = base::ReadLines(c.timing_file_path);
  if (!timing_lines.empty()) CheckPostTime(c, current);
  SnapshotTimes times = MatchSnapshotTimes(timing_lines, current.PostTime(), c.timing_file_path);

  const std::string race_key = current.RaceKey();
  const std::string folder = c.day_data_folder;
  ReadWinPlaceOdds(current, ReadOddsLines(OddsFilePath(folder, "JD", race_key)), times,
                   c.file_date);
  ReadBracketQuinellaOdds(
      current,
      ReadOddsLines(OddsFilePath(folder, BracketOddsPrefix(current.RunnerCount()), race_key)),
      times, c.file_date);
  ReadQuinellaOdds(current, ReadOddsLines(OddsFilePath(folder, "JR", race_key)), times,
                   c.file_date);
  // A file that already holds exactly this record is left as it is: choosing a race again
  // over unchanged files makes no new file.
  if (stored != current.bytes()) WriteRaceOddsRecord(record_path, current);
}

}  // namespace viewer
