#include "base/text_grid.h"

#include <gtest/gtest.h>

#include "base/errors.h"

namespace base {
namespace {

TEST(TextGrid, CommaTextsFollowTheCsvReadingRuleAndStopAtTheGridsEdge) {
  TextGrid grid(3, 4, " ");
  // A blank after a comma is skipped; the fifth entry has no row.
  grid.SetColumnCommaText(1, "a, b,c,d,e");
  EXPECT_EQ(grid.ColumnTexts(1), (std::vector<std::string>{"a", "b", "c", "d"}));
  // Cells beyond a shorter list keep their texts.
  grid.SetRowCommaText(2, "x");
  EXPECT_EQ(grid.RowTexts(2), (std::vector<std::string>{"x", "c", " "}));
  EXPECT_EQ(grid.Cell(0, 3), " ");
}

TEST(TextGrid, RowsAndColumnsCopyOutAndBack) {
  TextGrid grid(2, 3);
  grid.SetRowTexts(1, {"1", "2"});
  grid.SetRowTexts(2, {"3", "4", "beyond"});
  std::vector<std::string> row1 = grid.RowTexts(1);
  grid.SetRowTexts(1, grid.RowTexts(2));
  grid.SetRowTexts(2, row1);
  EXPECT_EQ(grid.ColumnTexts(0), (std::vector<std::string>{"", "3", "1"}));
  grid.SetColumnTexts(1, {"h", "x"});
  EXPECT_EQ(grid.ColumnTexts(1), (std::vector<std::string>{"h", "x", "2"}));
}

TEST(TextGrid, ResizeKeepsCellsAndOutsideIndexesThrow) {
  TextGrid grid(2, 2, "k");
  grid.Resize(3, 1);
  EXPECT_EQ(grid.RowTexts(0), (std::vector<std::string>{"k", "k", ""}));
  EXPECT_EQ(grid.RowCount(), 1);
  EXPECT_THROW(grid.Cell(3, 0), Error);
  EXPECT_THROW(grid.SetCell(0, 1, "x"), Error);
  EXPECT_THROW(grid.RowTexts(-1), Error);
}

}  // namespace
}  // namespace base
