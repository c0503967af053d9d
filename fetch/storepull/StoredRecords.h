// Which records of the stored race data give lines, and where those lines go. Each file
// that the component delivers belongs to one race day, characters 5-12 of its name; its
// lines go into the day files of that day.
#pragma once
#include <string>
#include <string_view>

namespace storepull {

enum class RecordAction {
  kSkipFile,     // pass over the rest of the file
  kBadFileName,  // the file's name gives no race day: pass over the file (and say so)
  kRaceLine,
  kRunnerLine,
  kPayoffLine,
  kIgnore,  // no line; read on
};

// The record filter, in this order: the kinds JG, H1, H6, O1-O6 and WF skip the rest of
// the file; so does a record whose date (characters 12-19) is not the file's day; RA2 and
// RA7 give race lines, SE2 and SE7 runner lines, HR1 and HR2 payoff lines; anything else
// is ignored.
RecordAction FilterRecord(std::string_view record, std::string_view file_name);

enum LineKind { kRaceKind = 0, kRunnerKind = 1, kPayoffKind = 2 };
inline constexpr int kLineKinds = 3;

// "jv_data/" + file-name characters 5-12.
std::string DayFolderOf(std::string_view file_name);
// The day file of the kind in that folder: "DG", "DE" or "DH" + file-name characters 7-12
// + ".CSV".
std::string DayFilePath(std::string_view file_name, LineKind kind);

}  // namespace storepull
