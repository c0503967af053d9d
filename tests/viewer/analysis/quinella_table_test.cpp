#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/csv.h"
#include "tests/support/sjis_assert.h"
#include "tests/viewer/analysis/analysis_race.h"
#include "viewer/logic/QuinellaTable.h"

namespace {

using analysistest::AnalysisRace;
using ui::Color;
using viewer::RaceOddsRecord;

TEST(WinPopularity, OddsZeroShowsNPlusOneAndRaisesTheOthers) {
  struct {
    std::vector<float> odds;
    std::vector<int32_t> popularity;
  } cases[] = {
      {{2, 3, 3, 5}, {1, 2, 2, 4}},
      {{2, 0, 5}, {2, 4, 3}},
      {{0, 0, 4}, {4, 4, 3}},
      {{7}, {1}},
      {{0}, {2}},
      {{}, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.popularity, viewer::WinPopularity(c.odds, static_cast<int32_t>(c.odds.size())));
  }
}

// Three runners: win odds 5.0 / 0 / 2.5, quinella shares 40 / 10.5 / 49.5, pair odds
// 1-2: 12.0 then 8.0, 1-3: 3.5 then 4.0, 2-3: 25.0 then 0.
RaceOddsRecord ThreeRunners() {
  RaceOddsRecord r = AnalysisRace(3);
  analysistest::SetWinOdds(r, 2, {5.0f, 0.0f, 2.5f});
  analysistest::SetQuinellaShares(r, 2, {40.0f, 10.5f, 49.5f});
  r.SetOddsQuinella(1, 1, 2, 12.0f);
  r.SetOddsQuinella(2, 1, 2, 8.0f);
  r.SetOddsQuinella(1, 1, 3, 3.5f);
  r.SetOddsQuinella(2, 1, 3, 4.0f);
  r.SetOddsQuinella(1, 2, 3, 25.0f);
  r.SetOddsQuinella(2, 2, 3, 0.0f);
  return r;
}

TEST(BuildQuinellaTable, EveryCellOfThreeRunners) {
  const base::TextGrid grid = viewer::BuildQuinellaTable(ThreeRunners(), 1, 2);
  ASSERT_EQ(24, grid.ColCount());
  ASSERT_EQ(19, grid.RowCount());
  EXPECT_FIELDS_EQ(base::SplitCsvLine(viewer::kQuinellaTableHeader), grid.RowTexts(0));
  // 80/8 - 80/12 = 3.33; 80/4 - 80/3.5 = -2.86; odds 0 at the second time: 0.00.
  const std::vector<std::vector<std::string>> rows = {
      {" 3", "   5.0", " 2", " 40.00", "１", " 1", "   +", "  3.33%", " -2.86%"},
      {" 4", "   0.0", " 3", " 10.50", "２", " 2", "    8.0", "   +", "  0.00%"},
      {" 2", "   2.5", " 1", " 49.50", "３", " 3", "    4.0", "    0.0", "   +"},
  };
  for (int row = 1; row <= 3; ++row) {
    std::vector<std::string> cells(grid.RowTexts(row).begin(), grid.RowTexts(row).begin() + 9);
    EXPECT_FIELDS_EQ(rows[row - 1], cells) << row;
    for (int col = 9; col < 24; ++col) EXPECT_EQ(" ", grid.Cell(col, row)) << col;
  }
  // Rows 4 to 6 keep the bracket digits of the list for up to six runners.
  EXPECT_SJIS_EQ("４", grid.Cell(4, 4));
  EXPECT_SJIS_EQ("６", grid.Cell(4, 6));
  EXPECT_EQ(" ", grid.Cell(4, 7));
  EXPECT_EQ(" ", grid.Cell(5, 4));
}

// A pair whose share fell by less than half a hundredth shows " -0.00%", painted red as
// the fall it is; one that did not move shows "  0.00%". The charts read both as 0.
TEST(BuildQuinellaTable, ATinyFallKeepsItsMinusSign) {
  RaceOddsRecord r = ThreeRunners();
  r.SetOddsQuinella(1, 1, 2, 100.0f);
  r.SetOddsQuinella(2, 1, 2, 100.5f);  // 80/100.5 - 80/100 = -0.004
  r.SetOddsQuinella(1, 1, 3, 37.5f);
  r.SetOddsQuinella(2, 1, 3, 37.5f);
  const base::TextGrid grid = viewer::BuildQuinellaTable(r, 1, 2);
  EXPECT_EQ(" -0.00%", grid.Cell(7, 1));
  EXPECT_EQ("  0.00%", grid.Cell(8, 1));
  const viewer::HorseMarks no_marks{};
  EXPECT_EQ(ui::kRed, viewer::QuinellaCellStyle(grid, 3, no_marks, 7, 1).font);
  EXPECT_EQ(ui::kBlack, viewer::QuinellaCellStyle(grid, 3, no_marks, 8, 1).font);
  const viewer::QuinellaCharts c = viewer::FillQuinellaCharts(grid, 3);
  ASSERT_EQ(3u, c.Series4.size());
  EXPECT_EQ(0.0, c.Series4[1].value);
  EXPECT_EQ(0.0, c.Series4[2].value);
}

TEST(BuildQuinellaTable, BracketColumnAndNoRunners) {
  struct {
    int n;
    std::vector<const char*> brackets;
  } cases[] = {
      {0, {}},
      {5, {"１", "２", "３", "４", "５", "６"}},
      {10, {"１", "２", "３", "４", "５", "６", "７", "７", "８", "８"}},
      {18,
       {"１", "１", "２", "２", "３", "３", "４", "４", "５", "５", "６", "６", "７", "７", "７",
        "８", "８", "８"}},
  };
  for (const auto& c : cases) {
    const base::TextGrid grid = viewer::BuildQuinellaTable(AnalysisRace(c.n), 1, 2);
    for (int row = 1; row <= 18; ++row) {
      const std::string expected =
          row <= static_cast<int>(c.brackets.size()) ? c.brackets[row - 1] : " ";
      EXPECT_SJIS_EQ(expected, grid.Cell(4, row)) << c.n << " row " << row;
    }
  }
  const base::TextGrid none = viewer::BuildQuinellaTable(AnalysisRace(0), 1, 2);
  for (int row = 1; row <= 18; ++row) {
    for (int col = 0; col < 24; ++col) EXPECT_EQ(" ", none.Cell(col, row));
  }
}

TEST(QuinellaCellStyle, RulesInOrder) {
  const Color white{255, 255, 255}, grey{233, 233, 233}, pink{255, 151, 194}, light{255, 213, 236},
      deep{255, 81, 146};
  viewer::HorseMarks marks{};
  marks[2] = 1;
  marks[3] = 3;
  marks[1] = 5;  // foreign: nothing
  struct {
    int col, row;
    const char* text;
    Color brush;
    Color font;
  } cases[] = {
      {4, 5, "５", {244, 252, 105}, ui::kBlack},  // a bracket digit beyond the runners
      {7, 0, "2", grey, ui::kBlack},
      {5, 1, " 1", {244, 244, 244}, ui::kBlack},  // horse 1's foreign mark shows nothing
      {5, 4, " ", white, ui::kBlack},
      {6, 1, "   +", {208, 249, 233}, ui::kBlack},
      {8, 3, "   +", {208, 249, 233}, ui::kBlack},
      {5, 2, " 2", deep, ui::kBlack},
      {1, 2, "   5.0", deep, ui::kBlack},
      {0, 2, " 3", white, ui::kBlack},  // marks colour columns 1 and 5 only
      {3, 2, " 20.00", white, ui::kBlack},
      {1, 3, "   5.0", light, ui::kBlack},
      {6, 2, "    0.9", white, ui::kBlack},
      {6, 2, "    1.0", pink, ui::kBlack},
      {6, 2, "    9.9", pink, ui::kBlack},
      {6, 2, "   10.0", light, ui::kBlack},
      {6, 2, "   22.0", light, ui::kBlack},
      {6, 2, "   25.0", light, ui::kBlack},
      {6, 2, "   25.1", white, ui::kBlack},
      {7, 3, "   99.9", white, ui::kBlack},
      {7, 3, "  100.0", grey, ui::kBlack},
      {7, 3, " 9999.0", grey, ui::kBlack},
      {7, 1, "   12.0", white, ui::kBlack},  // above the diagonal: no odds rule
      {7, 1, " -1.20%", white, ui::kRed},
      {6, 4, "    5.0", white, ui::kBlack},  // below the last runner
      {3, 1, "  4.99", white, ui::kBlack},
      {3, 1, "  5.00", {255, 255, 136}, ui::kBlack},
      {3, 1, " 16.00", {255, 255, 136}, ui::kBlack},
      {3, 1, " 16.01", white, ui::kBlack},
  };
  for (const auto& c : cases) {
    base::TextGrid grid(24, 19, " ");
    for (int row = 1; row <= 3; ++row) grid.SetCell(5, row, " " + std::to_string(row));
    grid.SetCell(c.col, c.row, c.text);
    const ui::CellStyle style = viewer::QuinellaCellStyle(grid, 3, marks, c.col, c.row);
    EXPECT_EQ(c.brush, style.brush)
        << c.col << "," << c.row << " " << testsupport::Readable(c.text);
    EXPECT_EQ(c.font, style.font) << c.col << "," << c.row << " " << c.text;
    EXPECT_TRUE(style.font_name.empty());
  }
}

TEST(FillQuinellaCharts, PointsInTableOrderWithEmptyPointsFirst) {
  RaceOddsRecord r = ThreeRunners();
  base::TextGrid grid = viewer::BuildQuinellaTable(r, 1, 2);
  viewer::SortQuinellaTable(grid, 3, 0, true);  // popularity: horses 3, 1, 2
  const viewer::QuinellaCharts c = viewer::FillQuinellaCharts(grid, 3);
  auto labels = [](const ui::SeriesPoints& s) {
    std::vector<std::string> l;
    for (const auto& p : s) l.push_back(p.empty ? "(empty)" : p.label);
    return l;
  };
  auto values = [](const ui::SeriesPoints& s) {
    std::vector<double> v;
    for (const auto& p : s) v.push_back(p.empty ? -1 : p.value);
    return v;
  };
  EXPECT_FIELDS_EQ((std::vector<std::string>{" 3", " 1", " 2"}), labels(c.Series1));
  EXPECT_EQ((std::vector<double>{49.5, 40, 10.5}), values(c.Series1));
  EXPECT_EQ((std::vector<double>{2.5, 5, 0}), values(c.Series2));
  // Row 1 is horse 3: its pairs with horse 1 (4.0) and horse 2 (0.0).
  EXPECT_FIELDS_EQ((std::vector<std::string>{"(empty)", " 1", " 2"}), labels(c.Series3));
  EXPECT_EQ((std::vector<double>{-1, 4.0, 0.0}), values(c.Series3));
  EXPECT_EQ((std::vector<double>{-1, -1, 8.0}), values(c.Series7));  // horses 1 and 2
  // Share changes of the pairs of the horses in rows 1 to 3 with each row's horse.
  EXPECT_EQ((std::vector<double>{0, -2.86, 0}), values(c.Series4));
  EXPECT_EQ((std::vector<double>{-2.86, 0, 3.33}), values(c.Series5));
  EXPECT_EQ((std::vector<double>{0, 3.33, 0}), values(c.Series6));
  EXPECT_FIELDS_EQ((std::vector<std::string>{" 3", " 1", " 2"}), labels(c.Series6));
  struct {
    const ui::SeriesPoints& s;
    Color color;
  } colours[] = {{c.Series1, {175, 175, 175}}, {c.Series2, {0, 0, 0}},   {c.Series3, {255, 0, 0}},
                 {c.Series7, {0, 128, 255}},   {c.Series4, {255, 0, 0}}, {c.Series5, {0, 0, 255}},
                 {c.Series6, {0, 255, 0}}};
  for (const auto& k : colours) {
    for (const auto& p : k.s) {
      if (!p.empty) {
        EXPECT_EQ(k.color, p.color);
      }
    }
  }
}

TEST(FillQuinellaCharts, OneAndTwoRowsAndNone) {
  struct {
    int n;
    std::size_t series3, series7, series4, series5, series6;
  } cases[] = {{0, 1, 2, 0, 0, 0}, {1, 1, 2, 1, 0, 0}, {2, 2, 2, 2, 2, 0}};
  for (const auto& c : cases) {
    RaceOddsRecord r = AnalysisRace(c.n);
    r.SetOddsQuinella(2, 1, 2, 6.5f);
    base::TextGrid grid = viewer::BuildQuinellaTable(r, 1, 2);
    viewer::SortQuinellaTable(grid, c.n, 0, true);
    const viewer::QuinellaCharts charts = viewer::FillQuinellaCharts(grid, c.n);
    EXPECT_EQ(c.series3, charts.Series3.size()) << c.n;
    EXPECT_EQ(c.series7, charts.Series7.size()) << c.n;
    EXPECT_EQ(c.series4, charts.Series4.size()) << c.n;
    EXPECT_EQ(c.series5, charts.Series5.size()) << c.n;
    EXPECT_EQ(c.series6, charts.Series6.size()) << c.n;
    EXPECT_TRUE(charts.Series3[0].empty);
    EXPECT_TRUE(charts.Series7[0].empty && charts.Series7[1].empty);
    EXPECT_EQ(static_cast<std::size_t>(c.n), charts.Series1.size());
  }
}

}  // namespace
