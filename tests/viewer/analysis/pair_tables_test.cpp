#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "base/values.h"
#include "tests/support/sjis_assert.h"
#include "tests/viewer/analysis/analysis_race.h"
#include "viewer/logic/BracketTable.h"
#include "viewer/logic/PairTables.h"
#include "viewer/logic/QuinellaTable.h"
#include "viewer/logic/SortButtons.h"

namespace {

using analysistest::Printf;
using viewer::RaceOddsRecord;

// A change too small for two decimals keeps its sign: 100 -> 100.5 is " -0.00%".
TEST(PairTexts, OddsChangesAndTheirZeroCases) {
  struct {
    float q2, q1;
    const char* change;
  } cases[] = {
      {4.0f, 5.0f, "  4.00%"},     {5.0f, 4.0f, " -4.00%"},       {8.0f, 800.0f, "  9.90%"},
      {1.5f, 100.0f, " 52.53%"},   {0.0f, 5.0f, "  0.00%"},       {5.0f, 0.0f, "  0.00%"},
      {-1.0f, 5.0f, "  0.00%"},    {9999.0f, 9999.0f, "  0.00%"}, {1.0f, 1000.0f, " 79.92%"},
      {100.5f, 100.0f, " -0.00%"}, {99.5f, 100.0f, "  0.00%"},    {37.5f, 37.5f, "  0.00%"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.change, viewer::PairChangeText(c.q2, c.q1)) << c.q2 << " " << c.q1;
  }
  EXPECT_EQ("   12.3", viewer::PairOddsText(12.3f));
  EXPECT_EQ(" 9999.0", viewer::PairOddsText(9999.0f));
  EXPECT_EQ("    0.0", viewer::PairOddsText(0.0f));
  EXPECT_EQ("12345.6", viewer::PairOddsText(12345.6f));
}

TEST(PairSortButtons, NewKeyStartsAscendingSecondPressReverses) {
  struct Press {
    int button;
    int32_t column;
    bool ascending;
  };
  struct {
    std::span<const viewer::SortButton> buttons;
    viewer::SortState start;
    int red_at_start;
    std::vector<Press> presses;  // after the rebuild's press of 単勝 (button 1)
  } windows[] = {
      {viewer::kQuinellaSortButtons,
       viewer::kQuinellaSortStart,
       3,  // 出馬 red in the resource
       {{2, 2, true}, {2, 2, false}, {3, 5, true}, {3, 5, false}, {1, 0, true}}},
      {viewer::kBracketSortButtons,
       viewer::kBracketSortStart,
       4,
       {{2, 3, true}, {2, 3, false}, {3, 5, true}, {4, 8, true}, {4, 8, false}, {1, 0, true}}},
  };
  for (const auto& w : windows) {
    viewer::SortState state = w.start;
    EXPECT_EQ(w.red_at_start, state.red_button);
    state.SortAscending = false;
    ASSERT_TRUE(viewer::PressSortButton(state, w.buttons, 1));
    EXPECT_EQ(0, state.SortColumn);
    EXPECT_TRUE(state.SortAscending);
    for (const Press& p : w.presses) {
      ASSERT_TRUE(viewer::PressSortButton(state, w.buttons, p.button));
      EXPECT_EQ(p.column, state.SortColumn) << p.button;
      EXPECT_EQ(p.ascending, state.SortAscending) << p.button;
      EXPECT_EQ(p.button, state.red_button);
    }
    EXPECT_FALSE(viewer::PressSortButton(state, w.buttons, 5));
  }
}

TEST(CompareRows, ByteWiseTextOrder) {
  struct {
    const char* a;
    const char* b;
    int sign;
  } cases[] = {
      {" 2", "10", -1}, {"10", " 9", 1},          {" 9", " 9", 0},       {"1", "10", -1},
      {"\x81", "a", 1}, {"   0.0", "  12.5", -1}, {" 12.5", " 9.9", -1},
  };
  auto sign = [](int v) { return (v > 0) - (v < 0); };
  for (const auto& c : cases) {
    const std::vector<std::string> a = {c.a}, b = {c.b};
    EXPECT_EQ(c.sign, sign(viewer::CompareRowsAscending(a, b, 0))) << c.a << " " << c.b;
    EXPECT_EQ(-c.sign, sign(viewer::CompareRowsDescending(a, b, 0))) << c.a << " " << c.b;
  }
}

// n runners with quinella odds 10 * i + j for the pair i < j at the second time and
// 12 * i + j at the first; win odds and shares that give every sort key another order.
RaceOddsRecord PairRace(int n) {
  RaceOddsRecord r = analysistest::AnalysisRace(n);
  for (int i = 1; i <= 18; ++i) {
    r.SetOddsWin(2, i, static_cast<float>((i * 7) % 11 + 2));
    r.SetQuinellaShare(2, i, static_cast<float>((i * 5) % 13 + 1));
    for (int j = i + 1; j <= 18; ++j) {
      r.SetOddsQuinella(2, i, j, static_cast<float>(10 * i + j));
      r.SetOddsQuinella(1, i, j, static_cast<float>(12 * i + j));
    }
  }
  return r;
}

// The table's own account of every pair, checked against the record after any sort.
void ExpectPairMatrixOfHorses(const base::TextGrid& grid, const RaceOddsRecord& r, int n) {
  for (int row = 1; row <= n; ++row) {
    const int h = base::IntegerValue(grid.Cell(5, row));
    EXPECT_EQ(h, base::IntegerValue(grid.Cell(5 + row, 0))) << "column of row " << row;
    for (int c = 1; c <= n; ++c) {
      const int g = base::IntegerValue(grid.Cell(5, c));
      const std::string& text = grid.Cell(5 + c, row);
      if (c == row) {
        EXPECT_EQ("   +", text);
        continue;
      }
      const int i = std::min(h, g), j = std::max(h, g);
      if (row > c) {
        EXPECT_EQ(Printf("%7.1f", r.OddsQuinella(2, i, j)), text) << row << "," << c;
      } else {
        const double change = 80.0 / r.OddsQuinella(2, i, j) - 80.0 / r.OddsQuinella(1, i, j);
        EXPECT_EQ(Printf("%6.2f", change) + "%", text) << row << "," << c;
      }
    }
  }
}

TEST(SortQuinellaTable, MatrixColumnsFollowAndNormaliseAfterAnySort) {
  const int n = 6;
  const RaceOddsRecord r = PairRace(n);
  base::TextGrid grid = viewer::BuildQuinellaTable(r, 1, 2);
  ExpectPairMatrixOfHorses(grid, r, n);
  viewer::SortState state = viewer::kQuinellaSortStart;
  for (int button : {1, 1, 2, 3, 2, 2, 3, 3, 1}) {
    viewer::PressSortButton(state, viewer::kQuinellaSortButtons, button);
    viewer::SortQuinellaTable(grid, n, state.SortColumn, state.SortAscending);
    std::vector<std::string> keys;
    for (int row = 1; row <= n; ++row) keys.push_back(grid.Cell(state.SortColumn, row));
    EXPECT_TRUE(state.SortAscending ? std::is_sorted(keys.begin(), keys.end())
                                    : std::is_sorted(keys.rbegin(), keys.rend()))
        << "button " << button;
    ExpectPairMatrixOfHorses(grid, r, n);
  }
}

TEST(SortQuinellaTable, ColumnsBeyondTheRunnersKeepTheirHeadersOverBlanks) {
  const int n = 10;
  base::TextGrid grid = viewer::BuildQuinellaTable(PairRace(n), 1, 2);
  viewer::SortQuinellaTable(grid, n, 0, false);
  for (int col = 16; col <= 23; ++col) {
    EXPECT_EQ(std::to_string(col - 5), grid.Cell(col, 0));
    for (int row = 1; row <= 18; ++row) EXPECT_EQ(" ", grid.Cell(col, row)) << col << " " << row;
  }
  for (int row = n + 1; row <= 18; ++row) {
    for (int col = 6; col <= 15; ++col) EXPECT_EQ(" ", grid.Cell(col, row));
  }
}

TEST(NormalisePairMatrix, ChangesBelowTheDiagonalGoAbove) {
  base::TextGrid grid(9 + 3, 4, " ");
  // Bracket layout, three rows: changes and odds written on the wrong sides.
  grid.SetCell(9, 2, " -1.00%");  // (row 2, column of row 1)
  grid.SetCell(10, 1, "   12.0");
  grid.SetCell(11, 1, "  2.00%");  // already above
  grid.SetCell(9, 3, "   30.0");
  grid.SetCell(10, 3, "  0.00%");
  grid.SetCell(11, 2, "   40.0");
  viewer::NormalisePairMatrix(grid, viewer::kBracketLayout, 3);
  EXPECT_EQ(" -1.00%", grid.Cell(10, 1));
  EXPECT_EQ("   12.0", grid.Cell(9, 2));
  EXPECT_EQ("  2.00%", grid.Cell(11, 1));
  EXPECT_EQ("   30.0", grid.Cell(9, 3));
  EXPECT_EQ("  0.00%", grid.Cell(11, 2));
  EXPECT_EQ("   40.0", grid.Cell(10, 3));
}

}  // namespace
