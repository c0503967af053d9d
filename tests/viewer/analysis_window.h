// The analysis windows in-process on the race day of race_day.h: opened from the main
// window after the choice of 東京 race 11, then shown any race record built here (the
// windows read only CurrentRace and the two chosen snapshots, as a header change makes them
// rebuild). Expected texts are worked out here from the record, in double precision and
// with the test's own printf, never with the windows' logic.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/viewer/analysis/analysis_race.h"
#include "tests/viewer/race_day.h"
#include "ui/application.h"
#include "viewer/RenForm.h"
#include "viewer/UmaForm.h"
#include "viewer/ViewerState.h"
#include "viewer/WakuForm.h"
#include "viewer/logic/RaceOddsRecord.h"

namespace viewertest {

using analysistest::ExpectedShares;
using analysistest::Printf;
inline std::string FormatInt(const char* format, int v) {
  char text[64];
  std::snprintf(text, sizeof text, format, v);
  return text;
}

inline const char* const kFullWidthDigits[] = {"０", "１", "２", "３", "４",
                                               "５", "６", "７", "８", "９"};

// A horse's name: "ウマ" and its number in full-width digits.
inline std::string HorseName(int k) {
  std::string name = "ウマ";
  if (k >= 10) name += kFullWidthDigits[k / 10];
  return name + kFullWidthDigits[k % 10];
}

// The bracket of each horse 1 to n, as a race card prints them: up to eight runners one a
// bracket; from nine the first brackets hold one and the rest two, 17 puts three in
// bracket 8, 18 three in brackets 7 and 8.
inline std::vector<int> CardBrackets(int n) {
  std::vector<int> brackets;
  for (int b = 1; b <= 8; ++b) {
    int horses = n <= 8 ? (b <= n ? 1 : 0) : n <= 16 ? (b <= 16 - n ? 1 : 2) : 2;
    if ((n == 17 && b == 8) || (n == 18 && b >= 7)) horses = 3;
    brackets.insert(brackets.end(), static_cast<std::size_t>(horses), b);
  }
  return brackets;
}

// The odds of a race of n runners at snapshot s (1: first time, 2: second time): distinct
// win odds in no number order, place odds, pair odds and shares.
inline float WinOdds(int n, int k, int s) {
  return 2.0f + static_cast<float>((k * 7) % n) * 1.3f + (s == 1 ? 0.5f * (k % 3) : 0.0f);
}
inline float PlaceOdds(int n, int k, int s) {
  return 1.1f + static_cast<float>((k * 5) % n) * 0.4f + (s == 1 ? 0.2f * (k % 2) : 0.0f);
}
inline float PairOdds(int i, int j, int s) {
  return 3.0f + static_cast<float>((i * j + i) % 40) * 2.5f + (s == 1 ? 1.0f + (j % 2) : 0.0f);
}
inline float BracketOdds(int b, int c, int s) {
  return 4.0f + static_cast<float>(b * 3 + c) * 1.5f + (s == 1 ? 0.5f * (c % 3) : 0.0f);
}

// A race record of the fixture's day with n runners: snapshots 1 (13:00) and 2 (14:00)
// filled; the win shares of a snapshot as its horses' quinella shares.
inline viewer::RaceOddsRecord WindowRace(int n, const std::string& key = kTokyo11) {
  viewer::RaceOddsRecord r;
  viewer::InitRaceOddsRecord(r);
  r.SetRaceKey(key);
  r.SetRunnerCount(n);
  r.SetPostTime("15:40");
  r.SetSurface("芝");
  r.SetDistance("2400");
  for (int k = 1; k <= 18; ++k) {
    r.SetHorseName(k, HorseName(k));
    r.SetJockeyName(k, "騎手" + std::string(kFullWidthDigits[k % 10]));
    r.SetTrainerName(k, "調教" + std::string(kFullWidthDigits[k % 10]));
    r.SetAffiliation(k, k % 2 ? "美" : "栗");
  }
  for (int s = 1; s <= 2; ++s) {
    r.SetLabel(s, s == 1 ? "21300" : "21400");
    r.SetSlotNumber(s, s);
    r.SetWinVoteTotal(s, 1000000 * s);
    r.SetPlaceVoteTotal(s, 600000 * s);
    r.SetBracketQuinellaVoteTotal(s, 300000 * s);
    r.SetQuinellaVoteTotal(s, 900000 * s);
    double sum = 0;
    for (int k = 1; k <= n; ++k) sum += 1.0 / WinOdds(n, k, s);
    for (int k = 1; k <= n; ++k) {
      r.SetOddsWin(s, k, WinOdds(n, k, s));
      r.SetOddsPlace(s, k, PlaceOdds(n, k, s));
      r.SetQuinellaShare(s, k, static_cast<float>(100.0 / WinOdds(n, k, s) / sum));
      for (int j = k + 1; j <= 18; ++j) r.SetOddsQuinella(s, k, j, PairOdds(k, j, s));
    }
    for (int b = 1; b <= 8; ++b) {
      r.SetBracketQuinellaShare(s, b, 5.0f + static_cast<float>(b) * 1.25f + s);
      for (int c = b; c <= 8; ++c) r.SetOddsBracketQuinella(s, b, c, BracketOdds(b, c, s));
    }
  }
  return r;
}

inline std::vector<float> WinOddsAt(const viewer::RaceOddsRecord& r, int s) {
  std::vector<float> odds;
  for (int k = 1; k <= r.RunnerCount(); ++k) odds.push_back(r.OddsWin(s, k));
  return odds;
}

// The number a cell shows.
inline double CellNumber(const std::string& text) { return std::stod(text); }

// The grid row that shows horse k (its column `horse_column` reads k); 0 when none does.
template <class Grid>
int RowOfHorse(const Grid& grid, int horse_column, int k, int rows) {
  for (int row = 1; row <= rows; ++row) {
    const std::string& t = grid.Cell(horse_column, row);
    if (t.find_first_not_of(' ') != std::string::npos && std::stoi(t) == k) return row;
  }
  return 0;
}

class AnalysisWindowTest : public RaceDayTest {
 protected:
  // 東京 race 11 chosen, then "馬分析" pressed.
  viewer::TForm2& OpenHorseWindow() {
    ChooseTokyo11();
    form->Button4.Click();
    EXPECT_NE(viewer::Form2, nullptr);
    return *viewer::Form2;
  }

