// The user's horse marks of one race (MarkRecord, 188 bytes) and its ".mrk" file beside the
// race's ".ods" file, shared by the per-horse and the quinella table.
//
//   offset   0  RaceKey        ShortString[16]
//   offset  17  MarkFileName   ShortString[16]: characters 9-16 of the key + ".mrk"
//   offset  34  2 bytes padding
//   offset  36  Marks          19 int32: entry 0 always 1, entry k the mark of horse k
//   offset 112  ReservedMarks  19 int32, all 0
//
// Integers are little-endian. The bytes that carry no meaning (behind a short text, the
// padding) are written as zero.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/text_grid.h"
#include "viewer/logic/RaceOddsRecord.h"

namespace viewer {

// Entry k (1-18) is the mark of horse number k: 0 none, 3 plain click, 2 Ctrl, 1 Alt.
using HorseMarks = std::array<int32_t, 19>;

struct MarkRecord {
  std::string RaceKey;
  std::string MarkFileName;
  HorseMarks Marks{};
  HorseMarks ReservedMarks{};
  friend bool operator==(const MarkRecord&, const MarkRecord&) = default;
};

inline constexpr std::size_t kMarkRecordSize = 188;

std::string MarkRecordBytes(const MarkRecord& record);
// The record in the first 188 bytes; fewer bytes throw base::FileError.
MarkRecord MarkRecordOfBytes(std::string_view bytes);

// The mark file of a race: the work folder (wo_data) + "/" + characters 1-8 of the key (the
// race's own day) + "/" + characters 9-16 + ".mrk". The race's day comes from its key, so
// its marks never land in the folder of a day chosen later.
std::string MarkFilePath(const std::string& work_folder, std::string_view race_key);

// Writes the marks as the mark file of the race with this key: RaceKey := key,
// MarkFileName := characters 9-16 + ".mrk", Marks entry 0 := 1; the file is replaced
// whole, never left half-written. An empty key writes nothing. A failure throws
// base::FileError naming the file.
void SaveMarkFile(const std::string& work_folder, std::string_view race_key, MarkRecord& marks);

// Reads the mark file of the race with this key into `marks`, all fields. Without the file,
// or with one shorter than a record or something else than a file in its place, the race
// has no marks: Marks entry 0 := 1, the other entries and all ReservedMarks := 0, RaceKey
// and MarkFileName kept. What holds no record is first set aside (base::SetAside with
// "damaged"), so that the next save does not write over it; the result then says so. A
// file that cannot be read or looked at, or one that cannot be set aside, throws
// base::FileError.
std::optional<SetAsideRecord> LoadMarkFile(const std::string& work_folder,
                                           std::string_view race_key, MarkRecord& marks);

// The mark after a click: any mark is cleared whatever keys are held; no mark becomes 3,
// 2 with Ctrl down, 1 with Alt down (Alt wins over Ctrl).
int32_t ToggleMark(int32_t mark, bool ctrl, bool alt);

// A click on row `row` of a table whose column `horse_column` holds the horse numbers:
// toggles the mark of that row's horse. A row outside 1-count, or a cell that is not a
// horse number 1-18, changes nothing; the result says whether a mark changed.
bool ClickMark(HorseMarks& marks, const base::TextGrid& grid, int32_t count, int row,
               int horse_column, bool ctrl, bool alt);

}  // namespace viewer
