// The viewer's record of one race: header, 18 runner rows and six odds snapshots in exactly
// 11956 bytes, the same bytes in memory as in its ".ods" file. Integers and floats are
// 32-bit little-endian; a text of capacity N takes a length byte and N bytes and is cut to
// N bytes when stored. Runner rows are numbered 1-18, snapshots 1-6, brackets 1-8; an index
// outside its range throws the list-index error.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace viewer {

class RaceOddsRecord {
 public:
  static constexpr std::size_t kSize = 11956;
  static constexpr int kRunnerRows = 18;
  static constexpr int kSnapshots = 6;
  static constexpr int kBrackets = 8;
  // Offset of snapshot s (1-6) in the record, and the size of one snapshot.
  static constexpr std::size_t kSnapshotSize = 1828;
  static constexpr std::size_t SnapshotOffset(int s) { return 988 + kSnapshotSize * (s - 1); }

  // All bytes zero: the state of the viewer's current race before any race is read.
  RaceOddsRecord();
  // The record held by these bytes (exactly kSize); the reserved bytes read as zero.
  static RaceOddsRecord FromBytes(std::string_view bytes);
  const std::string& bytes() const { return bytes_; }

  // Header.
  std::string RaceKey() const { return Text(0, 16); }
  void SetRaceKey(std::string_view v) { SetText(0, 16, v); }
  int32_t HeaderPending() const { return Int(20); }
  void SetHeaderPending(int32_t v) { SetInt(20, v); }
  int32_t RaceFileAge() const { return Int(24); }
  void SetRaceFileAge(int32_t v) { SetInt(24, v); }
  int32_t RunnerFileAge() const { return Int(28); }
  void SetRunnerFileAge(int32_t v) { SetInt(28, v); }
  int32_t WeatherGoing() const { return Int(32); }
  void SetWeatherGoing(int32_t v) { SetInt(32, v); }
  int32_t Reserved1() const { return Int(36); }
  void SetReserved1(int32_t v) { SetInt(36, v); }
  int32_t Reserved2() const { return Int(40); }
  void SetReserved2(int32_t v) { SetInt(40, v); }
  std::string Surface() const { return Text(44, 2); }
  void SetSurface(std::string_view v) { SetText(44, 2, v); }
  std::string TurnDirection() const { return Text(47, 2); }
  void SetTurnDirection(std::string_view v) { SetText(47, 2, v); }
  std::string Distance() const { return Text(50, 4); }
  void SetDistance(std::string_view v) { SetText(50, 4, v); }
  std::string OrdinalText() const { return Text(55, 3); }
  void SetOrdinalText(std::string_view v) { SetText(55, 3, v); }
  std::string RaceName() const { return Text(59, 60); }
  void SetRaceName(std::string_view v) { SetText(59, 60, v); }
  std::string ConditionText() const { return Text(120, 60); }
  void SetConditionText(std::string_view v) { SetText(120, 60, v); }
  int32_t RunnerCount() const { return Int(184); }
  void SetRunnerCount(int32_t v) { SetInt(184, v); }
  std::string PostTime() const { return Text(188, 5); }
  void SetPostTime(std::string_view v) { SetText(188, 5, v); }

  // Runner row k (horse number k, 1-18).
  std::string HorseName(int k) const { return Text(Row(k, 194, 19), 18); }
  void SetHorseName(int k, std::string_view v) { SetText(Row(k, 194, 19), 18, v); }
  std::string JockeyName(int k) const { return Text(Row(k, 536, 9), 8); }
  void SetJockeyName(int k, std::string_view v) { SetText(Row(k, 536, 9), 8, v); }
  std::string TrainerName(int k) const { return Text(Row(k, 698, 9), 8); }
  void SetTrainerName(int k, std::string_view v) { SetText(Row(k, 698, 9), 8, v); }
  std::string Affiliation(int k) const { return Text(Row(k, 860, 3), 2); }
  void SetAffiliation(int k, std::string_view v) { SetText(Row(k, 860, 3), 2, v); }
  int32_t FinishOrder(int k) const { return Int(Row(k, 916, 4)); }
  void SetFinishOrder(int k, int32_t v) { SetInt(Row(k, 916, 4), v); }

