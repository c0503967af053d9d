#include <gtest/gtest.h>

#include <functional>

#include "base/errors.h"
#include "tests/support/sjis_assert.h"
#include "viewer/logic/OddsReaders.h"

namespace {

using viewer::OddsLines;
using viewer::RaceOddsRecord;
using viewer::SnapshotTimes;

// The race day 2024/06/01: D-1 is 0531, D-2 to D-4 0530 to 0528.
const char kFileDate[] = "240601";
const char kKey[] = "2024060105020411";

const SnapshotTimes kTimes = {
    {"0", "10:00", "11:00", "12:00", "13:00", "14:00", "15:00"},
    {"2", "17:00", "18:00", "10:30", "11:30", "12:30", "13:30"},
};

std::string Join(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + fields[i];
  return line;
}

// A win and place line of n horses: win odds, lower and upper place odds per horse.
std::string JdLine(const std::string& at, int n, const std::string& win_total = "1000",
                   const std::string& place_total = "2000",
                   std::function<std::string(int)> win = nullptr) {
  std::vector<std::string> f = {kKey, "4", at, std::to_string(n), win_total, place_total};
  for (int h = 1; h <= n; ++h) {
    f.push_back(win ? win(h) : std::to_string(h) + ".5");
    f.push_back(std::to_string(h) + ".1");
    f.push_back(std::to_string(h) + ".9");
  }
  return Join(f);
}

// A bracket line: 36 odds in pair order 1-1 ... 8-8.
std::string JwLine(const std::string& at, const std::string& total,
                   std::function<std::string(int, int)> odds) {
  std::vector<std::string> f = {kKey, "4", at, "9", total};
  for (int i = 1; i <= 8; ++i) {
    for (int j = i; j <= 8; ++j) f.push_back(odds(i, j));
  }
  return Join(f);
}

// A quinella line: 153 odds in pair order 1-2 ... 17-18.
std::string JrLine(const std::string& at, const std::string& total,
                   std::function<std::string(int, int)> odds) {
  std::vector<std::string> f = {kKey, "4", at, "18", total};
  for (int i = 1; i <= 17; ++i) {
    for (int j = i + 1; j <= 18; ++j) f.push_back(odds(i, j));
  }
  return Join(f);
}

std::string PairText(int i, int j) { return std::to_string(i) + std::to_string(j) + ".0"; }

RaceOddsRecord Race(int runners) {
  RaceOddsRecord r;
  viewer::InitRaceOddsRecord(r);
  r.SetRaceKey(kKey);
  r.SetRunnerCount(runners);
  return r;
}

std::vector<std::string> Labels(const RaceOddsRecord& r) {
  std::vector<std::string> labels;
  for (int s = 1; s <= 6; ++s) labels.push_back(r.Label(s));
  return labels;
}

// The labels that ReadWinPlaceOdds leaves for lines announced at these times.
std::vector<std::string> LabelsFor(const std::vector<std::string>& times,
                                   const SnapshotTimes& sets = kTimes) {
  std::vector<std::string> lines;
  for (const auto& t : times) lines.push_back(JdLine(t, 2));
  RaceOddsRecord r = Race(2);
  viewer::ReadWinPlaceOdds(r, OddsLines("JD", lines), sets, kFileDate);
  return Labels(r);
}

using Labels6 = std::vector<std::string>;

TEST(ComboIndex, FollowsThePairOrder) {
  int column = 5;
  for (int i = 1; i <= 8; ++i) {
    for (int j = i; j <= 8; ++j) EXPECT_EQ(column++, viewer::ComboIndex("waku", i, j));
  }
  EXPECT_EQ(41, column);
  column = 5;
  for (int i = 1; i <= 17; ++i) {
    for (int j = i + 1; j <= 18; ++j) EXPECT_EQ(column++, viewer::ComboIndex("uma", i, j));
  }
  EXPECT_EQ(158, column);
  EXPECT_EQ(22, viewer::ComboIndex("uma", 2, 3));
  EXPECT_EQ(157, viewer::ComboIndex("other", 17, 18));
  for (auto [i, j] : {std::pair{2, 1}, {9, 9}, {1, 9}, {0, 3}}) {
    EXPECT_EQ(1, viewer::ComboIndex("waku", i, j));
  }
  for (auto [i, j] : {std::pair{2, 2}, {3, 1}, {18, 19}, {1, 19}, {0, 3}}) {
    EXPECT_EQ(1, viewer::ComboIndex("uma", i, j));
  }
}

TEST(OddsFilePath, NamedByTheCompactRaceCode) {
  EXPECT_EQ("d/JD05242411.CSV", viewer::OddsFilePath("d", "JD", "2024060105020411"));
  EXPECT_EQ("d/JR05242A11.CSV", viewer::OddsFilePath("d", "JR", "2024060105021011"));
  EXPECT_EQ("d/JW052421311.CSV", viewer::OddsFilePath("d", "JW", "2024060105021311"));
  EXPECT_EQ("JW", viewer::BracketOddsPrefix(9));
  EXPECT_EQ("JR", viewer::BracketOddsPrefix(8));
}

TEST(SnapshotSelection, SlotTimesAreExclusive) {
  // A line exactly at a slot time does not fill it; the next later one does.
  EXPECT_EQ((Labels6{"21001", "21101", "21201", "21301", "21401", "21501"}),
            LabelsFor({"06011000", "06011001", "06011100", "06011100", "06011101", "06011200",
                       "06011201", "06011301", "06011401", "06011501", "06011502"}));
}

TEST(SnapshotSelection, TwoSlotTimesBetweenTwoLines) {
  // 10:00 and 11:00 both fall between 09:50 and 11:30: slot 1 takes 11:30, slot 2 11:45.
  EXPECT_EQ((Labels6{"21130", "21145", "21230", "90000", "90000", "90000"}),
            LabelsFor({"06010950", "06011130", "06011145", "06011230"}));
}

TEST(SnapshotSelection, SaleModeOfTheFirstCountedLine) {
  // D-1 at 12:00: previous-day mode, slot 1 on D-1 at 17:00.
  EXPECT_EQ((Labels6{"11730", "90000", "90000", "90000", "90000", "90000"}),
            LabelsFor({"05311200", "05311730"}));
  // D-1 at 12:01: race-day mode, slot 1 on D at 10:00.
  EXPECT_EQ((Labels6{"21001", "90000", "90000", "90000", "90000", "90000"}),
            LabelsFor({"05311201", "05311730", "06011001"}));
  // D: race-day mode.
  EXPECT_EQ("21001", LabelsFor({"06010800", "06011001"})[0]);
  // D-5, or any other day: previous-day mode.
  EXPECT_EQ("11001", LabelsFor({"05271500", "06011001"})[0]);
  EXPECT_EQ("11001", LabelsFor({"05011500", "06011001"})[0]);
  // The mode is decided once: a later race-day line is compared with D-1 at 17:00.
  EXPECT_EQ("10900", LabelsFor({"05311100", "06010900", "05311730"})[0]);
}

TEST(SnapshotSelection, TwoToFourDaysBeforeArePassedOver) {
  // Counted, the D-2 line would give previous-day mode and "11001".
  EXPECT_EQ("21001", LabelsFor({"05301500", "05291500", "05281500", "06011001"})[0]);
  EXPECT_EQ((Labels6{"21001", "21101", "90000", "90000", "90000", "90000"}),
            LabelsFor({"06011001", "05302359", "05292359", "06011101"}));
}

TEST(SnapshotSelection, PreviousDaySlots) {
  // Two slots on D-1 with "1", then D at entries 3-6 of the previous-day set with "2".
  EXPECT_EQ((Labels6{"11730", "11830", "21031", "21131", "21231", "21331"}),
            LabelsFor({"05311000", "05311730", "05311830", "06011031", "06011131", "06011231",
                       "06011331"}));
  // A race-day line stored into slot 1 or 2 still gets "1".
  EXPECT_EQ((Labels6{"10900", "10901", "21031", "90000", "90000", "90000"}),
            LabelsFor({"05311000", "06010900", "06010901", "06011031"}));
  // An empty entry 0 counts as 2; entry 0 "1" gives one slot on D-1.
  SnapshotTimes sets = kTimes;
  sets.previous_day[0] = "";
  EXPECT_EQ("11830", LabelsFor({"05311000", "05311730", "05311830"}, sets)[1]);
  sets.previous_day[0] = "1";
  EXPECT_EQ((Labels6{"11730", "90000", "90000", "90000", "90000", "90000"}),
            LabelsFor({"05311000", "05311730", "05311830"}, sets));
  // The second slot is then on D at entry 2 (18:00), with "2".
  EXPECT_EQ("21801", LabelsFor({"05311000", "05311730", "06011001", "06011801"}, sets)[1]);
  // Entry 0 "0": every slot on D at the previous-day set's times.
  sets.previous_day[0] = "0";
  EXPECT_EQ("21701", LabelsFor({"05311000", "06010900", "06011701"}, sets)[0]);
  sets.previous_day[0] = "two";
  EXPECT_THROW(LabelsFor({"05311000"}, sets), base::ConversionError);
}

TEST(SnapshotSelection, FewerLinesThanSlotsKeepTheRest) {
  RaceOddsRecord r = Race(2);
  r.SetLabel(3, "21111");
  r.SetSlotNumber(3, 3);
  r.SetWinVoteTotal(3, 55);
  viewer::ReadWinPlaceOdds(r, {"JD", {JdLine("06011001", 2), JdLine("06011101", 2)}}, kTimes,
                           kFileDate);
  EXPECT_EQ((Labels6{"21001", "21101", "21111", "90000", "90000", "90000"}), Labels(r));
  EXPECT_EQ(55, r.WinVoteTotal(3));
}

TEST(SnapshotSelection, StopsAfterSixSlots) {
  std::vector<std::string> times = {"06011001", "06011101", "06011201",
                                    "06011301", "06011401", "06011501"};
  std::vector<std::string> lines;
  for (const auto& t : times) lines.push_back(JdLine(t, 2));
  lines.push_back("no announcement time");
  RaceOddsRecord r = Race(2);
  EXPECT_NO_THROW(viewer::ReadWinPlaceOdds(r, OddsLines("JD", lines), kTimes, kFileDate));
  EXPECT_EQ("21501", r.Label(6));
}

TEST(ReadWinPlaceOdds, StoresTotalsAndOdds) {
  RaceOddsRecord r = Race(3);
  auto win = [](int h) { return h == 2 ? std::string("0") : h == 3 ? "0.0" : "002.5"; };
  viewer::ReadWinPlaceOdds(r, {"JD", {JdLine("06011001", 3, "123456", "654321", win)}}, kTimes,
                           kFileDate);
  EXPECT_EQ("21001", r.Label(1));
  EXPECT_EQ(1, r.SlotNumber(1));
  EXPECT_EQ(123456, r.WinVoteTotal(1));
  EXPECT_EQ(654321, r.PlaceVoteTotal(1));
  EXPECT_EQ(2.5f, r.OddsWin(1, 1));
  EXPECT_EQ(10001.0f, r.OddsWin(1, 2));  // "0"
  EXPECT_EQ(0.0f, r.OddsWin(1, 3));      // "0.0"
  EXPECT_EQ(1.1f, r.OddsPlace(1, 1));    // the lower place odds
  EXPECT_EQ(3.1f, r.OddsPlace(1, 3));
  EXPECT_EQ(0.0f, r.OddsWin(1, 4));  // horses above n are not written
}

TEST(ReadWinPlaceOdds, RunnerCountAbove18ReadsEighteen) {
  RaceOddsRecord r = Race(30);
  viewer::ReadWinPlaceOdds(r, {"JD", {JdLine("06011001", 18)}}, kTimes, kFileDate);
  EXPECT_EQ(18.5f, r.OddsWin(1, 18));
}

TEST(ReadQuinellaOdds, OddsAndSharesInFloat) {
  RaceOddsRecord r = Race(3);
  auto odds = [](int i, int j) {
    if (i == 1 && j == 2) return std::string("2.5");
    if (i == 1 && j == 3) return std::string("3.75");
    if (i == 2 && j == 3) return std::string("7.5");
    return std::string("x");  // never read for 3 runners
  };
  viewer::ReadQuinellaOdds(r, {"JR", {JrLine("06011001", "98765", odds)}}, kTimes, kFileDate);
  EXPECT_EQ(98765, r.QuinellaVoteTotal(1));
  EXPECT_EQ(2.5f, r.OddsQuinella(1, 1, 2));
  EXPECT_EQ(7.5f, r.OddsQuinella(1, 2, 3));
  EXPECT_EQ("90000", r.Label(1));  // only the win and place reader writes labels
  // By hand: 75/odds/2 gives 15, 10 and 5, sum 30, c = 125.
  float c = 3750.0f / 30.0f;
  float v12 = c / 2.5f / 2.0f, v13 = c / 3.75f / 2.0f, v23 = c / 7.5f / 2.0f;
  EXPECT_EQ(0.0f + v12 + v13, r.QuinellaShare(1, 1));
  EXPECT_EQ(0.0f + v12 + v23, r.QuinellaShare(1, 2));
  EXPECT_EQ(0.0f + v13 + v23, r.QuinellaShare(1, 3));
  EXPECT_NEAR(41.6667, r.QuinellaShare(1, 1), 1e-4);
  EXPECT_EQ(0.0f, r.QuinellaShare(1, 4));
}

TEST(ReadQuinellaOdds, SharesOfInexactOddsInOrder) {
  RaceOddsRecord r = Race(3);
  auto odds = [](int i, int j) {
    return i == 1 && j == 2 ? std::string("3.1") : i == 1 ? "0" : "12.9";
  };
  viewer::ReadQuinellaOdds(r, {"JR", {JrLine("06011001", "1", odds)}}, kTimes, kFileDate);
  EXPECT_EQ(9999.0f, r.OddsQuinella(1, 1, 3));  // "0"
  const float o12 = 3.1f, o13 = 9999.0f, o23 = 12.9f;
  float sum = 0.0f;
  sum = sum + 75.0f / o12 / 2.0f;
  sum = sum + 75.0f / o13 / 2.0f;
  sum = sum + 75.0f / o23 / 2.0f;
  float c = 75.0f * 50.0f / sum;
  float s1 = 0.0f, s2 = 0.0f, s3 = 0.0f;
  s1 = s1 + c / o12 / 2.0f;
  s2 = s2 + c / o12 / 2.0f;
  s1 = s1 + c / o13 / 2.0f;
  s3 = s3 + c / o13 / 2.0f;
  s2 = s2 + c / o23 / 2.0f;
  s3 = s3 + c / o23 / 2.0f;
  EXPECT_EQ(s1, r.QuinellaShare(1, 1));
  EXPECT_EQ(s2, r.QuinellaShare(1, 2));
  EXPECT_EQ(s3, r.QuinellaShare(1, 3));
  EXPECT_NEAR(100.0, s1 + s2 + s3, 1e-3);
}

TEST(ReadQuinellaOdds, AllZeroOddsGiveZeroShares) {
  RaceOddsRecord r = Race(18);
  for (int k = 1; k <= 18; ++k) r.SetQuinellaShare(1, k, 7.0f);
  viewer::ReadQuinellaOdds(r, {"JR", {JrLine("06011001", "0", [](int, int) { return "0.0"; })}},
                           kTimes, kFileDate);
  for (int k = 1; k <= 18; ++k) EXPECT_EQ(0.0f, r.QuinellaShare(1, k)) << k;
  EXPECT_EQ(0.0f, r.OddsQuinella(1, 17, 18));
}

TEST(ReadBracketQuinellaOdds, EightRunnersReadTheQuinellaFile) {
  RaceOddsRecord r = Race(8);
  viewer::ReadBracketQuinellaOdds(r, {"JR", {JrLine("06011001", "4321", PairText)}}, kTimes,
                                  kFileDate);
  EXPECT_EQ(4321, r.BracketQuinellaVoteTotal(1));
  EXPECT_EQ(12.0f, r.OddsBracketQuinella(1, 1, 2));  // column 5
  EXPECT_EQ(23.0f, r.OddsBracketQuinella(1, 2, 3));
  EXPECT_EQ(78.0f, r.OddsBracketQuinella(1, 7, 8));
  for (int b = 1; b <= 8; ++b) EXPECT_EQ(9999.0f, r.OddsBracketQuinella(1, b, b)) << b;
  float total = 0;
  for (int b = 1; b <= 8; ++b) total += r.BracketQuinellaShare(1, b);
  EXPECT_NEAR(100.0, total, 1e-3);
}

TEST(ReadBracketQuinellaOdds, FiveRunners) {
  RaceOddsRecord r = Race(5);
  for (int b = 1; b <= 8; ++b) r.SetBracketQuinellaShare(1, b, 7.0f);
  viewer::ReadBracketQuinellaOdds(r, {"JR", {JrLine("06011001", "1", PairText)}}, kTimes,
                                  kFileDate);
  EXPECT_EQ(45.0f, r.OddsBracketQuinella(1, 4, 5));
  for (int i = 1; i <= 8; ++i) {
    for (int j = std::max(i, 6); j <= 8; ++j) {
      EXPECT_EQ(9999.0f, r.OddsBracketQuinella(1, i, j)) << i << "-" << j;
    }
  }
  float total = 0;
  for (int b = 1; b <= 5; ++b) total += r.BracketQuinellaShare(1, b);
  EXPECT_NEAR(100.0, total, 1e-3);
  for (int b = 6; b <= 8; ++b) EXPECT_EQ(7.0f, r.BracketQuinellaShare(1, b));  // not written
}

TEST(ReadBracketQuinellaOdds, NineRunnersReadTheBracketFile) {
  RaceOddsRecord r = Race(9);
  auto odds = [](int i, int j) { return i == 2 && j == 2 ? std::string("0") : PairText(i, j); };
  viewer::ReadBracketQuinellaOdds(r, {"JW", {JwLine("06011001", "777", odds)}}, kTimes, kFileDate);
  EXPECT_EQ(777, r.BracketQuinellaVoteTotal(1));
  EXPECT_EQ(11.0f, r.OddsBracketQuinella(1, 1, 1));
  EXPECT_EQ(9999.0f, r.OddsBracketQuinella(1, 2, 2));  // "0"
  EXPECT_EQ(88.0f, r.OddsBracketQuinella(1, 8, 8));
  // Share of bracket b: 50 * (sum of 1/odds over its pairs, a same-bracket pair twice) /
  // (sum of 1/odds over all pairs).
  double all = 0;
  for (int i = 1; i <= 8; ++i) {
    for (int j = i; j <= 8; ++j) all += 1.0 / r.OddsBracketQuinella(1, i, j);
  }
  for (int b = 1; b <= 8; ++b) {
    double mine = 0;
    for (int o = 1; o <= 8; ++o)
      mine += 1.0 / r.OddsBracketQuinella(1, std::min(b, o), std::max(b, o));
    mine += 1.0 / r.OddsBracketQuinella(1, b, b);
    EXPECT_NEAR(50.0 * mine / all, r.BracketQuinellaShare(1, b), 1e-3) << b;
  }
}

TEST(OddsReaders, ErrorsKeepWhatWasStoredBefore) {
  RaceOddsRecord r = Race(2);
  OddsLines jd("JD05242411.CSV",
               std::vector<std::string>{JdLine("06011001", 2), JdLine("06011101", 2, "many"),
                                        JdLine("06011201", 2)});
  try {
    viewer::ReadWinPlaceOdds(r, jd, kTimes, kFileDate);
    FAIL() << "no error";
  } catch (const base::ConversionError& e) {
    EXPECT_STREQ("'many' is not a valid integer value (JD05242411.CSV line 2)", e.what());
  }
  EXPECT_EQ((Labels6{"21001", "90000", "90000", "90000", "90000", "90000"}), Labels(r));
  EXPECT_EQ(0, r.WinVoteTotal(2));

  // A line without column 2.
  jd = OddsLines(jd.file(),
                 std::vector<std::string>{JdLine("06011001", 2), std::string(kKey) + ",4"});
  EXPECT_THROW(viewer::ReadWinPlaceOdds(r, jd, kTimes, kFileDate), base::Error);
  // A stored line without a column the reader reads.
  jd = OddsLines(jd.file(), std::vector<std::string>{JdLine("06011001", 1)});
  try {
    viewer::ReadWinPlaceOdds(r, jd, kTimes, kFileDate);
    FAIL() << "no error";
  } catch (const base::Error& e) {
    EXPECT_STREQ("The odds line has no column 9 (JD05242411.CSV line 1)", e.what());
  }
  // Odds texts that are not numbers.
  OddsLines jr("JR",
               std::vector<std::string>{JrLine("06011001", "1", [](int, int) { return "--"; })});
  EXPECT_THROW(viewer::ReadQuinellaOdds(r, jr, kTimes, kFileDate), base::ConversionError);
  // An announcement time whose hhmm is not a number, in a counted line.
  jd = OddsLines(jd.file(), std::vector<std::string>{JdLine("0601xx01", 2)});
  EXPECT_THROW(viewer::ReadWinPlaceOdds(r, jd, kTimes, kFileDate), base::ConversionError);
  jd = OddsLines(jd.file(), std::vector<std::string>{JdLine("0531xx01", 2)});
  EXPECT_THROW(viewer::ReadWinPlaceOdds(r, jd, kTimes, kFileDate), base::ConversionError);
}

// A file named in a failure reads as its name does, whatever its folder is called.
TEST(OddsReaders, ErrorsNameAFileOfAnyNameAsItReads) {
  const std::string folder = testsupport::Utf8(u8"/tmp/フォルダ");
  RaceOddsRecord r = Race(2);
  SnapshotTimes no_race_day = kTimes;
  no_race_day.race_day = {};
  no_race_day.timing_file = folder + testsupport::Utf8(u8"/時間帯.csv");
  const struct {
    OddsLines file;
    const SnapshotTimes& times;
    std::string text;  // Shift-JIS
  } cases[] = {
      {{folder + "/JD05242411.CSV", {JdLine("06011001", 2, "many")}},
       kTimes,
       "'many' is not a valid integer value (/tmp/フォルダ/JD05242411.CSV line 1)"},
      {{"JD", {JdLine("06011001", 2)}},
       no_race_day,
       "'' is not a valid time: the time of slot 1: no race-day row of /tmp/フォルダ/時間帯.csv "
       "holds post time "},
  };
  for (const auto& c : cases) {
    try {
      viewer::ReadWinPlaceOdds(r, c.file, c.times, kFileDate);
      ADD_FAILURE() << "no error";
    } catch (const base::ConversionError& e) {
      EXPECT_SJIS_EQ(c.text, e.what());
    }
  }
}

TEST(OddsReaders, EmptySlotTimeStopsTheReading) {
  SnapshotTimes no_race_day = kTimes;
  no_race_day.race_day = {};
  RaceOddsRecord r = Race(2);
  try {
    viewer::ReadWinPlaceOdds(r, {"JD", {JdLine("06011001", 2)}}, no_race_day, kFileDate);
    FAIL() << "no error";
  } catch (const base::ConversionError& e) {
    EXPECT_NE(std::string::npos, std::string(e.what()).find("'' is not a valid time")) << e.what();
    EXPECT_NE(std::string::npos,
              std::string(e.what()).find(
                  "the time of slot 1: no race-day row of the odds-timing file holds post time"))
        << e.what();
  }
  // Previous-day mode reads the previous-day set only.
  EXPECT_NO_THROW(
      viewer::ReadWinPlaceOdds(r, {"JD", {JdLine("05311001", 2)}}, no_race_day, kFileDate));
  // A file without counted lines forms no slot time.
  SnapshotTimes none;
  EXPECT_NO_THROW(viewer::ReadWinPlaceOdds(r, {"JD", {JdLine("05301001", 2)}}, none, kFileDate));
  EXPECT_NO_THROW(
      viewer::ReadWinPlaceOdds(r, OddsLines("JD", base::FileBuffer()), none, kFileDate));
}

}  // namespace

