#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "base/csv.h"
#include "base/errors.h"
#include "tests/support/sjis_assert.h"
#include "tests/viewer/analysis/analysis_race.h"
#include "viewer/logic/HorseColours.h"
#include "viewer/logic/HorseTable.h"

namespace {

using analysistest::AnalysisRace;
using analysistest::ExpectedShares;
using analysistest::Printf;
using viewer::RaceOddsRecord;

TEST(VoteShare, PercentOfInverseOdds) {
  const std::vector<std::vector<float>> cases = {
      {2.0f, 4.0f, 4.0f},
      {2.5f, 5.0f, 10.0f, 10.0f},
      {1.1f, 3.7f, 12.4f, 87.9f, 250.3f},
      {2.0f, 0.0f},
      {0.0f, 0.0f},
      {5.0f},
      {1.5f, 10001.0f, 7.3f},
  };
  for (const auto& odds : cases) {
    const std::vector<float> shares = viewer::VoteShare(odds, static_cast<int>(odds.size()));
    const std::vector<double> expected = ExpectedShares(odds);
    ASSERT_EQ(odds.size(), shares.size());
    double sum = 0;
    for (std::size_t i = 0; i < odds.size(); ++i) {
      EXPECT_NEAR(expected[i], shares[i], 1e-4 * expected[i]) << "horse " << i + 1;
      sum += shares[i];
    }
    EXPECT_NEAR(100.0, sum, 1e-3);
  }
  // The texts the table shows for 2.0, 4.0 and 4.0.
  const std::vector<float> shares = viewer::VoteShare({2.0f, 4.0f, 4.0f}, 3);
  EXPECT_EQ(" 50.00", Printf("%6.2f", shares[0]));
  EXPECT_EQ(" 25.00", Printf("%6.2f", shares[1]));
  EXPECT_EQ(" 25.00", Printf("%6.2f", shares[2]));
}

TEST(VoteShare, CountsOnlyTheFirstHorsesAndNoneGivesNothing) {
  const std::vector<float> shares = viewer::VoteShare({2.0f, 2.0f, 1.0f, 1.0f}, 2);
  ASSERT_EQ(2u, shares.size());
  EXPECT_FLOAT_EQ(50.0f, shares[0]);
  EXPECT_FLOAT_EQ(50.0f, shares[1]);
  EXPECT_TRUE(viewer::VoteShare({2.0f}, 0).empty());
}

TEST(RankDescending, LargestFirstTiesShareARank) {
  struct {
    std::vector<float> values;
    int count;
    std::vector<int32_t> ranks;
  } cases[] = {
      {{5, 7, 7, 1}, 4, {3, 1, 1, 4}},
      {{50, 25, 25}, 3, {1, 2, 2}},
      {{3, 3, 3}, 3, {1, 1, 1}},
      {{1, 2, 3, 4}, 4, {4, 3, 2, 1}},
      {{9, 1, 99}, 2, {1, 2}},  // the third value is not among the counted ones
      {{4}, 1, {1}},
      {{}, 0, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.ranks, viewer::RankDescending(c.values, c.count)) << c.values.size();
  }
}

TEST(ColumnWriters, FormatsAndZeroAsBlank) {
  base::TextGrid grid(3, 4, " ");
  viewer::WriteFloatColumn(grid, {1.25f, -3.5f, 250.0f}, 2, 0, 6, 1);
  EXPECT_EQ("   1.2", grid.Cell(0, 1));
  EXPECT_EQ("  -3.5", grid.Cell(0, 2));
  EXPECT_EQ(" ", grid.Cell(0, 3));  // beyond the count
  viewer::WriteIntColumn(grid, {0, 7, 12}, 3, 1, 2);
  EXPECT_EQ(" ", grid.Cell(1, 1));
  EXPECT_EQ(" 7", grid.Cell(1, 2));
  EXPECT_EQ("12", grid.Cell(1, 3));
  EXPECT_EQ(" ", grid.Cell(1, 0));  // the header row is not written
}

TEST(WriteDifferenceColumn, ReadsTheShownTexts) {
  struct {
    const char* a;
    const char* b;
    const char* difference;  // b - a
  } cases[] = {
      {"  1.05", "  3.00", "  1.95"}, {"  2.00", " -1.05", " -3.05"},
      {" 12.34", " 12.34", "  0.00"}, {" 10.00", "100.00", " 90.00"},
      {"  0.01", "  0.00", " -0.01"}, {"33.335", "  0.00", "-33.34"},
  };
  base::TextGrid grid(3, 7, " ");
  int row = 1;
  for (const auto& c : cases) {
    grid.SetCell(0, row, c.a);
    grid.SetCell(1, row, c.b);
    ++row;
  }
  viewer::WriteDifferenceColumn(grid, 6, 0, 1, 2);
  row = 1;
  for (const auto& c : cases) EXPECT_EQ(c.difference, grid.Cell(2, row++)) << c.a << " " << c.b;

  grid.SetCell(1, 1, " ﾄﾘｹｼ");
  EXPECT_THROW(viewer::WriteDifferenceColumn(grid, 1, 0, 1, 2), base::ConversionError);
}

// Three runners: win odds 2.0 / 4.0 / 4.0 at the second time and 4.0 / 4.0 / 2.0 at the first.
RaceOddsRecord ThreeRunners() {
  RaceOddsRecord r = AnalysisRace(3);
  analysistest::SetWinOdds(r, 1, {4.0f, 4.0f, 2.0f});
  analysistest::SetWinOdds(r, 2, {2.0f, 4.0f, 4.0f});
  analysistest::SetPlaceOdds(r, 1, {1.0f, 2.0f, 4.0f});
  analysistest::SetPlaceOdds(r, 2, {2.0f, 1.0f, 2.0f});
  analysistest::SetQuinellaShares(r, 1, {30.0f, 30.0f, 40.0f});
  analysistest::SetQuinellaShares(r, 2, {45.5f, 30.25f, 24.25f});
  r.SetFinishOrder(1, 2);
  r.SetFinishOrder(2, 0);
  r.SetFinishOrder(3, 1);
  r.SetHorseName(1, "ABCDEFGHIJKLMNOPQR");
  return r;
}

TEST(BuildHorseTable, EveryColumnOfEveryRow) {
  const base::TextGrid grid = viewer::BuildHorseTable(ThreeRunners(), 1, 2);
  ASSERT_EQ(19, grid.ColCount());
  ASSERT_EQ(19, grid.RowCount());
  EXPECT_FIELDS_EQ(base::SplitCsvLine(viewer::kHorseTableHeader), grid.RowTexts(0));

  // Win shares 50/25/25 at the second time, 25/25/50 at the first; place shares 25/50/25
  // and 57.14/28.57/14.29; quinella shares as stored.
  const std::vector<std::vector<std::string>> rows = {
      {"１", " 1", "ＡＢＣＤＥＦＧＨＩＪＫＬＭ", " 2", " 25.00", "-25.00", " 1", "   2.0", " 50.00",
       " -4.50", " 1", " 45.50", "-32.14", " 25.00", " 31.00", "J1", "美", "T1", "  2"},
      {"２", " 2", "ＨＯＲＳＥ２", " 1", " 50.00", " 25.00", " 2", "   4.0", " 25.00", "  5.25",
       " 2", " 30.25", " 21.43", "  0.00", "  0.50", "J2", "栗", "T2", " "},
      {"３", " 3", "ＨＯＲＳＥ３", " 2", " 25.00", "  0.00", " 2", "   4.0", " 25.00", " -0.75",
       " 3", " 24.25", " 10.71", "-25.00", "-31.50", "J3", "美", "T3", "  1"},
  };
  for (int k = 1; k <= 3; ++k) EXPECT_FIELDS_EQ(rows[k - 1], grid.RowTexts(k)) << "row " << k;
  // Rows 4 to 6 keep the bracket digits of the list for up to six runners; the rest is blank.
  for (int row = 4; row <= 18; ++row) {
    for (int col = 0; col < 19; ++col) {
      if (col == 0 && row <= 6) continue;
      EXPECT_EQ(" ", grid.Cell(col, row)) << col << " " << row;
    }
  }
  EXPECT_SJIS_EQ("４", grid.Cell(0, 4));
  EXPECT_SJIS_EQ("６", grid.Cell(0, 6));
}

TEST(BuildHorseTable, BracketColumnByRunnerCount) {
  struct {
    int n;
    std::vector<const char*> brackets;  // rows 1 to 18
  } cases[] = {
      {9, {"１", "２", "３", "４", "５", "６", "７", "８", "８"}},
      {4, {"１", "２", "３", "４", "５", "６"}},
      {18,
       {"１", "１", "２", "２", "３", "３", "４", "４", "５", "５", "６", "６", "７", "７", "７",
        "８", "８", "８"}},
      {0, {}},
      {19, {}},
  };
  for (const auto& c : cases) {
    RaceOddsRecord r = AnalysisRace(c.n);
    const base::TextGrid grid = viewer::BuildHorseTable(r, 1, 2);
    for (int row = 1; row <= 18; ++row) {
      const std::string expected =
          row <= static_cast<int>(c.brackets.size()) ? c.brackets[row - 1] : " ";
      EXPECT_SJIS_EQ(expected, grid.Cell(0, row)) << "n " << c.n << " row " << row;
    }
    EXPECT_SJIS_EQ("枠", grid.Cell(0, 0));
  }
}

TEST(BuildHorseTable, NoRunnersGivesTheHeaderAloneAndTooManyStopAt18) {
  const base::TextGrid none = viewer::BuildHorseTable(AnalysisRace(0), 1, 2);
  for (int row = 1; row < 19; ++row) {
    for (int col = 0; col < 19; ++col) EXPECT_EQ(" ", none.Cell(col, row));
  }
  RaceOddsRecord many = AnalysisRace(25);
  for (int k = 1; k <= 18; ++k) many.SetOddsWin(2, k, static_cast<float>(k + 1));
  const base::TextGrid grid = viewer::BuildHorseTable(many, 1, 2);
  EXPECT_EQ("18", grid.Cell(1, 18));
  EXPECT_EQ("  19.0", grid.Cell(7, 18));
  EXPECT_EQ(" ", grid.Cell(0, 18));  // no bracket list for more than 18 runners
}

TEST(BuildHorseTable, WinOddsZeroShowsTorikeshiAndCountsAs9999) {
  RaceOddsRecord r = AnalysisRace(4);
  analysistest::SetWinOdds(r, 1, {2.0f, 3.0f, 6.0f, 12.0f});
  analysistest::SetWinOdds(r, 2, {2.0f, 0.0f, 6.0f, 12.0f});
  const base::TextGrid grid = viewer::BuildHorseTable(r, 1, 2);
  EXPECT_EQ("   0.0", grid.Cell(7, 2));
  EXPECT_SJIS_EQ("トリケシ", grid.Cell(15, 2));
  for (int col : {12, 13, 14}) EXPECT_EQ("     0", grid.Cell(col, 2)) << col;
  const std::vector<double> shares = ExpectedShares({2.0f, 0.0f, 6.0f, 12.0f});
  for (int k : {1, 3, 4}) {
    EXPECT_EQ(Printf("%6.2f", shares[k - 1]), grid.Cell(8, k)) << k;
    EXPECT_SJIS_EQ("J" + std::to_string(k), grid.Cell(15, k));
  }
  EXPECT_EQ("  0.01", grid.Cell(8, 2));
  EXPECT_EQ(" 4", grid.Cell(6, 2));
}

// Changes too small for two decimals: a fall shows " -0.00" and is painted as one (red
// font), a rise "  0.00"; a share that did not move at all is an exact zero, "  0.00".
TEST(BuildHorseTable, ATinyFallKeepsItsMinusSign) {
  RaceOddsRecord r = AnalysisRace(3);
  // Horse 3's win odds drift from 4.0 to 4.001: its share falls by 0.0047, the others rise.
  analysistest::SetWinOdds(r, 1, {2.0f, 4.0f, 4.0f});
  analysistest::SetWinOdds(r, 2, {2.0f, 4.0f, 4.001f});
  analysistest::SetPlaceOdds(r, 1, {2.0f, 3.0f, 4.0f});
  analysistest::SetPlaceOdds(r, 2, {2.0f, 3.0f, 4.0f});
  analysistest::SetQuinellaShares(r, 1, {40.0f, 35.0f, 25.0f});
  analysistest::SetQuinellaShares(r, 2, {40.0f, 35.002f, 24.998f});
  const base::TextGrid grid = viewer::BuildHorseTable(r, 1, 2);
  const viewer::HorseMarks no_marks{};
  struct {
    int col, row;
    const char* text;
  } cases[] = {
      {13, 1, "  0.00"}, {13, 2, "  0.00"}, {13, 3, " -0.00"},  // win: +0.003, +0.002, -0.005
      {12, 1, "  0.00"}, {12, 2, "  0.00"}, {12, 3, "  0.00"},  // place: no move at all
      {14, 1, "  0.00"}, {14, 2, "  0.00"}, {14, 3, " -0.00"},  // quinella: 0, +0.004, -0.004
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.text, grid.Cell(c.col, c.row)) << c.col << " " << c.row;
    const ui::Color font = viewer::HorseCellStyle(grid, 3, no_marks, c.col, c.row).font;
    EXPECT_EQ(c.text[1] == '-' ? ui::kRed : ui::kBlack, font) << c.col << " " << c.row;
  }
}

