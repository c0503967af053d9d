#include "viewer/logic/MarkRecord.h"

#include "base/errors.h"
#include "base/file_names.h"
#include "base/files.h"
#include "base/fixed_record.h"
#include "base/values.h"

namespace viewer {

namespace {

constexpr std::size_t kMarksOffset = 36;
constexpr std::size_t kReservedOffset = 112;

std::string FileNameOf(std::string_view key) {
  return std::string(base::Chars(key, 9, 16)) + ".mrk";
}

void ResetMarks(MarkRecord& marks) {
  marks.Marks.fill(0);
  marks.Marks[0] = 1;
  marks.ReservedMarks.fill(0);
}

}  // namespace

std::string MarkRecordBytes(const MarkRecord& m) {
  std::string bytes(kMarkRecordSize, '\0');
  base::PutShortString(bytes, 0, 16, m.RaceKey);
  base::PutShortString(bytes, 17, 16, m.MarkFileName);
  for (std::size_t k = 0; k < m.Marks.size(); ++k) {
    base::PutInt32(bytes, kMarksOffset + 4 * k, m.Marks[k]);
    base::PutInt32(bytes, kReservedOffset + 4 * k, m.ReservedMarks[k]);
  }
  return bytes;
}

MarkRecord MarkRecordOfBytes(std::string_view bytes) {
  if (bytes.size() < kMarkRecordSize) throw base::FileError("Read beyond end of file");
  MarkRecord m;
  m.RaceKey = base::GetShortString(bytes, 0, 16);
  m.MarkFileName = base::GetShortString(bytes, 17, 16);
  for (std::size_t k = 0; k < m.Marks.size(); ++k) {
    m.Marks[k] = base::GetInt32(bytes, kMarksOffset + 4 * k);
    m.ReservedMarks[k] = base::GetInt32(bytes, kReservedOffset + 4 * k);
  }
  return m;
}

std::string MarkFilePath(const std::string& work_folder, std::string_view key) {
  return work_folder + "/" + std::string(base::Chars(key, 1, 8)) + "/" + FileNameOf(key);
}

void SaveMarkFile(const std::string& work_folder, std::string_view key, MarkRecord& marks) {
  if (key.empty()) return;
  marks.RaceKey = std::string(key.substr(0, 16));
  marks.MarkFileName = FileNameOf(key);
  marks.Marks[0] = 1;
  base::WriteFileAtomic(MarkFilePath(work_folder, key), MarkRecordBytes(marks), IsDayWorkFileName);
}

std::optional<SetAsideRecord> LoadMarkFile(const std::string& work_folder, std::string_view key,
                                           MarkRecord& marks) {
  const std::string path = MarkFilePath(work_folder, key);
  std::string reason;
  switch (base::EntryAt(path)) {
    case base::Entry::kNothing:
      ResetMarks(marks);
      return std::nullopt;
    case base::Entry::kFile: {
      const std::string bytes = base::ReadFileBytes(path);
      if (bytes.size() >= kMarkRecordSize) {
        marks = MarkRecordOfBytes(bytes);
        return std::nullopt;
      }
      reason = "The mark file \"" + base::PathText(path) + "\" is shorter than a mark record";
      break;
    }
    case base::Entry::kOther:
      reason = base::NotAFile(path).what();
      break;
  }
  SetAsideRecord set_aside{path, base::SetAside(path, "damaged"), reason};
  ResetMarks(marks);
  return set_aside;
}

int32_t ToggleMark(int32_t mark, bool ctrl, bool alt) {
  if (mark != 0) return 0;
  if (alt) return 1;
  if (ctrl) return 2;
  return 3;
}

bool ClickMark(HorseMarks& marks, const base::TextGrid& grid, int32_t count, int row,
               int horse_column, bool ctrl, bool alt) {
  if (row < 1 || row > count || row >= grid.RowCount()) return false;
  const auto horse = base::ParseInt32(grid.Cell(horse_column, row));
  if (!horse || *horse < 1 || *horse > 18) return false;
  marks[*horse] = ToggleMark(marks[*horse], ctrl, alt);
  return true;
}

}  // namespace viewer
