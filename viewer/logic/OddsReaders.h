// The three odds-file readers of a race choice and the selection rule they share: each
// reader walks its file and stores up to six announcements into the six snapshots of the
// race's record, slot s taking the first line after slot s-1's that was announced strictly
// after slot s's time.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/files.h"
#include "viewer/logic/RaceOddsRecord.h"
#include "viewer/logic/Timing.h"

namespace viewer {

// One odds file read whole into one buffer, its lines (ended by CR LF, LF or CR) found as
// places in it, and its name for the error texts. Nothing is copied per line: a reader
// looks at the announcement column of each line where it stands and splits into fields
// only the lines it takes.
class OddsLines {
 public:
  OddsLines(std::string file, base::FileBuffer bytes);
  // The lines one by one (tests and benchmarks): the file they make, each ended by CR LF.
  OddsLines(std::string file, const std::vector<std::string>& lines);

  const std::string& file() const { return file_; }
  std::size_t size() const { return lines_.size(); }
  std::string_view line(std::size_t i) const {
    return bytes_.view().substr(lines_[i].first, lines_[i].second);
  }

 private:
  std::string file_;
  base::FileBuffer bytes_;
  std::vector<std::pair<std::size_t, std::size_t>> lines_;  // start and length of each line
};
// Reads an odds file; a missing one throws base::FileError naming it.
OddsLines ReadOddsLines(const std::string& path);

// day data folder "/" + prefix ("JD", "JW" or "JR") + CompactRaceCode(race key) + ".CSV".
std::string OddsFilePath(std::string_view day_data_folder, std::string_view prefix,
                         std::string_view race_key);

// The column of pair (i, j) in an odds line: kind "waku" bracket pairs i <= j <= 8 (1-1 is
// column 5, 8-8 column 40); any other kind horse pairs i < j <= 18 (1-2 column 5, 17-18
// column 157). 1 for a pair that does not exist.
int32_t ComboIndex(std::string_view kind, int32_t i, int32_t j);

// The file the bracket reader reads: "JW" for more than 8 runners, else "JR".
std::string BracketOddsPrefix(int32_t runner_count);

// The readers. `file_date` is the race day yymmdd; the number of horses is the record's
// RunnerCount clamped to 0-18. Odds texts: win and place "0" is stored as 10001, a pair "0"
// as 9999, a pair that cannot occur (8 runners or fewer: same bracket, bracket above n) as
// 9999. The pair readers also store the shares of brackets 1-min(n,8) and horses 1-n.
// A line without column 2, a stored line without a column the reader reads, a text that is
// not a number (base::DecimalValue), an odds value below 0 or beyond a 32-bit float, or a
// slot time that is empty or not a time throws (base::Error for a missing column,
// base::ConversionError otherwise, naming the odds file and line, or the odds-timing file's
// row for a slot time); the snapshots stored before the failing line keep their values, the
// failing line stores nothing. So every value stored is a finite number.
void ReadWinPlaceOdds(RaceOddsRecord& record, const OddsLines& jd, const SnapshotTimes& times,
                      std::string_view file_date);
// `lines`: the file of BracketOddsPrefix(RunnerCount).
void ReadBracketQuinellaOdds(RaceOddsRecord& record, const OddsLines& lines,
                             const SnapshotTimes& times, std::string_view file_date);
void ReadQuinellaOdds(RaceOddsRecord& record, const OddsLines& jr, const SnapshotTimes& times,
                      std::string_view file_date);

}  // namespace viewer
