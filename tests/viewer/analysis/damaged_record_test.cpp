// The analysis tables and charts on race records that only a damaged ".ods" file holds:
// floats that are not finite numbers, and finite ones so large that what is worked out of
// them is not. A table either fails its rebuild with the conversion error or shows texts
// that its sorts and charts read back.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "base/errors.h"
#include "tests/viewer/analysis/analysis_race.h"
#include "viewer/logic/BracketTable.h"
#include "viewer/logic/HorseCharts.h"
#include "viewer/logic/HorseSort.h"
#include "viewer/logic/HorseTable.h"
#include "viewer/logic/QuinellaTable.h"

namespace {

using analysistest::AnalysisRace;
using analysistest::SetQuinellaShares;
using analysistest::SetWinOdds;
using viewer::RaceOddsRecord;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kMax = std::numeric_limits<float>::max();

RaceOddsRecord Race3() {
  RaceOddsRecord r = AnalysisRace(3);
  for (int s : {1, 2}) {
    SetWinOdds(r, s, {2.5f, 4.0f, 8.0f});
    analysistest::SetPlaceOdds(r, s, {1.2f, 1.5f, 2.0f});
    SetQuinellaShares(r, s, {40.0f, 35.0f, 25.0f});
    r.SetOddsQuinella(s, 1, 2, 3.0f);
    r.SetOddsQuinella(s, 1, 3, 6.0f);
    r.SetOddsQuinella(s, 2, 3, 9.0f);
  }
  return r;
}

// Each change of the record at snapshot 2 makes every table it reaches fail its rebuild.
TEST(DamagedRecord, AValueThatIsNoNumberFailsTheRebuild) {
  struct {
    const char* what;
    void (*damage)(RaceOddsRecord&);
    bool horse, quinella, bracket;  // the tables it reaches
  } cases[] = {
      {"win odds NaN", [](RaceOddsRecord& r) { r.SetOddsWin(2, 2, kNaN); }, true, true, true},
      {"place odds NaN", [](RaceOddsRecord& r) { r.SetOddsPlace(2, 1, kNaN); }, true, false, false},
      {"quinella share inf", [](RaceOddsRecord& r) { r.SetQuinellaShare(2, 3, kInf); }, true, true,
       true},
      {"quinella share changed by more than a float",
       [](RaceOddsRecord& r) {
         r.SetQuinellaShare(1, 1, -kMax);
         r.SetQuinellaShare(2, 1, kMax);
       },
       true, false, false},
      {"quinella odds NaN", [](RaceOddsRecord& r) { r.SetOddsQuinella(2, 1, 3, kNaN); }, false,
       true, false},
      {"bracket odds inf", [](RaceOddsRecord& r) { r.SetOddsBracketQuinella(2, 2, 3, kInf); },
       false, false, true},
  };
  for (const auto& c : cases) {
    RaceOddsRecord r = Race3();
    EXPECT_NO_THROW(viewer::BuildHorseTable(r, 1, 2));
    c.damage(r);
    auto fails = [](auto build) {
      try {
        build();
      } catch (const base::ConversionError& e) {
        return std::string(e.what()).find("not a valid floating point value") != std::string::npos;
      }
      return false;
    };
    EXPECT_EQ(c.horse, fails([&] { viewer::BuildHorseTable(r, 1, 2); })) << c.what;
    EXPECT_EQ(c.quinella, fails([&] { viewer::BuildQuinellaTable(r, 1, 2); })) << c.what;
    EXPECT_EQ(c.bracket, fails([&] { viewer::BuildBracketTable(r, 1, 2); })) << c.what;
  }
  // Nine runners: the bracket shares of the record itself.
  RaceOddsRecord r = AnalysisRace(9);
  r.SetBracketQuinellaShare(2, 4, kNaN);
  EXPECT_THROW(viewer::BuildBracketTable(r, 1, 2), base::ConversionError);
}

// A share difference of more hundredths than 32 bits hold is still a bar of the chart, at
// the end of the range; the table it comes from sorts and charts without an error.
TEST(DamagedRecord, HugeDifferencesStandAtTheEndOfTheChartsRange) {
  EXPECT_EQ(INT32_MIN, viewer::HundredthsValue("-134217728.00"));
  EXPECT_EQ(INT32_MAX, viewer::HundredthsValue("340282346638528859811704183484516925440.00"));
  EXPECT_EQ(2147483647, viewer::HundredthsValue("21474836.47"));
  EXPECT_THROW(viewer::HundredthsValue("1.2.3"), base::ConversionError);
  EXPECT_THROW(viewer::HundredthsValue(" -nan"), base::ConversionError);

  RaceOddsRecord r = Race3();
  SetQuinellaShares(r, 2, {1e20f, 35.0f, 25.0f});
  base::TextGrid grid = viewer::BuildHorseTable(r, 1, 2);
  for (int column : {5, 9, 12, 13, 14}) viewer::SortHorseTable(grid, 3, column, true);
  const viewer::HorseCharts charts = viewer::RebuildHorseCharts(grid, r);
  ASSERT_EQ(charts.Series7.size(), 3u);
  double largest = 0;
  for (const ui::ChartPoint& p : charts.Series7) largest = std::max(largest, p.value);
  EXPECT_EQ(largest, INT32_MAX);
}

// The charts drawn from the record's snapshots leave a gap where a value is no number.
TEST(DamagedRecord, ChartPointsOfTheRecordThatAreNoNumbersAreEmpty) {
  RaceOddsRecord r = Race3();
  r.SetOddsWin(1, 2, kNaN);  // not a snapshot the table shows
  const base::TextGrid grid = viewer::BuildHorseTable(r, 2, 2);
  const viewer::HorseCharts charts = viewer::RebuildHorseCharts(grid, r);
  ASSERT_EQ(charts.Chart3[1].size(), 2u);
  EXPECT_TRUE(charts.Chart3[1][0].empty);
  EXPECT_EQ(charts.Chart3[1][0].label, "1");
  EXPECT_FALSE(charts.Chart3[1][1].empty);
  EXPECT_EQ(charts.Chart3[1][1].value, 4.0);

  RaceOddsRecord b = AnalysisRace(9);
  b.SetWinVoteTotal(1, 100);
  b.SetWinVoteTotal(2, 100);
  b.SetBracketQuinellaShare(1, 3, -kInf);
  const viewer::BracketCharts bracket =
      viewer::FillBracketCharts(viewer::BuildBracketTable(b, 2, 2), b);
  ASSERT_EQ(bracket.Chart2[2].size(), 2u);
  EXPECT_TRUE(bracket.Chart2[2][0].empty);
  EXPECT_FALSE(bracket.Chart2[2][1].empty);
}

}  // namespace
