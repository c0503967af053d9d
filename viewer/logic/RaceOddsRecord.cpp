#include "viewer/logic/RaceOddsRecord.h"

#include <algorithm>

#include "base/errors.h"
#include "base/file_names.h"
#include "base/files.h"
#include "base/fixed_record.h"

namespace viewer {
namespace {

void CheckIndex(int index, int last) {
  if (index < 1 || index > last) throw base::IndexOutOfBounds(index);
}

// Bytes that carry no field: after RaceKey, after ConditionText, after the Affiliation
// entries, and after each snapshot's Label.
void ZeroReserved(std::string& bytes) {
  auto zero = [&bytes](std::size_t offset, std::size_t size) {
    std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), size, '\0');
  };
  zero(17, 3);
  zero(181, 3);
  zero(914, 2);
  for (int s = 1; s <= RaceOddsRecord::kSnapshots; ++s)
    zero(RaceOddsRecord::SnapshotOffset(s) + 6, 2);
}

}  // namespace

RaceOddsRecord::RaceOddsRecord() : bytes_(kSize, '\0') {}

RaceOddsRecord RaceOddsRecord::FromBytes(std::string_view bytes) {
  if (bytes.size() != kSize) {
    throw base::Error("A race record has " + std::to_string(kSize) + " bytes, not " +
                      std::to_string(bytes.size()));
  }
  RaceOddsRecord r;
  r.bytes_.assign(bytes);
  ZeroReserved(r.bytes_);
  return r;
}

std::string RaceOddsRecord::Text(std::size_t offset, std::size_t capacity) const {
  return base::GetShortString(bytes_, offset, capacity);
}
void RaceOddsRecord::SetText(std::size_t offset, std::size_t capacity, std::string_view v) {
  base::PutShortString(bytes_, offset, capacity, v);
}
int32_t RaceOddsRecord::Int(std::size_t offset) const { return base::GetInt32(bytes_, offset); }
void RaceOddsRecord::SetInt(std::size_t offset, int32_t v) { base::PutInt32(bytes_, offset, v); }
float RaceOddsRecord::Float(std::size_t offset) const { return base::GetFloat32(bytes_, offset); }
void RaceOddsRecord::SetFloat(std::size_t offset, float v) { base::PutFloat32(bytes_, offset, v); }

std::size_t RaceOddsRecord::Row(int k, std::size_t first, std::size_t step) {
  CheckIndex(k, kRunnerRows);
  return first + step * static_cast<std::size_t>(k - 1);
}
std::size_t RaceOddsRecord::Snap(int s, std::size_t field) {
  CheckIndex(s, kSnapshots);
  return SnapshotOffset(s) + field;
}
std::size_t RaceOddsRecord::Horse(int k) {
  CheckIndex(k, kRunnerRows);
  return 4 * static_cast<std::size_t>(k - 1);
}
std::size_t RaceOddsRecord::Bracket(int b) {
  CheckIndex(b, kBrackets);
  return 4 * static_cast<std::size_t>(b - 1);
}
std::size_t RaceOddsRecord::BracketPair(int s, int i, int j) {
  return Snap(s, 172) + 8 * Bracket(i) + Bracket(j);
}
std::size_t RaceOddsRecord::HorsePair(int s, int i, int j) {
  return Snap(s, 460) + 18 * Horse(i) + Horse(j);
}

void InitRaceOddsRecord(RaceOddsRecord& r) {
  r = RaceOddsRecord();
  r.SetRaceKey("");
  r.SetHeaderPending(1);
  r.SetRaceFileAge(0);
  r.SetRunnerFileAge(0);
  r.SetWeatherGoing(99);
  r.SetReserved1(9);
  r.SetReserved2(9);
  r.SetSurface("");
  r.SetTurnDirection("");
  r.SetDistance("");
  r.SetOrdinalText("");
  r.SetRaceName(std::string(60, ' '));
  r.SetConditionText(std::string(60, ' '));
  r.SetRunnerCount(0);
  r.SetPostTime("");
  for (int s = 1; s <= RaceOddsRecord::kSnapshots; ++s) r.SetLabel(s, "90000");
  for (int k = 1; k <= RaceOddsRecord::kRunnerRows; ++k) {
    r.SetFinishOrder(k, 0);
    r.SetHorseName(k, std::string(18, ' '));
    r.SetJockeyName(k, std::string(8, ' '));
    r.SetTrainerName(k, std::string(8, ' '));
    r.SetAffiliation(k, "");
  }
}

RaceOddsRecord ReadRaceOddsRecord(const std::string& path) {
  return RaceOddsRecordOfFile(path, base::ReadFileBytes(path));
}

namespace {

void CheckHoldsARecord(const std::string& path, const std::string& bytes) {
  if (bytes.size() < RaceOddsRecord::kSize) {
    throw base::FileError("Read beyond end of file \"" + base::PathText(path) + "\": it holds " +
                          std::to_string(bytes.size()) + " bytes, a race record " +
                          std::to_string(RaceOddsRecord::kSize));
  }
}

}  // namespace

RaceOddsRecord RaceOddsRecordOfFile(const std::string& path, std::string bytes) {
  CheckHoldsARecord(path, bytes);
  bytes.resize(RaceOddsRecord::kSize);
  return RaceOddsRecord::FromBytes(bytes);
}

bool IsDayWorkFileName(std::string_view name) {
  constexpr std::size_t kDigits = 8;
  return name.size() == kDigits + 4 &&
         std::all_of(name.begin(), name.begin() + kDigits,
                     [](char c) { return c >= '0' && c <= '9'; }) &&
         (name.ends_with(".ods") || name.ends_with(".mrk"));
}

void WriteRaceOddsRecord(const std::string& path, const RaceOddsRecord& record) {
  base::WriteFileAtomic(path, record.bytes(), IsDayWorkFileName);
}

std::optional<std::string> ReadStoredRecordBytes(const std::string& path,
                                                 std::vector<SetAsideRecord>& set_aside) {
  std::string reason;
  if (base::FileExists(path)) {
    try {
      std::string bytes = base::ReadFileBytes(path);
      CheckHoldsARecord(path, bytes);
      return bytes;
    } catch (const base::FileError& e) {
      reason = e.what();
    }
  } else if (base::PathExists(path)) {
    reason = base::NotAFile(path).what();
  } else {
    return std::nullopt;
  }
  try {
    set_aside.push_back({path, base::SetAside(path, "damaged"), reason});
  } catch (const base::FileError& e) {
    throw base::FileError(reason + "; " + e.what());
  }
  return std::nullopt;
}

std::string SetAsideMessage(const std::vector<SetAsideRecord>& set_aside) {
  std::string text;
  for (const SetAsideRecord& r : set_aside) {
    if (!text.empty()) text += "\r\n\r\n";
    // The reason names the file.
    text += r.reason + ". The file is kept as \"" + base::PathText(r.kept_as) +
            "\", and the race's record is made anew.";
  }
  return text;
}

}  // namespace viewer
