#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/values.h"
#include "tests/support/sjis_assert.h"
#include "tests/viewer/analysis/analysis_race.h"
#include "viewer/logic/CellNumbers.h"
#include "viewer/logic/HorseSort.h"
#include "viewer/logic/HorseTable.h"
#include "viewer/logic/SortButtons.h"

namespace {

using viewer::SortState;

bool Press(SortState& state, int button) {
  return viewer::PressSortButton(state, viewer::kHorseSortButtons, button);
}

TEST(HorseSortButtons, FirstPressSortsInTheKeysOrderSecondPressReverses) {
  struct {
    int button;
    int32_t column;
    bool ascending_first;
  } cases[] = {
      {1, 1, true},  {2, 3, true},   {3, 5, false},  {4, 6, true},   {5, 9, false},
      {6, 10, true}, {7, 12, false}, {8, 13, false}, {9, 14, false}, {11, 18, true},
  };
  for (const auto& c : cases) {
    // After the first build the key is 6 (単勝); the 単勝 button itself is tried from the
    // creation state, whose key is 1.
    SortState state = c.button == 4 ? viewer::kHorseSortStart : SortState{6, true, 4};
    ASSERT_TRUE(Press(state, c.button));
    EXPECT_EQ(c.column, state.SortColumn) << c.button;
    EXPECT_EQ(c.ascending_first, state.SortAscending) << c.button;
    EXPECT_EQ(c.button, state.red_button);
    ASSERT_TRUE(Press(state, c.button));
    EXPECT_EQ(c.column, state.SortColumn) << c.button;
    EXPECT_EQ(!c.ascending_first, state.SortAscending) << c.button;
    ASSERT_TRUE(Press(state, c.button));
    EXPECT_EQ(c.ascending_first, state.SortAscending) << c.button;
  }
}

TEST(HorseSortButtons, FirstBuildEndsOnWinRankAscendingAndKeylessButtonsDoNothing) {
  SortState state = viewer::kHorseSortStart;
  EXPECT_EQ(1, state.red_button);
  state.SortAscending = false;
  ASSERT_TRUE(Press(state, 4));
  EXPECT_EQ(6, state.SortColumn);
  EXPECT_TRUE(state.SortAscending);
  EXPECT_EQ(4, state.red_button);
  for (int keyless : {10, 12, 0, 13}) {
    SortState before = state;
    EXPECT_FALSE(Press(state, keyless));
    EXPECT_EQ(before.SortColumn, state.SortColumn);
    EXPECT_EQ(before.SortAscending, state.SortAscending);
    EXPECT_EQ(before.red_button, state.red_button);
  }
  // 出馬 pressed right after creation keeps key 1 and so reverses it.
  SortState fresh = viewer::kHorseSortStart;
  Press(fresh, 1);
  EXPECT_FALSE(fresh.SortAscending);
}

TEST(CompareHorseRows, ByTheNumberInTheColumn) {
  struct {
    const char* a;
    const char* b;
    int ascending;
  } cases[] = {
      {" 1", " 2", -1},        {" 2", " 1", 1},          {" 2", " 2", 0},      {"10", " 9", 1},
      {"-1.50", "  0.00", -1}, {"9000", "  3", 1},       {"10000", "9000", 1}, {"  2.00", " 2", 0},
      {" -0.00", "  0.00", 0}, {" -0.01", " -0.00", -1},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> a = {"x", c.a}, b = {"y", c.b};
    EXPECT_EQ(c.ascending, viewer::CompareHorseRowsAscending(a, b, 1)) << c.a << " " << c.b;
    EXPECT_EQ(-c.ascending, viewer::CompareHorseRowsDescending(a, b, 1)) << c.a << " " << c.b;
  }
  EXPECT_THROW(viewer::CompareHorseRowsAscending({"x", " ﾄﾘｹｼ"}, {"y", " 1"}, 1),
               base::ConversionError);
}

// A table whose rows carry their own number in every cell but the key column.
base::TextGrid KeyedTable(int column, const std::vector<std::string>& keys) {
  base::TextGrid grid(19, 19, " ");
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const int row = static_cast<int>(i + 1);
    for (int col = 0; col < 19; ++col) grid.SetCell(col, row, "r" + std::to_string(row));
    grid.SetCell(1, row, viewer::IntText(row, 2));
    grid.SetCell(column, row, keys[i]);
  }
  return grid;
}