namespace {

// Reads one win and place line of 2 runners whose second horse's win odds text is `odds`
// (or, for the quinella reader, one quinella line whose pair 1-2 is `odds`): what fails
// names the file and line 2 and stores nothing of that line.
TEST(OddsReaders, OnlyDecimalOddsOfAFloatFromZeroUpAreOddsValues) {
  const std::vector<std::string> bad = {
      "nan", "inf", "-inf", "infinity", "1e3", "0x1p3", "-1.5", "1" + std::string(40, '0'), "+-5"};
  for (const std::string& odds : bad) {
    RaceOddsRecord r = Race(2);
    OddsLines jd("JD05242411.CSV",
                 std::vector<std::string>{JdLine("06011001", 2),
                                          JdLine("06011101", 2, "1000", "2000", [&](int h) {
                                            return h == 2 ? odds : std::string("2.5");
                                          })});
    try {
      viewer::ReadWinPlaceOdds(r, jd, kTimes, kFileDate);
      ADD_FAILURE() << odds << ": no error";
    } catch (const base::ConversionError& e) {
      EXPECT_NE(std::string(e.what()).find("'" + odds + "' is not"), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find("(JD05242411.CSV line 2)"), std::string::npos)
          << e.what();
    }
    EXPECT_EQ("90000", r.Label(2)) << odds;
    EXPECT_EQ(0.0f, r.OddsWin(2, 2)) << odds;

    r = Race(2);
    OddsLines jr("JR05242411.CSV",
                 std::vector<std::string>{JrLine("06011001", "1", [](int, int) { return "5.0"; }),
                                          JrLine("06011101", "1", [&](int i, int j) {
                                            return i == 1 && j == 2 ? odds : std::string("5.0");
                                          })});
    EXPECT_THROW(viewer::ReadQuinellaOdds(r, jr, kTimes, kFileDate), base::ConversionError) << odds;
    EXPECT_EQ(0.0f, r.OddsQuinella(2, 1, 2)) << odds;
    EXPECT_EQ(0.0f, r.QuinellaShare(2, 1)) << odds;
  }
  // What is a number stays one: leading zeros, no digits before the point, a plus sign.
  RaceOddsRecord r = Race(2);
  viewer::ReadWinPlaceOdds(
      r,
      {"JD",
       {JdLine("06011001", 2, "1000", "2000", [](int h) { return h == 1 ? "0002.5" : "+.5"; })}},
      kTimes, kFileDate);
  EXPECT_EQ(2.5f, r.OddsWin(1, 1));
  EXPECT_EQ(0.5f, r.OddsWin(1, 2));
}

// The previous-day set's count of slots on the day before is read from the odds-timing
// file: beyond 0-6 it counts as its nearer end, and taking six slots keeps it defined.
TEST(SnapshotSelection, APreviousDayCountBeyondTheSlotsCountsAsItsNearerEnd) {
  const std::vector<std::string> lines = {"05311000", "05311730", "05311830",
                                          "06011031", "06011131", "06011231",
                                          "06011331", "06011701", "06011801"};
  SnapshotTimes sets = kTimes;
  auto labels = [&](const std::string& count) {
    sets.previous_day[0] = count;
    return LabelsFor(lines, sets);
  };
  EXPECT_EQ(labels("0"), labels("-2147483648"));
  EXPECT_EQ(labels("0"), labels("-1"));
  EXPECT_EQ(labels("6"), labels("2147483647"));
  EXPECT_EQ(labels("6"), labels("7"));
  EXPECT_NE(labels("0"), labels("6"));
  EXPECT_EQ("11730", labels("2147483647")[0]);
  EXPECT_EQ("21701", labels("-2147483648")[0]);
}

// A text of the odds-timing file that is no time or number names the timing file's row,
// or says that no row holds the post time; the odds file is not to blame.
TEST(SnapshotSelection, TimingErrorsNameTheOddsTimingFile) {
  auto error = [](const std::string& previous_day_row, const std::vector<std::string>& jd) {
    const SnapshotTimes times = viewer::MatchSnapshotTimes(
        {"0,15:40,10:00,11:00,12:00,13:00,14:00,15:00", previous_day_row}, "15:40",
        "gt_data/t.csv");
    RaceOddsRecord r = Race(2);
    try {
      viewer::ReadWinPlaceOdds(r, OddsLines("JD05242411.CSV", jd), times, kFileDate);
    } catch (const base::ConversionError& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(
      "'x' is not a valid integer value: the number of previous-day slots (column 0) of the "
      "previous-day row (gt_data/t.csv line 2)",
      error("x,15:40,17:00,18:00,10:30,11:30,12:30,13:30", {JdLine("05311000", 2)}));
  EXPECT_EQ(
      "'1x:00' is not a valid time: the time of slot 2 of the previous-day row "
      "(gt_data/t.csv line 2)",
      error("2,15:40,17:00,1x:00,10:30,11:30,12:30,13:30",
            {JdLine("05311000", 2), JdLine("05311730", 2), JdLine("05311830", 2)}));
  const SnapshotTimes none = viewer::MatchSnapshotTimes({}, "15:40", "gt_data/t.csv");
  RaceOddsRecord r = Race(2);
  try {
    viewer::ReadWinPlaceOdds(r, OddsLines("JD05242411.CSV", {JdLine("06011001", 2)}), none,
                             kFileDate);
    FAIL() << "no error";
  } catch (const base::ConversionError& e) {
    EXPECT_STREQ(
        "'' is not a valid time: the time of slot 1: no race-day row of gt_data/t.csv holds post "
        "time 15:40",
        e.what());
  }
}

}  // namespace