TEST(BuildHorseTable, SnapshotOutsideOneToSixFails) {
  EXPECT_THROW(viewer::BuildHorseTable(ThreeRunners(), 0, 2), base::Error);
  EXPECT_THROW(viewer::BuildHorseTable(ThreeRunners(), 1, 7), base::Error);
}

TEST(MarkScratchedRows, WinOddsAbove10000) {
  RaceOddsRecord r = AnalysisRace(3);
  analysistest::SetWinOdds(r, 1, {2.0f, 3.0f, 4.0f});
  analysistest::SetWinOdds(r, 2, {2.0f, 10001.0f, 10000.0f});
  base::TextGrid grid = viewer::BuildHorseTable(r, 1, 2);
  const base::TextGrid before = grid;
  viewer::MarkScratchedRows(grid, 3);
  const std::vector<int> scratched = {4, 5, 7, 8, 9, 11, 12, 13, 14};
  for (int col = 0; col < 19; ++col) {
    const bool is_scratched = std::find(scratched.begin(), scratched.end(), col) != scratched.end();
    EXPECT_SJIS_EQ(is_scratched ? " ﾄﾘｹｼ" : before.Cell(col, 2), grid.Cell(col, 2)) << col;
    EXPECT_EQ(before.Cell(col, 1), grid.Cell(col, 1)) << col;
    EXPECT_EQ(before.Cell(col, 3), grid.Cell(col, 3)) << col;  // 10000 is not above 10000
  }
  const base::TextGrid once = grid;
  viewer::MarkScratchedRows(grid, 3);  // a marked row reads as no number: nothing more
  EXPECT_EQ(once, grid);
}

}  // namespace