std::vector<int> HorseOrder(const base::TextGrid& grid, int count) {
  std::vector<int> horses;
  for (int row = 1; row <= count; ++row) horses.push_back(std::stoi(grid.Cell(1, row)));
  return horses;
}

TEST(SortHorseTable, EqualKeysInTheQuicksortsOrderAndWholeRowsMove) {
  struct {
    bool ascending;
    std::vector<int> horses;
  } cases[] = {
      // Traced by hand: the ranks 2, 1, 2, 3 of horses 1 to 4.
      {true, {2, 3, 1, 4}},
      {false, {4, 3, 1, 2}},
  };
  for (const auto& c : cases) {
    base::TextGrid grid = KeyedTable(6, {" 2", " 1", " 2", " 3"});
    viewer::SortHorseTable(grid, 4, 6, c.ascending);
    EXPECT_EQ(c.horses, HorseOrder(grid, 4)) << c.ascending;
    for (int row = 1; row <= 4; ++row) {
      const std::string own = "r" + std::to_string(c.horses[row - 1]);
      for (int col : {0, 2, 5, 7, 18}) EXPECT_EQ(own, grid.Cell(col, row)) << col << " " << row;
    }
    EXPECT_EQ(" ", grid.Cell(6, 5));  // rows below the count stay
  }
}

TEST(SortHorseTable, BlanksCountAs9000AndScratchedAs10000) {
  struct {
    int column;
    std::vector<std::string> keys;
    bool ascending;
    std::vector<std::string> sorted_keys;
  } cases[] = {
      {18, {" ", "  3", "  1", " ", "  2"}, true, {"  1", "  2", "  3", " ", " "}},
      {18, {" ", "  3", "  1", " ", "  2"}, false, {" ", " ", "  3", "  2", "  1"}},
      {13,
       {" ﾄﾘｹｼ", " -2.00", " ", "  5.00", "8999.00"},
       true,
       {" -2.00", "  5.00", "8999.00", " ", " ﾄﾘｹｼ"}},
      {13,
       {" ﾄﾘｹｼ", " -2.00", " ", "  5.00", "8999.00"},
       false,
       {" ﾄﾘｹｼ", " ", "8999.00", "  5.00", " -2.00"}},
  };
  for (const auto& c : cases) {
    base::TextGrid grid = KeyedTable(c.column, c.keys);
    viewer::SortHorseTable(grid, 5, c.column, c.ascending);
    std::vector<std::string> keys;
    for (int row = 1; row <= 5; ++row) keys.push_back(grid.Cell(c.column, row));
    EXPECT_FIELDS_EQ(c.sorted_keys, keys) << c.column << " " << c.ascending;
  }
}

TEST(SortHorseTable, WinChangeButtonThenHorseNumber) {
  viewer::RaceOddsRecord r = analysistest::AnalysisRace(5);
  analysistest::SetWinOdds(r, 1, {3.0f, 5.0f, 8.0f, 10.0f, 20.0f});
  analysistest::SetWinOdds(r, 2, {6.0f, 2.5f, 8.0f, 20.0f, 4.0f});
  base::TextGrid grid = viewer::BuildHorseTable(r, 1, 2);
  SortState state{6, true, 4};
  auto changes = [&] {
    std::vector<double> v;
    for (int row = 1; row <= 5; ++row) v.push_back(base::DecimalValue(grid.Cell(13, row)));
    return v;
  };
  Press(state, 8);
  viewer::SortHorseTable(grid, 5, state.SortColumn, state.SortAscending);
  std::vector<double> rises = changes();
  EXPECT_TRUE(std::is_sorted(rises.rbegin(), rises.rend()));
  EXPECT_EQ(5, std::stoi(grid.Cell(1, 1)));  // horse 5 gained most (+19.02)
  Press(state, 8);
  viewer::SortHorseTable(grid, 5, state.SortColumn, state.SortAscending);
  std::vector<double> falls = changes();
  EXPECT_TRUE(std::is_sorted(falls.begin(), falls.end()));
  EXPECT_EQ(1, std::stoi(grid.Cell(1, 1)));  // horse 1 lost most (-24.43)
  Press(state, 1);
  viewer::SortHorseTable(grid, 5, state.SortColumn, state.SortAscending);
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5}), HorseOrder(grid, 5));
  EXPECT_EQ(viewer::BuildHorseTable(r, 1, 2), grid);  // every row back in its place
}

}  // namespace
