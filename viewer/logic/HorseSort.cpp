#include "viewer/logic/HorseSort.h"

#include "base/values.h"
#include "viewer/logic/CellNumbers.h"
#include "viewer/logic/HorseTable.h"
#include "viewer/logic/ListSort.h"

namespace viewer {

namespace {

void Replace(base::TextGrid& grid, int32_t count, int32_t column, std::string_view from,
             std::string_view to) {
  for (int32_t row = 1; row <= count; ++row) {
    if (grid.Cell(column, row) == from) grid.SetCell(column, row, to);
  }
}

}  // namespace

int CompareHorseRowsAscending(const std::vector<std::string>& row1,
                              const std::vector<std::string>& row2, int32_t column) {
  return CompareNumbers(base::DecimalValue(row1.at(column)), base::DecimalValue(row2.at(column)));
}

int CompareHorseRowsDescending(const std::vector<std::string>& row1,
                               const std::vector<std::string>& row2, int32_t column) {
  return -CompareHorseRowsAscending(row1, row2, column);
}

void SortHorseTable(base::TextGrid& grid, int32_t count, int32_t column, bool ascending) {
  Replace(grid, count, column, kScratchedText, "10000");
  Replace(grid, count, column, " ", "9000");
  std::vector<std::vector<std::string>> rows;
  rows.reserve(count);
  for (int32_t row = 1; row <= count; ++row) rows.push_back(grid.RowTexts(row));
  ListSort(rows, [&](const std::vector<std::string>& a, const std::vector<std::string>& b) {
    return ascending ? CompareHorseRowsAscending(a, b, column)
                     : CompareHorseRowsDescending(a, b, column);
  });
  for (int32_t row = 1; row <= count; ++row) grid.SetRowTexts(row, std::move(rows[row - 1]));
  Replace(grid, count, column, "10000", kScratchedText);
  Replace(grid, count, column, "9000", " ");
}

}  // namespace viewer