  // 東京 race 11 chosen, then "馬連分析" pressed.
  viewer::TForm3& OpenQuinellaWindow() {
    ChooseTokyo11();
    form->Button5.Click();
    EXPECT_NE(viewer::Form3, nullptr);
    return *viewer::Form3;
  }
  // 東京 race 11 chosen, then "枠分析" pressed.
  viewer::TForm4& OpenBracketWindow() {
    ChooseTokyo11();
    form->Button6.Click();
    EXPECT_NE(viewer::Form4, nullptr);
    return *viewer::Form4;
  }

  // The record becomes the chosen race at snapshots 1 and 2 and every open window
  // rebuilds, as a header change makes it.
  void ShowRace(const viewer::RaceOddsRecord& record, int t1 = 1, int t2 = 2) {
    viewer::State.CurrentRace = record;
    viewer::State.Time1Snapshot = t1;
    viewer::State.Time2Snapshot = t2;
    if (viewer::Form2 && viewer::State.HorseWindowOpen) viewer::Form2->Edit1Change();
    if (viewer::Form3 && viewer::State.QuinellaWindowOpen) viewer::Form3->Edit3Change();
    if (viewer::Form4 && viewer::State.BracketWindowOpen) viewer::Form4->Edit3Change();
  }

  // Runs the message loop over a close: the close request, then the freeing it posts.
  static void FreeClosedWindows() {
    ui::ProcessMessages();
    ui::ProcessMessages();
  }

  std::string MarkFile(const std::string& key = kTokyo11) const {
    return WorkDay() + "/" + key.substr(8, 8) + ".mrk";
  }
};

// The 188 bytes of a mark file, worked out byte by byte: the race key and the file name
// as length-prefixed texts, then entry 0 (always 1) and the 18 marks as little-endian
// int32, the reserved marks 0.
inline std::string MarkFileBytes(const std::string& key, const std::vector<int>& marks) {
  std::string bytes(188, '\0');
  bytes[0] = static_cast<char>(key.size());
  bytes.replace(1, key.size(), key);
  const std::string name = key.substr(8, 8) + ".mrk";
  bytes[17] = static_cast<char>(name.size());
  bytes.replace(18, name.size(), name);
  auto put = [&bytes](std::size_t offset, int v) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  put(36, 1);
  for (std::size_t k = 1; k < marks.size() && k <= 18; ++k) put(36 + 4 * k, marks[k]);
  return bytes;
}

}  // namespace viewertest
