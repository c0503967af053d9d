#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/csv.h"
#include "base/values.h"
#include "tests/support/sjis_assert.h"
#include "tests/viewer/analysis/analysis_race.h"
#include "viewer/logic/BracketTable.h"
#include "viewer/logic/Brackets.h"

namespace {

using analysistest::AnalysisRace;
using analysistest::Printf;
using ui::Color;
using viewer::RaceOddsRecord;

TEST(BracketRows, CountAndHorsesOfEachBracket) {
  struct {
    int32_t n;
    int32_t rows;
    std::vector<std::vector<int32_t>> horses;  // of brackets 1 to 8
  } cases[] = {
      {5, 5, {{1}, {2}, {3}, {4}, {5}, {}, {}, {}}},
      {8, 8, {{1}, {2}, {3}, {4}, {5}, {6}, {7}, {8}}},
      {9, 8, {{1}, {2}, {3}, {4}, {5}, {6}, {7}, {8, 9}}},
      {12, 8, {{1}, {2}, {3}, {4}, {5, 6}, {7, 8}, {9, 10}, {11, 12}}},
      {18, 8, {{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}, {11, 12}, {13, 14, 15}, {16, 17, 18}}},
      {0, 0, {{}, {}, {}, {}, {}, {}, {}, {}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.rows, viewer::BracketRowCount(c.n)) << c.n;
    for (int b = 1; b <= 8; ++b) {
      EXPECT_EQ(c.horses[b - 1], viewer::HorsesOfBracket(c.n, b)) << c.n << " bracket " << b;
    }
  }
  EXPECT_EQ(8, viewer::BracketRowCount(25));
  EXPECT_EQ(0, viewer::BracketRowCount(-3));
}

TEST(MostPopularHorse, LowestOddsWithTheTieRules) {
  std::vector<float> odds(18, 50.0f);
  odds[4] = odds[5] = 3.0f;    // horses 5 and 6
  odds[12] = odds[13] = 4.0f;  // horses 13 and 14, horse 15 higher
  odds[15] = 9.0f;
  odds[16] = 8.0f;
  odds[17] = 8.5f;
  struct {
    std::vector<int32_t> horses;
    int32_t favourite;
  } cases[] = {
      {{5, 6}, 6},                             // two on equal odds: the second
      {{4, 5}, 5},                             // two: the lower odds
      {{6, 7}, 6},        {{13, 14, 15}, 13},  // three, equal lowest: the lowest number
      {{16, 17, 18}, 17}, {{3}, 3},           {{}, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.favourite, viewer::MostPopularHorse(c.horses, odds)) << c.horses.size();
  }
}

TEST(SameBracketText, PlusFor9999ZeroAndExactlyOne) {
  struct {
    float odds;
    const char* text;
  } cases[] = {{9999.0f, "   +"}, {0.0f, "   +"},       {1.0f, "   +"},     {1.5f, "    1.5"},
               {9998.5f, "   +"}, {9998.0f, " 9998.0"}, {1.01f, "    1.0"}, {12.3f, "   12.3"}};
  for (const auto& c : cases) EXPECT_EQ(c.text, viewer::SameBracketText(c.odds)) << c.odds;
}

// Twelve runners: horses 5 and 6 share bracket 5 on equal odds; horse 12 has no odds.
RaceOddsRecord TwelveRunners() {
  RaceOddsRecord r = AnalysisRace(12);
  analysistest::SetWinOdds(
      r, 2, {2.0f, 30.0f, 12.0f, 8.0f, 6.0f, 6.0f, 15.0f, 25.0f, 40.0f, 3.0f, 80.0f, 0.0f});
  for (int k = 1; k <= 12; ++k) r.SetQuinellaShare(2, k, static_cast<float>(k) + 0.25f);
  const float bracket_shares[] = {30, 5, 7, 9, 11, 13, 10, 15};
  for (int b = 1; b <= 8; ++b) {
    r.SetBracketQuinellaShare(2, b, bracket_shares[b - 1]);
    for (int j = b; j <= 8; ++j) {
      r.SetOddsBracketQuinella(2, b, j, static_cast<float>(10 * b + j));
      r.SetOddsBracketQuinella(1, b, j, static_cast<float>(8 * b + j));
    }
  }
  r.SetOddsBracketQuinella(2, 1, 1, 9999.0f);
  r.SetOddsBracketQuinella(2, 5, 5, 1.0f);
  r.SetOddsBracketQuinella(2, 6, 6, 1.5f);
  return r;
}

TEST(BuildBracketTable, TwelveRunners) {
  const RaceOddsRecord r = TwelveRunners();
  const base::TextGrid grid = viewer::BuildBracketTable(r, 1, 2);
  ASSERT_EQ(17, grid.ColCount());
  ASSERT_EQ(9, grid.RowCount());
  EXPECT_FIELDS_EQ(base::SplitCsvLine(viewer::kBracketTableHeader), grid.RowTexts(0));
  // Brackets 1-4 hold horses 1-4, 5-8 hold 5-6, 7-8, 9-10, 11-12; favourites 1, 2, 3, 4, 6
  // (equal odds: the second), 7, 10, 12 (odds 0).
  const char* favourites[] = {" 1", " 2", " 3", " 4", " 6", " 7", "10", "12"};
  const char* odds[] = {"   2.0", "  30.0", "  12.0", "   8.0",
                        "   6.0", "  15.0", "   3.0", "   0.0"};
  // Popularity on the shown odds texts; "   0.0" shows m + 1 and raises every other by one.
  const char* popularity[] = {" 2", " 8", " 6", " 5", " 4", " 7", " 3", " 9"};
  const char* sums[] = {"  1.25", "  2.25", "  3.25", "  4.25",
                        " 11.50", " 15.50", " 19.50", " 23.50"};
  const char* sum_ranks[] = {" 8", " 7", " 6", " 5", " 4", " 3", " 2", " 1"};
  const char* shares[] = {" 30.00", "  5.00", "  7.00", "  9.00",
                          " 11.00", " 13.00", " 10.00", " 15.00"};
  const char* share_ranks[] = {" 1", " 8", " 7", " 6", " 4", " 3", " 5", " 2"};
  for (int b = 1; b <= 8; ++b) {
    EXPECT_EQ(popularity[b - 1], grid.Cell(0, b)) << b;
    EXPECT_EQ(favourites[b - 1], grid.Cell(1, b)) << b;
    EXPECT_EQ(odds[b - 1], grid.Cell(2, b)) << b;
    EXPECT_EQ(sum_ranks[b - 1], grid.Cell(3, b)) << b;
    EXPECT_EQ(sums[b - 1], grid.Cell(4, b)) << b;
    EXPECT_EQ(share_ranks[b - 1], grid.Cell(5, b)) << b;
    EXPECT_EQ(shares[b - 1], grid.Cell(6, b)) << b;
    EXPECT_SJIS_EQ(viewer::BracketDigit(b), grid.Cell(7, b)) << b;
    EXPECT_EQ(" " + std::to_string(b), grid.Cell(8, b));
    for (int i = 1; i <= 8; ++i) {
      const std::string& cell = grid.Cell(8 + i, b);
      if (i == b) continue;
      if (b > i) {
        EXPECT_EQ(Printf("%7.1f", 10 * i + b), cell) << i << "-" << b;
      } else {
        EXPECT_EQ(Printf("%6.2f", 80.0 / (10 * b + i) - 80.0 / (8 * b + i)) + "%", cell);
      }
    }
  }
  EXPECT_EQ("   +", grid.Cell(9, 1));   // 9999
  EXPECT_EQ("   +", grid.Cell(13, 5));  // 1.0
  EXPECT_EQ("    1.5", grid.Cell(14, 6));
  EXPECT_EQ("   77.0", grid.Cell(15, 7));
}

// A bracket pair whose share fell by less than half a hundredth shows " -0.00%" in red;
// one that did not move "  0.00%".
TEST(BuildBracketTable, ATinyFallKeepsItsMinusSign) {
  RaceOddsRecord r = TwelveRunners();
  r.SetOddsBracketQuinella(1, 1, 2, 100.0f);
  r.SetOddsBracketQuinella(2, 1, 2, 100.5f);  // 80/100.5 - 80/100 = -0.004
  r.SetOddsBracketQuinella(1, 1, 3, 37.5f);
  r.SetOddsBracketQuinella(2, 1, 3, 37.5f);
  const base::TextGrid grid = viewer::BuildBracketTable(r, 1, 2);
  EXPECT_EQ(" -0.00%", grid.Cell(10, 1));
  EXPECT_EQ("  0.00%", grid.Cell(11, 1));
  EXPECT_EQ(ui::kRed, viewer::BracketCellStyle(grid, 8, 10, 1).font);
  EXPECT_EQ(ui::kBlack, viewer::BracketCellStyle(grid, 8, 11, 1).font);
}

TEST(BuildBracketTable, FiveRunnersAndEighteen) {
  RaceOddsRecord five = AnalysisRace(5);
  analysistest::SetQuinellaShares(five, 2, {10, 20, 30, 25, 15});
  for (int b = 1; b <= 8; ++b) five.SetBracketQuinellaShare(2, b, 99.0f);
  base::TextGrid grid = viewer::BuildBracketTable(five, 1, 2);
  for (int b = 1; b <= 5; ++b) {
    EXPECT_EQ(grid.Cell(4, b), grid.Cell(6, b)) << b;  // both the horse's quinella share
  }
  EXPECT_EQ(" 30.00", grid.Cell(6, 3));
  EXPECT_SJIS_EQ("６", grid.Cell(7, 6));
  for (int col = 0; col < 17; ++col) {
    if (col != 7) {
      EXPECT_EQ(" ", grid.Cell(col, 6)) << col;
    }
  }
  EXPECT_EQ(" ", grid.Cell(7, 7));
  viewer::SortBracketTable(grid, 5, 5, true);
  for (int col = 14; col <= 16; ++col) {
    EXPECT_SJIS_EQ(viewer::BracketDigit(col - 8), grid.Cell(col, 0));
    for (int row = 1; row <= 8; ++row) EXPECT_EQ(" ", grid.Cell(col, row)) << col << " " << row;
  }

  RaceOddsRecord eighteen = AnalysisRace(18);
  std::vector<float> odds(18, 20.0f);
  odds[12] = odds[14] = 5.0f;  // bracket 7: horses 13 and 15 on the lowest odds
  odds[15] = 9.0f;
  odds[16] = 7.0f;
  analysistest::SetWinOdds(eighteen, 2, odds);
  grid = viewer::BuildBracketTable(eighteen, 1, 2);
  EXPECT_EQ("13", grid.Cell(1, 7));
  EXPECT_EQ("17", grid.Cell(1, 8));
  EXPECT_SJIS_EQ("８", grid.Cell(7, 8));
}

TEST(SortBracketTable, MatrixFollowsItsBracketsAfterEverySort) {
  const RaceOddsRecord r = TwelveRunners();
  base::TextGrid grid = viewer::BuildBracketTable(r, 1, 2);
  for (const auto& [column, ascending] : std::vector<std::pair<int, bool>>{
           {0, true}, {3, true}, {3, false}, {5, true}, {8, false}, {8, true}}) {
    viewer::SortBracketTable(grid, 8, column, ascending);
    for (int row = 1; row <= 8; ++row) {
      const int b = base::IntegerValue(grid.Cell(8, row));
      EXPECT_EQ(b, viewer::BracketDigitValue(grid.Cell(8 + row, 0))) << column << " " << row;
      for (int c = 1; c <= 8; ++c) {
        const int other = base::IntegerValue(grid.Cell(8, c));
        const std::string& cell = grid.Cell(8 + c, row);
        if (c == row) {
          EXPECT_EQ(viewer::SameBracketText(r.OddsBracketQuinella(2, b, b)), cell);
        } else if (row > c) {
          EXPECT_EQ(
              Printf("%7.1f", r.OddsBracketQuinella(2, std::min(b, other), std::max(b, other))),
              cell);
        } else {
          EXPECT_EQ('%', cell.back()) << column << " " << row << "," << c;
        }
      }
    }
  }
  EXPECT_EQ(viewer::BuildBracketTable(r, 1, 2), grid);  // 出馬 ascending: all back in place
}

TEST(BracketCellStyle, RulesInOrderAndTheLimitOf20) {
  const Color white{255, 255, 255}, grey{233, 233, 233}, pink{255, 151, 194}, light{255, 213, 236};
  struct {
    int col, row;
    const char* text;
    Color brush;
    Color font;
  } cases[] = {
      {11, 0, "３", {253, 96, 91}, ui::kBlack},  // a header digit in its bracket colour
      {3, 0, "順", grey, ui::kBlack},
      {7, 6, "６", {134, 240, 83}, ui::kBlack},
      {8, 2, " 2", grey, ui::kBlack},
      {8, 4, " ", white, ui::kBlack},
      {10, 2, "   +", {208, 249, 233}, ui::kBlack},
      {10, 2, "    1.5", {208, 249, 233}, ui::kBlack},  // a diagonal number is not odds
      {9, 2, "    9.9", pink, ui::kBlack},
      {9, 2, "   10.0", light, ui::kBlack},
      {9, 2, "   20.0", light, ui::kBlack},
      {9, 2, "   22.0", white, ui::kBlack},  // 22 stays white here, pink in the quinella table
      {9, 3, "  100.0", grey, ui::kBlack},
      {10, 1, "   22.0", white, ui::kBlack},
      {10, 1, " -3.10%", white, ui::kRed},
      {9, 4, "    5.0", white, ui::kBlack},
  };
  for (const auto& c : cases) {
    base::TextGrid grid(17, 9, " ");
    grid.SetCell(c.col, c.row, c.text);
    const ui::CellStyle style = viewer::BracketCellStyle(grid, 3, c.col, c.row);
    EXPECT_EQ(c.brush, style.brush)
        << c.col << "," << c.row << " " << testsupport::Readable(c.text);
    EXPECT_EQ(c.font, style.font) << c.col << "," << c.row;
  }
}

TEST(FillBracketCharts, TableOrderAndSnapshotsWithVotes) {
  RaceOddsRecord r = TwelveRunners();
  for (int s = 1; s <= 6; ++s) {
    r.SetSlotNumber(s, s == 3 ? 0 : s);
    r.SetWinVoteTotal(s, s == 5 ? 0 : 1000 * s);
    for (int b = 1; b <= 8; ++b) r.SetBracketQuinellaShare(s, b, static_cast<float>(10 * s + b));
  }
  base::TextGrid grid = viewer::BuildBracketTable(r, 1, 2);
  viewer::SortBracketTable(grid, 8, 0, true);
  const viewer::BracketCharts c = viewer::FillBracketCharts(grid, r);
  ASSERT_EQ(8u, c.Series1.size());
  for (int row = 1; row <= 8; ++row) {
    EXPECT_EQ(grid.Cell(8, row), c.Series1[row - 1].label);
    EXPECT_DOUBLE_EQ(base::DecimalValue(grid.Cell(6, row)), c.Series1[row - 1].value);
    EXPECT_DOUBLE_EQ(base::DecimalValue(grid.Cell(2, row)), c.Series2[row - 1].value);
  }
  ASSERT_EQ(8u, c.Series3.size());
  EXPECT_TRUE(c.Series3[0].empty);
  EXPECT_DOUBLE_EQ(base::DecimalValue(grid.Cell(9, 5)), c.Series3[4].value);
  ASSERT_EQ(8u, c.Series4.size());
  EXPECT_TRUE(c.Series4[0].empty && c.Series4[1].empty);
  EXPECT_DOUBLE_EQ(base::DecimalValue(grid.Cell(10, 3)), c.Series4[2].value);
  EXPECT_EQ((Color{255, 0, 0}), c.Series3[1].color);
  for (int b = 1; b <= 8; ++b) {
    const ui::SeriesPoints& s = c.Chart2[b - 1];
    ASSERT_EQ(4u, s.size()) << b;  // snapshots 1, 2, 4, 6
    const int snapshots[] = {1, 2, 4, 6};
    for (int p = 0; p < 4; ++p) {
      EXPECT_EQ(std::to_string(snapshots[p]), s[p].label);
      EXPECT_DOUBLE_EQ(10 * snapshots[p] + b, s[p].value);
      EXPECT_EQ(viewer::BracketColours(b), s[p].color);
    }
  }
}

TEST(FillBracketCharts, FewBracketsLeaveTheRestEmpty) {
  for (int n : {0, 1, 2, 5}) {
    RaceOddsRecord r = AnalysisRace(n);
    r.SetWinVoteTotal(1, 100);
    r.SetWinVoteTotal(2, 100);
    base::TextGrid grid = viewer::BuildBracketTable(r, 1, 2);
    viewer::SortBracketTable(grid, n, 0, true);
    const viewer::BracketCharts c = viewer::FillBracketCharts(grid, r);
    EXPECT_EQ(static_cast<std::size_t>(n), c.Series1.size());
    EXPECT_EQ(static_cast<std::size_t>(std::max(n, 1)), c.Series3.size()) << n;
    EXPECT_EQ(static_cast<std::size_t>(std::max(n, 2)), c.Series4.size()) << n;
    for (int b = 1; b <= 8; ++b)
      EXPECT_EQ(b <= n ? 2u : 0u, c.Chart2[b - 1].size()) << n << " " << b;
  }
}

}  // namespace
