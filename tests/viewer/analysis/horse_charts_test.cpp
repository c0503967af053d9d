#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/values.h"
#include "tests/support/sjis_assert.h"
#include "tests/viewer/analysis/analysis_race.h"
#include "viewer/logic/CellNumbers.h"
#include "viewer/logic/HorseCharts.h"
#include "viewer/logic/HorseSort.h"
#include "viewer/logic/HorseTable.h"

namespace {

using analysistest::AnalysisRace;
using viewer::RaceOddsRecord;

TEST(ChartValues, CellsAsTheTableShowsThem) {
  struct {
    const char* text;
    double value;
    int32_t hundredths;
  } cases[] = {
      {" -0.05", -0.05, -5}, {"  2.34", 2.34, 234},  {" ﾄﾘｹｼ", 0, 0},
      {" 12.00", 12, 1200},  {"  0.00", 0, 0},       {"-25.10", -25.1, -2510},
      {"     0", 0, 0},      {"100.00", 100, 10000}, {" -0.00", 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(c.value, viewer::ChartValue(c.text)) << testsupport::Readable(c.text);
    EXPECT_EQ(c.hundredths, viewer::HundredthsValue(c.text)) << testsupport::Readable(c.text);
  }
  EXPECT_THROW(viewer::ChartValue("トリケシ"), base::ConversionError);
}

TEST(ChangeScore, TopThreeAndBottomThreeUpperFirst) {
  struct {
    std::vector<double> values;
    std::vector<int32_t> scores;
  } cases[] = {
      {{5}, {3}},
      {{1, 2}, {2, 3}},
      {{3, 1, 2}, {3, 1, 2}},
      {{4, 3, 2, 1}, {3, 2, 1, -3}},
      {{5, 4, 3, 2, 1}, {3, 2, 1, -2, -3}},
      {{6, 5, 4, 3, 2, 1}, {3, 2, 1, -1, -2, -3}},
      {{10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, {3, 2, 1, 0, 0, 0, 0, -1, -2, -3}},
      {{7, 7, 3}, {3, 3, 1}},                                                // ties for the largest
      {{10, 9, 8, 7, 6, 5, 4, 3, 1, 1}, {3, 2, 1, 0, 0, 0, 0, -1, -2, -2}},  // no -3
      {{2, 2, 2, 2}, {3, 3, 3, 3}},
      {{0, -1.5, 0, 4}, {2, -3, 2, 3}},
      {{-0.0, 0, 0.5}, {2, 2, 3}},  // a tiny fall read back from " -0.00" ties with 0
  };
  for (const auto& c : cases) {
    std::vector<int32_t> scores;
    for (std::size_t r = 0; r < c.values.size(); ++r) {
      scores.push_back(viewer::ChangeScore(c.values, r));
    }
    EXPECT_EQ(c.scores, scores) << c.values.size();
  }
}

TEST(SnapshotFilled, SlotAndLabelBeforeNinetyThousand) {
  struct {
    int32_t slot;
    const char* label;
    bool filled;
  } cases[] = {
      {1, "21540", true},  {3, "11700", true}, {0, "21540", false}, {2, "90000", false},
      {2, "95000", false}, {2, "9", true},     {2, "A", false},     {2, "", true},
  };
  for (const auto& c : cases) {
    RaceOddsRecord r = AnalysisRace(3);
    r.SetSlotNumber(4, c.slot);
    r.SetLabel(4, c.label);
    EXPECT_EQ(c.filled, viewer::SnapshotFilled(r, 4)) << c.slot << " " << c.label;
  }
}

// Five runners, horse 3 scratched at the second time, sorted by win rank.
struct SortedTable {
  RaceOddsRecord race = AnalysisRace(5);
  base::TextGrid grid;
  SortedTable() {
    analysistest::SetWinOdds(race, 1, {3.0f, 5.0f, 8.0f, 10.0f, 20.0f});
    analysistest::SetWinOdds(race, 2, {6.0f, 2.5f, 10001.0f, 20.0f, 4.0f});
    analysistest::SetPlaceOdds(race, 1, {1.5f, 2.0f, 2.5f, 3.0f, 4.0f});
    analysistest::SetPlaceOdds(race, 2, {2.0f, 1.2f, 10001.0f, 4.0f, 1.8f});
    analysistest::SetQuinellaShares(race, 1, {30, 25, 20, 15, 10});
    analysistest::SetQuinellaShares(race, 2, {20, 35, 0.5f, 10, 34.5f});
    grid = viewer::BuildHorseTable(race, 1, 2);
    viewer::SortHorseTable(grid, 5, 6, true);
    viewer::MarkScratchedRows(grid, 5);
  }
};

TEST(RebuildHorseCharts, Chart1AndChart2FollowTheTableRows) {
  SortedTable t;
  const viewer::HorseCharts c = viewer::RebuildHorseCharts(t.grid, t.race);
  struct {
    const ui::SeriesPoints& series;
    int column;
    bool hundredths;
    ui::Color color;
  } chart1[] = {
      {c.Series1, 4, false, {0, 196, 0}},  {c.Series2, 8, false, {0, 0, 255}},
      {c.Series3, 11, false, {255, 0, 0}}, {c.Series6, 5, true, {0, 166, 0}},
      {c.Series7, 9, true, {255, 0, 0}},
  };
  for (const auto& s : chart1) {
    ASSERT_EQ(5u, s.series.size()) << s.column;
    for (int row = 1; row <= 5; ++row) {
      const ui::ChartPoint& p = s.series[row - 1];
      const std::string& text = t.grid.Cell(s.column, row);
      const double expected = text == " ﾄﾘｹｼ" ? 0.0
                              : s.hundredths  ? std::round(base::DecimalValue(text) * 100)
                                              : base::DecimalValue(text);
      EXPECT_DOUBLE_EQ(expected, p.value) << s.column << " row " << row;
      EXPECT_EQ(t.grid.Cell(1, row), p.label);
      EXPECT_EQ(s.color, p.color);
      EXPECT_FALSE(p.empty);
    }
  }
  // The scratched horse stands where the sort put it and gives 0 in every series of Chart1.
  int scratched_row = 0;
  for (int row = 1; row <= 5; ++row) {
    if (t.grid.Cell(1, row) == " 3") scratched_row = row;
  }
  ASSERT_NE(0, scratched_row);
  for (const auto* s : {&c.Series1, &c.Series2, &c.Series3, &c.Series6, &c.Series7}) {
    EXPECT_EQ(0.0, (*s)[scratched_row - 1].value);
  }

  struct {
    const ui::SeriesPoints& series;
    int column;
    ui::Color color;
  } chart2[] = {
      {c.Series4, 12, {0, 187, 0}}, {c.Series5, 13, {0, 0, 255}}, {c.Series8, 14, {255, 0, 0}}};
  for (const auto& s : chart2) {
    ASSERT_EQ(5u, s.series.size());
    for (int row = 1; row <= 5; ++row) {
      // Told the long way: rank among the five values, scratched as 0.
      auto value = [&](int r) {
        const std::string& text = t.grid.Cell(s.column, r);
        return text == " ﾄﾘｹｼ" ? 0.0 : base::DecimalValue(text);
      };
      int d = 1;
      for (int other = 1; other <= 5; ++other) d += value(other) > value(row);
      const int expected = d <= 3 ? 4 - d : d == 5 ? -3 : -2;
      EXPECT_EQ(expected, s.series[row - 1].value) << s.column << " row " << row;
      EXPECT_EQ(t.grid.Cell(1, row), s.series[row - 1].label);
      EXPECT_EQ(s.color, s.series[row - 1].color);
    }
  }
}

TEST(RebuildHorseCharts, Chart3InHorseOrderInBracketColoursOverFilledSnapshots) {
  struct {
    int n;
    std::vector<std::pair<int, ui::Color>> horses;  // horse, colour
  } cases[] = {
      {9, {{1, {255, 255, 255}}, {7, {255, 128, 0}}, {8, {255, 0, 255}}, {9, {255, 0, 255}}}},
      {18,
       {{2, {255, 255, 255}},
        {3, {16, 16, 16}},
        {12, {0, 255, 0}},
        {13, {255, 128, 0}},
        {15, {255, 128, 0}},
        {16, {255, 0, 255}},
        {18, {255, 0, 255}}}},
  };
  for (const auto& c : cases) {
    RaceOddsRecord r = AnalysisRace(c.n);
    r.SetLabel(4, "21600");
    r.SetSlotNumber(4, 4);
    for (int k = 1; k <= 18; ++k) {
      for (int s : {1, 2, 4}) r.SetOddsWin(s, k, static_cast<float>(10 * s + k));
    }
    const base::TextGrid grid = viewer::BuildHorseTable(r, 1, 2);
    const viewer::HorseCharts charts = viewer::RebuildHorseCharts(grid, r);
    for (const auto& [horse, color] : c.horses) {
      const ui::SeriesPoints& s = charts.Chart3[horse - 1];
      ASSERT_EQ(3u, s.size()) << c.n << " horse " << horse;
      const char* labels[] = {"1", "2", "4"};
      const int snapshots[] = {1, 2, 4};
      for (int p = 0; p < 3; ++p) {
        EXPECT_EQ(labels[p], s[p].label);
        EXPECT_EQ(10 * snapshots[p] + horse, s[p].value);
        EXPECT_EQ(color, s[p].color) << c.n << " horse " << horse;
      }
    }
    for (int horse = c.n + 1; horse <= 18; ++horse) {
      EXPECT_TRUE(charts.Chart3[horse - 1].empty()) << horse;
    }
  }
}

TEST(RebuildHorseCharts, Chart4PerFilledSnapshotWithRatios) {
  RaceOddsRecord r = AnalysisRace(0);
  r.SetLabel(4, "21600");
  r.SetSlotNumber(4, 4);
  const int32_t totals[][4] = {// win, place, quinella, bracket quinella
                               {1000, 500, 2500, 300},
                               {0, 700, 900, 100},
                               {},
                               {4000, 1000, 6000, 800}};
  for (int s : {1, 2, 4}) {
    r.SetWinVoteTotal(s, totals[s - 1][0]);
    r.SetPlaceVoteTotal(s, totals[s - 1][1]);
    r.SetQuinellaVoteTotal(s, totals[s - 1][2]);
    r.SetBracketQuinellaVoteTotal(s, totals[s - 1][3]);
  }
  const viewer::HorseCharts c = viewer::RebuildHorseCharts(viewer::BuildHorseTable(r, 1, 2), r);
  struct {
    const ui::SeriesPoints& series;
    std::vector<double> values;
    ui::Color color;
  } cases[] = {
      {c.Series27, {0.5, 0, 0.25}, {121, 121, 255}}, {c.Series28, {2.5, 0, 1.5}, {255, 121, 121}},
      {c.Series29, {500, 700, 1000}, {0, 128, 255}}, {c.Series30, {1000, 0, 4000}, {0, 0, 0}},
      {c.Series31, {2500, 900, 6000}, {255, 0, 0}},  {c.Series32, {300, 100, 800}, {0, 255, 0}},
  };
  for (const auto& s : cases) {
    ASSERT_EQ(3u, s.series.size());
    const char* labels[] = {"1", "2", "4"};
    for (int p = 0; p < 3; ++p) {
      EXPECT_DOUBLE_EQ(s.values[p], s.series[p].value) << p;
      EXPECT_EQ(labels[p], s.series[p].label);
      EXPECT_EQ(s.color, s.series[p].color);
    }
  }
  // No runners: the table charts are empty, the vote totals still shown.
  for (const auto* s : {&c.Series1, &c.Series2, &c.Series3, &c.Series4, &c.Series5, &c.Series6,
                        &c.Series7, &c.Series8}) {
    EXPECT_TRUE(s->empty());
  }
  for (const auto& s : c.Chart3) EXPECT_TRUE(s.empty());
}

}  // namespace
