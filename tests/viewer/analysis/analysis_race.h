// A race record for the analysis tables' tests: n runners with names, jockeys, trainers
// and affiliations, and two filled snapshots (1 at 09:00, 2 at 15:30) whose odds the tests
// set.
#pragma once
#include <string>
#include <vector>

#include "viewer/logic/RaceOddsRecord.h"

namespace analysistest {

inline constexpr const char* kRaceKey = "2024051905021211";

inline viewer::RaceOddsRecord AnalysisRace(int n) {
  viewer::RaceOddsRecord r;
  viewer::InitRaceOddsRecord(r);
  r.SetRaceKey(kRaceKey);
  r.SetRunnerCount(n);
  r.SetPostTime("15:40");
  for (int k = 1; k <= 18; ++k) {
    r.SetHorseName(k, "HORSE" + std::to_string(k));
    r.SetJockeyName(k, "J" + std::to_string(k));
    r.SetTrainerName(k, "T" + std::to_string(k));
    r.SetAffiliation(k, k % 2 ? "美" : "栗");
  }
  r.SetLabel(1, "20900");
  r.SetSlotNumber(1, 1);
  r.SetLabel(2, "21530");
  r.SetSlotNumber(2, 2);
  return r;
}

// Sets the win odds of horses 1, 2, ... at snapshot s.
inline void SetWinOdds(viewer::RaceOddsRecord& r, int s, const std::vector<float>& odds) {
  for (std::size_t k = 0; k < odds.size(); ++k) r.SetOddsWin(s, static_cast<int>(k + 1), odds[k]);
}
inline void SetPlaceOdds(viewer::RaceOddsRecord& r, int s, const std::vector<float>& odds) {
  for (std::size_t k = 0; k < odds.size(); ++k) {
    r.SetOddsPlace(s, static_cast<int>(k + 1), odds[k]);
  }
}
inline void SetQuinellaShares(viewer::RaceOddsRecord& r, int s, const std::vector<float>& shares) {
  for (std::size_t k = 0; k < shares.size(); ++k) {
    r.SetQuinellaShare(s, static_cast<int>(k + 1), shares[k]);
  }
}

// Shares in percent computed here in double: 100 * (1 / o) / sum of 1 / o, odds 0 as 9999.
inline std::vector<double> ExpectedShares(const std::vector<float>& odds) {
  double sum = 0;
  for (float o : odds) sum += 1.0 / (o == 0 ? 9999.0 : o);
  std::vector<double> shares;
  for (float o : odds) shares.push_back(100.0 / (o == 0 ? 9999.0 : o) / sum);
  return shares;
}

// "%W.Df" in the C locale, the test's own way.
inline std::string Printf(const char* format, double v) {
  char text[64];
  std::snprintf(text, sizeof text, format, v);
  return text;
}

}  // namespace analysistest
