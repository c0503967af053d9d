#include "fetch/storepull/StoredRecords.h"

#include <array>

#include "base/values.h"
#include "fetch/common/DataPaths.h"
#include "fetch/common/FetchTexts.h"

namespace storepull {
namespace {

constexpr std::array<std::string_view, 10> kSkippedKinds = {"JG", "H1", "H6", "O1", "O2",
                                                            "O3", "O4", "O5", "O6", "WF"};
constexpr std::array<std::string_view, kLineKinds> kPrefixes = {"DG", "DE", "DH"};

}  // namespace

RecordAction FilterRecord(std::string_view record, std::string_view file_name) {
  std::string_view kind2 = base::Chars(record, 1, 2);
  for (std::string_view k : kSkippedKinds) {
    if (kind2 == k) return RecordAction::kSkipFile;
  }
  std::string_view file_day = base::Chars(file_name, 5, 12);
  if (!fetch::IsRaceDay(file_day)) return RecordAction::kBadFileName;
  if (base::Chars(record, 12, 19) != file_day) return RecordAction::kSkipFile;
  std::string_view kind3 = base::Chars(record, 1, 3);
  if (kind3 == "RA2" || kind3 == "RA7") return RecordAction::kRaceLine;
  if (kind3 == "SE2" || kind3 == "SE7") return RecordAction::kRunnerLine;
  if (kind3 == "HR1" || kind3 == "HR2") return RecordAction::kPayoffLine;
  return RecordAction::kIgnore;
}

std::string DayFolderOf(std::string_view file_name) {
  return fetch::DayFolder(base::Chars(file_name, 5, 12));
}

std::string DayFilePath(std::string_view file_name, LineKind kind) {
  return fetch::DayFilePath(base::Chars(file_name, 5, 12), kPrefixes[kind]);
}

}  // namespace storepull