  // Snapshot s (1-6): "90000" while empty, else "1" (day before) or "2" (race day) + hhmm.
  std::string Label(int s) const { return Text(Snap(s, 0), 5); }
  void SetLabel(int s, std::string_view v) { SetText(Snap(s, 0), 5, v); }
  int32_t SlotNumber(int s) const { return Int(Snap(s, 8)); }
  void SetSlotNumber(int s, int32_t v) { SetInt(Snap(s, 8), v); }
  int32_t WinVoteTotal(int s) const { return Int(Snap(s, 12)); }
  void SetWinVoteTotal(int s, int32_t v) { SetInt(Snap(s, 12), v); }
  int32_t PlaceVoteTotal(int s) const { return Int(Snap(s, 16)); }
  void SetPlaceVoteTotal(int s, int32_t v) { SetInt(Snap(s, 16), v); }
  int32_t BracketQuinellaVoteTotal(int s) const { return Int(Snap(s, 20)); }
  void SetBracketQuinellaVoteTotal(int s, int32_t v) { SetInt(Snap(s, 20), v); }
  int32_t QuinellaVoteTotal(int s) const { return Int(Snap(s, 24)); }
  void SetQuinellaVoteTotal(int s, int32_t v) { SetInt(Snap(s, 24), v); }
  // Odds of horse k; 10001 marks an odds text "0", 0 the missing-odds text "0.0".
  float OddsWin(int s, int k) const { return Float(Snap(s, 28) + Horse(k)); }
  void SetOddsWin(int s, int k, float v) { SetFloat(Snap(s, 28) + Horse(k), v); }
  float OddsPlace(int s, int k) const { return Float(Snap(s, 100) + Horse(k)); }
  void SetOddsPlace(int s, int k, float v) { SetFloat(Snap(s, 100) + Horse(k), v); }
  // Odds of bracket pair (i, j), i <= j, and of horse pair (i, j), i < j; 9999 marks a pair
  // that cannot occur or whose odds text was "0".
  float OddsBracketQuinella(int s, int i, int j) const { return Float(BracketPair(s, i, j)); }
  void SetOddsBracketQuinella(int s, int i, int j, float v) { SetFloat(BracketPair(s, i, j), v); }
  float OddsQuinella(int s, int i, int j) const { return Float(HorsePair(s, i, j)); }
  void SetOddsQuinella(int s, int i, int j, float v) { SetFloat(HorsePair(s, i, j), v); }
  // Vote shares in percent of bracket b and of horse k.
  float BracketQuinellaShare(int s, int b) const { return Float(Snap(s, 428) + Bracket(b)); }
  void SetBracketQuinellaShare(int s, int b, float v) { SetFloat(Snap(s, 428) + Bracket(b), v); }
  float QuinellaShare(int s, int k) const { return Float(Snap(s, 1756) + Horse(k)); }
  void SetQuinellaShare(int s, int k, float v) { SetFloat(Snap(s, 1756) + Horse(k), v); }

 private:
  std::string Text(std::size_t offset, std::size_t capacity) const;
  void SetText(std::size_t offset, std::size_t capacity, std::string_view v);
  int32_t Int(std::size_t offset) const;
  void SetInt(std::size_t offset, int32_t v);
  float Float(std::size_t offset) const;
  void SetFloat(std::size_t offset, float v);
  // Offsets of indexed fields; they throw for an index outside its range.
  static std::size_t Row(int k, std::size_t first, std::size_t step);
  static std::size_t Snap(int s, std::size_t field);
  static std::size_t Horse(int k);
  static std::size_t Bracket(int b);
  static std::size_t BracketPair(int s, int i, int j);
  static std::size_t HorsePair(int s, int i, int j);

  std::string bytes_;
};

// Resets the record to its initial values: every byte zero, then RaceKey empty,
// HeaderPending 1, WeatherGoing 99, Reserved1 and Reserved2 9, RaceName and ConditionText
// 60 blanks, horse names 18 blanks, jockey and trainer names 8 blanks, every snapshot's
// Label "90000" (vote totals, odds and shares 0).
void InitRaceOddsRecord(RaceOddsRecord& record);

// The record of a ".ods" file: its first 11956 bytes. A missing file or one shorter than a
// record fails with base::FileError naming the file.
RaceOddsRecord ReadRaceOddsRecord(const std::string& path);
// The same from the bytes of the file, already read.
RaceOddsRecord RaceOddsRecordOfFile(const std::string& path, std::string bytes);
// The names of the files the viewer writes in a day's folder under wo_data: a race's
// record and its marks, characters 9-16 of the race key (eight digits) + ".ods" or ".mrk".
bool IsDayWorkFileName(std::string_view name);

// Creates or replaces the file with the record, never leaving it half-written; the
// leftovers of killed writes of the day's files beside it are removed.
void WriteRaceOddsRecord(const std::string& path, const RaceOddsRecord& record);

// A record file that held no record and was given a new name.
struct SetAsideRecord {
  std::string path;     // the record file
  std::string kept_as;  // the name it has now
  std::string reason;   // why it could not be read, naming the file
};
// The bytes of a race's record file (at least a record's; nothing when there is no file).
// The record files are the viewer's own store, made anew from jv_data: a path that holds no
// record (a file shorter than one, a file that cannot be read, a folder) is set aside under
// the name path + ".damaged" (".damaged.2", ... when taken; nothing is replaced), noted in
// `set_aside`, and gives nothing, as a missing file does. One that cannot be renamed either
// throws base::FileError naming it and why it could not be read.
std::optional<std::string> ReadStoredRecordBytes(const std::string& path,
                                                 std::vector<SetAsideRecord>& set_aside);
// The message that tells the user which record files were set aside, one paragraph each.
std::string SetAsideMessage(const std::vector<SetAsideRecord>& set_aside);

}  // namespace viewer
