#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "base/errors.h"
#include "base/files.h"
#include "base/fixed_record.h"
#include "tests/support/sjis_assert.h"
#include "tests/support/temp_dir.h"
#include "viewer/logic/RaceOddsRecord.h"

namespace {

using viewer::RaceOddsRecord;

// First and one-past-last byte in which two records differ.
std::pair<std::size_t, std::size_t> ChangedBytes(const RaceOddsRecord& a, const RaceOddsRecord& b) {
  const std::string &x = a.bytes(), &y = b.bytes();
  std::size_t first = 0, last = x.size();
  while (first < x.size() && x[first] == y[first]) ++first;
  while (last > first && x[last - 1] == y[last - 1]) --last;
  return {first, last};
}

std::size_t Snapshot(int s) { return 988 + 1828 * static_cast<std::size_t>(s - 1); }

struct IntField {
  const char* name;
  std::size_t offset;
  std::function<void(RaceOddsRecord&, int32_t)> set;
  std::function<int32_t(const RaceOddsRecord&)> get;
};

TEST(RaceOddsRecord, IntegerFieldsAtTheirOffsets) {
  std::vector<IntField> fields = {
      {"HeaderPending", 20, &RaceOddsRecord::SetHeaderPending, &RaceOddsRecord::HeaderPending},
      {"RaceFileAge", 24, &RaceOddsRecord::SetRaceFileAge, &RaceOddsRecord::RaceFileAge},
      {"RunnerFileAge", 28, &RaceOddsRecord::SetRunnerFileAge, &RaceOddsRecord::RunnerFileAge},
      {"WeatherGoing", 32, &RaceOddsRecord::SetWeatherGoing, &RaceOddsRecord::WeatherGoing},
      {"Reserved1", 36, &RaceOddsRecord::SetReserved1, &RaceOddsRecord::Reserved1},
      {"Reserved2", 40, &RaceOddsRecord::SetReserved2, &RaceOddsRecord::Reserved2},
      {"RunnerCount", 184, &RaceOddsRecord::SetRunnerCount, &RaceOddsRecord::RunnerCount},
  };
  for (int k : {1, 2, 18}) {
    fields.push_back({"FinishOrder", 916 + 4 * static_cast<std::size_t>(k - 1),
                      [k](RaceOddsRecord& r, int32_t v) { r.SetFinishOrder(k, v); },
                      [k](const RaceOddsRecord& r) { return r.FinishOrder(k); }});
  }
  for (int s : {1, 2, 6}) {
    auto add = [&](const char* name, std::size_t field, auto set, auto get) {
      fields.push_back({name, Snapshot(s) + field,
                        [=](RaceOddsRecord& r, int32_t v) { (r.*set)(s, v); },
                        [=](const RaceOddsRecord& r) { return (r.*get)(s); }});
    };
    add("SlotNumber", 8, &RaceOddsRecord::SetSlotNumber, &RaceOddsRecord::SlotNumber);
    add("WinVoteTotal", 12, &RaceOddsRecord::SetWinVoteTotal, &RaceOddsRecord::WinVoteTotal);
    add("PlaceVoteTotal", 16, &RaceOddsRecord::SetPlaceVoteTotal, &RaceOddsRecord::PlaceVoteTotal);
    add("BracketQuinellaVoteTotal", 20, &RaceOddsRecord::SetBracketQuinellaVoteTotal,
        &RaceOddsRecord::BracketQuinellaVoteTotal);
    add("QuinellaVoteTotal", 24, &RaceOddsRecord::SetQuinellaVoteTotal,
        &RaceOddsRecord::QuinellaVoteTotal);
  }
  for (const auto& f : fields) {
    RaceOddsRecord before, r;
    f.set(r, -123456789);
    EXPECT_EQ(-123456789, base::GetInt32(r.bytes(), f.offset)) << f.name << " " << f.offset;
    EXPECT_EQ(-123456789, f.get(r)) << f.name;
    auto [first, last] = ChangedBytes(before, r);
    EXPECT_GE(first, f.offset) << f.name;
    EXPECT_LE(last, f.offset + 4) << f.name;
  }
}

struct FloatField {
  const char* name;
  std::size_t offset;  // in the snapshot
  std::function<void(RaceOddsRecord&, int, float)> set;
  std::function<float(const RaceOddsRecord&, int)> get;
};

TEST(RaceOddsRecord, FloatFieldsAtTheirOffsets) {
  const FloatField fields[] = {
      {"OddsWin(1)", 28, [](auto& r, int s, float v) { r.SetOddsWin(s, 1, v); },
       [](const auto& r, int s) { return r.OddsWin(s, 1); }},
      {"OddsWin(18)", 28 + 68, [](auto& r, int s, float v) { r.SetOddsWin(s, 18, v); },
       [](const auto& r, int s) { return r.OddsWin(s, 18); }},
      {"OddsPlace(1)", 100, [](auto& r, int s, float v) { r.SetOddsPlace(s, 1, v); },
       [](const auto& r, int s) { return r.OddsPlace(s, 1); }},
      {"OddsPlace(18)", 100 + 68, [](auto& r, int s, float v) { r.SetOddsPlace(s, 18, v); },
       [](const auto& r, int s) { return r.OddsPlace(s, 18); }},
      {"OddsBracketQuinella(1,1)", 172,
       [](auto& r, int s, float v) { r.SetOddsBracketQuinella(s, 1, 1, v); },
       [](const auto& r, int s) { return r.OddsBracketQuinella(s, 1, 1); }},
      {"OddsBracketQuinella(2,5)", 172 + 32 + 16,
       [](auto& r, int s, float v) { r.SetOddsBracketQuinella(s, 2, 5, v); },
       [](const auto& r, int s) { return r.OddsBracketQuinella(s, 2, 5); }},
      {"OddsBracketQuinella(8,8)", 424,
       [](auto& r, int s, float v) { r.SetOddsBracketQuinella(s, 8, 8, v); },
       [](const auto& r, int s) { return r.OddsBracketQuinella(s, 8, 8); }},
      {"BracketQuinellaShare(1)", 428,
       [](auto& r, int s, float v) { r.SetBracketQuinellaShare(s, 1, v); },
       [](const auto& r, int s) { return r.BracketQuinellaShare(s, 1); }},
      {"BracketQuinellaShare(8)", 428 + 28,
       [](auto& r, int s, float v) { r.SetBracketQuinellaShare(s, 8, v); },
       [](const auto& r, int s) { return r.BracketQuinellaShare(s, 8); }},
      {"OddsQuinella(1,2)", 460 + 4, [](auto& r, int s, float v) { r.SetOddsQuinella(s, 1, 2, v); },
       [](const auto& r, int s) { return r.OddsQuinella(s, 1, 2); }},
      {"OddsQuinella(17,18)", 1680,
       [](auto& r, int s, float v) { r.SetOddsQuinella(s, 17, 18, v); },
       [](const auto& r, int s) { return r.OddsQuinella(s, 17, 18); }},
      {"QuinellaShare(1)", 1756, [](auto& r, int s, float v) { r.SetQuinellaShare(s, 1, v); },
       [](const auto& r, int s) { return r.QuinellaShare(s, 1); }},
      {"QuinellaShare(18)", 1756 + 68,
       [](auto& r, int s, float v) { r.SetQuinellaShare(s, 18, v); },
       [](const auto& r, int s) { return r.QuinellaShare(s, 18); }},
  };
  for (int s = 1; s <= 6; ++s) {
    for (const auto& f : fields) {
      RaceOddsRecord before, r;
      f.set(r, s, 12.5f);
      std::size_t at = Snapshot(s) + f.offset;
      EXPECT_EQ(12.5f, base::GetFloat32(r.bytes(), at)) << f.name << " snapshot " << s;
      EXPECT_EQ(12.5f, f.get(r, s));
      auto [first, last] = ChangedBytes(before, r);
      EXPECT_GE(first, at) << f.name;
      EXPECT_LE(last, at + 4) << f.name;
    }
  }
  // The last field of the last snapshot ends with the record.
  RaceOddsRecord r;
  r.SetQuinellaShare(6, 18, 1.0f);
  EXPECT_EQ(11956u, Snapshot(6) + 1828);
  EXPECT_EQ(1.0f, base::GetFloat32(r.bytes(), 11952));
  EXPECT_EQ(11956u, r.bytes().size());
}

struct TextField {
  const char* name;
  std::size_t offset;
  std::size_t capacity;
  std::function<void(RaceOddsRecord&, std::string_view)> set;
  std::function<std::string(const RaceOddsRecord&)> get;
};

TEST(RaceOddsRecord, TextFieldsAtTheirOffsetsAndCut) {
  std::vector<TextField> fields = {
      {"RaceKey", 0, 16, &RaceOddsRecord::SetRaceKey, &RaceOddsRecord::RaceKey},
      {"Surface", 44, 2, &RaceOddsRecord::SetSurface, &RaceOddsRecord::Surface},
      {"TurnDirection", 47, 2, &RaceOddsRecord::SetTurnDirection, &RaceOddsRecord::TurnDirection},
      {"Distance", 50, 4, &RaceOddsRecord::SetDistance, &RaceOddsRecord::Distance},
      {"OrdinalText", 55, 3, &RaceOddsRecord::SetOrdinalText, &RaceOddsRecord::OrdinalText},
      {"RaceName", 59, 60, &RaceOddsRecord::SetRaceName, &RaceOddsRecord::RaceName},
      {"ConditionText", 120, 60, &RaceOddsRecord::SetConditionText, &RaceOddsRecord::ConditionText},
      {"PostTime", 188, 5, &RaceOddsRecord::SetPostTime, &RaceOddsRecord::PostTime},
  };
  for (int k : {1, 2, 18}) {
    std::size_t i = static_cast<std::size_t>(k - 1);
    fields.push_back({"HorseName", 194 + 19 * i, 18,
                      [k](auto& r, std::string_view v) { r.SetHorseName(k, v); },
                      [k](const auto& r) { return r.HorseName(k); }});
    fields.push_back({"JockeyName", 536 + 9 * i, 8,
                      [k](auto& r, std::string_view v) { r.SetJockeyName(k, v); },
                      [k](const auto& r) { return r.JockeyName(k); }});
    fields.push_back({"TrainerName", 698 + 9 * i, 8,
                      [k](auto& r, std::string_view v) { r.SetTrainerName(k, v); },
                      [k](const auto& r) { return r.TrainerName(k); }});
    fields.push_back({"Affiliation", 860 + 3 * i, 2,
                      [k](auto& r, std::string_view v) { r.SetAffiliation(k, v); },
                      [k](const auto& r) { return r.Affiliation(k); }});
  }
  for (int s : {1, 6}) {
    fields.push_back({"Label", Snapshot(s), 5,
                      [s](auto& r, std::string_view v) { r.SetLabel(s, v); },
                      [s](const auto& r) { return r.Label(s); }});
  }
  const std::string long_text(70, 'x');
  for (const auto& f : fields) {
    RaceOddsRecord before, r;
    f.set(r, long_text);
    EXPECT_EQ(f.capacity, static_cast<unsigned char>(r.bytes()[f.offset])) << f.name;
    EXPECT_EQ(std::string(f.capacity, 'x'), f.get(r)) << f.name;
    auto [first, last] = ChangedBytes(before, r);
    EXPECT_EQ(f.offset, first) << f.name;
    EXPECT_EQ(f.offset + 1 + f.capacity, last) << f.name;
    f.set(r, "ab");
    EXPECT_EQ("ab", f.get(r)) << f.name;
    EXPECT_EQ(2, r.bytes()[f.offset]) << f.name;
  }
}

TEST(RaceOddsRecord, HorseNameOf19BytesKeepsItsFirst18) {
  RaceOddsRecord r;
  r.SetHorseName(3, "ディープインパクトA");  // 9 double-byte characters and one letter
  EXPECT_SJIS_EQ("ディープインパクト", r.HorseName(3));
  r.SetOrdinalText("第85回");  // cut inside the second character
  EXPECT_EQ(std::string("第85回").substr(0, 3), r.OrdinalText());
}

TEST(RaceOddsRecord, IndexesOutsideTheirRangesThrow) {
  RaceOddsRecord r;
  EXPECT_THROW(r.HorseName(0), base::Error);
  EXPECT_THROW(r.SetHorseName(19, "x"), base::Error);
  EXPECT_THROW(r.FinishOrder(19), base::Error);
  EXPECT_THROW(r.Label(0), base::Error);
  EXPECT_THROW(r.SetLabel(7, "x"), base::Error);
  EXPECT_THROW(r.OddsWin(1, 19), base::Error);
  EXPECT_THROW(r.SetOddsBracketQuinella(1, 1, 9, 1.0f), base::Error);
  EXPECT_THROW(r.OddsQuinella(1, 0, 2), base::Error);
  EXPECT_THROW(r.BracketQuinellaShare(1, 9), base::Error);
  EXPECT_EQ(RaceOddsRecord().bytes(), r.bytes());
}

TEST(InitRaceOddsRecord, InitialValues) {
  RaceOddsRecord r;
  r.SetOddsWin(2, 3, 5.5f);
  r.SetWinVoteTotal(4, 77);
  r.SetQuinellaShare(6, 18, 3.0f);
  viewer::InitRaceOddsRecord(r);
  EXPECT_EQ("", r.RaceKey());
  EXPECT_EQ(1, r.HeaderPending());
  EXPECT_EQ(0, r.RaceFileAge());
  EXPECT_EQ(0, r.RunnerFileAge());
  EXPECT_EQ(99, r.WeatherGoing());
  EXPECT_EQ(9, r.Reserved1());
  EXPECT_EQ(9, r.Reserved2());
  EXPECT_EQ("", r.Surface());
  EXPECT_EQ("", r.TurnDirection());
  EXPECT_EQ("", r.Distance());
  EXPECT_EQ("", r.OrdinalText());
  EXPECT_EQ(std::string(60, ' '), r.RaceName());
  EXPECT_EQ(std::string(60, ' '), r.ConditionText());
  EXPECT_EQ(0, r.RunnerCount());
  EXPECT_EQ("", r.PostTime());
  for (int k = 1; k <= 18; ++k) {
    EXPECT_EQ(std::string(18, ' '), r.HorseName(k));
    EXPECT_EQ(std::string(8, ' '), r.JockeyName(k));
    EXPECT_EQ(std::string(8, ' '), r.TrainerName(k));
    EXPECT_EQ("", r.Affiliation(k));
    EXPECT_EQ(0, r.FinishOrder(k));
  }
  for (int s = 1; s <= 6; ++s) EXPECT_EQ("90000", r.Label(s));
  // The snapshots' values are cleared too, and every other byte is zero.
  EXPECT_EQ(0.0f, r.OddsWin(2, 3));
  EXPECT_EQ(0, r.WinVoteTotal(4));
  EXPECT_EQ(0.0f, r.QuinellaShare(6, 18));
  std::size_t zero = 0;
  for (char c : r.bytes()) zero += c == 0;
  // Non-zero: HeaderPending 1, WeatherGoing 99, Reserved 9 9, the two 60-blank texts with
  // their lengths, 18 horse names (19), 36 names of 8 (9), six labels (6).
  std::size_t nonzero = 1 + 1 + 1 + 1 + 2 * 61 + 18 * 19 + 36 * 9 + 6 * 6;
  EXPECT_EQ(RaceOddsRecord::kSize - nonzero, zero);
}

TEST(RaceOddsRecordFile, WrittenWholeAndReadBack) {
  testsupport::TempDir dir;
  RaceOddsRecord r;
  viewer::InitRaceOddsRecord(r);
  r.SetRaceKey("2024060105030811");
  r.SetOddsQuinella(6, 17, 18, 123.4f);
  viewer::WriteRaceOddsRecord(dir / "05030811.ods", r);
  std::string bytes = base::ReadFileBytes(dir / "05030811.ods");
  EXPECT_EQ(r.bytes(), bytes);
  EXPECT_EQ(r.bytes(), viewer::ReadRaceOddsRecord(dir / "05030811.ods").bytes());
  // A longer file gives its first record.
  testsupport::WriteFile(dir / "long.ods", bytes + "junk");
  EXPECT_EQ(r.bytes(), viewer::ReadRaceOddsRecord(dir / "long.ods").bytes());
}

TEST(RaceOddsRecordFile, ShortOrMissingFileFailsNamingIt) {
  testsupport::TempDir dir;
  testsupport::WriteFile(dir / "short.ods", std::string(11955, '\0'));
  try {
    viewer::ReadRaceOddsRecord(dir / "short.ods");
    FAIL() << "no error";
  } catch (const base::FileError& e) {
    EXPECT_NE(std::string::npos, std::string(e.what()).find(dir / "short.ods")) << e.what();
    EXPECT_NE(std::string::npos, std::string(e.what()).find("11955")) << e.what();
  }
  EXPECT_THROW(viewer::ReadRaceOddsRecord(dir / "missing.ods"), base::FileError);
}

TEST(RaceOddsRecordFile, ReservedBytesReadAsZero) {
  std::string bytes(RaceOddsRecord::kSize, '\x55');
  RaceOddsRecord r = RaceOddsRecord::FromBytes(bytes);
  for (std::size_t at : {17u, 18u, 19u, 181u, 182u, 183u, 914u, 915u}) {
    EXPECT_EQ(0, r.bytes()[at]) << at;
  }
  for (int s = 1; s <= 6; ++s) {
    EXPECT_EQ(0, r.bytes()[Snapshot(s) + 6]);
    EXPECT_EQ(0, r.bytes()[Snapshot(s) + 7]);
    EXPECT_EQ('\x55', r.bytes()[Snapshot(s) + 8]);
  }
  EXPECT_EQ('\x55', r.bytes()[20]);
}

}  // namespace
