#include "viewer/logic/PairTables.h"

#include "base/values.h"
#include "viewer/logic/Brackets.h"
#include "viewer/logic/HorseTable.h"
#include "viewer/logic/ListSort.h"

namespace viewer {

namespace {

int32_t NumberHeader(std::string_view header) { return base::ParseInt32(header).value_or(0); }

}  // namespace

const PairTableLayout kQuinellaLayout = {5, 6, NumberHeader};
const PairTableLayout kBracketLayout = {8, 9, BracketDigitValue};

std::string PairOddsText(float odds) { return NumberCellText(odds, 7, 1); }

std::string PairChangeText(float q2, float q1) {
  if (q2 <= 0 || q1 <= 0) return "  0.00%";
  return NumberCellText(80.0 / q2 - 80.0 / q1, 6, 2) + "%";
}

int CompareRowsAscending(const std::vector<std::string>& row1, const std::vector<std::string>& row2,
                         int32_t column) {
  return row1.at(column).compare(row2.at(column));
}

int CompareRowsDescending(const std::vector<std::string>& row1,
                          const std::vector<std::string>& row2, int32_t column) {
  return -CompareRowsAscending(row1, row2, column);
}

void SortPairTable(base::TextGrid& grid, const PairTableLayout& layout, int32_t count,
                   int32_t column, bool ascending) {
  std::vector<std::vector<std::string>> rows;
  for (int32_t row = 1; row <= count; ++row) rows.push_back(grid.RowTexts(row));
  ListSort(rows, [&](const std::vector<std::string>& a, const std::vector<std::string>& b) {
    return ascending ? CompareRowsAscending(a, b, column) : CompareRowsDescending(a, b, column);
  });
  for (int32_t row = 1; row <= count; ++row) grid.SetRowTexts(row, std::move(rows[row - 1]));

  const int first = layout.first_matrix_column;
  std::vector<std::vector<std::string>> columns;
  for (int32_t row = 1; row <= count; ++row) {
    const auto id = base::ParseInt32(grid.Cell(layout.id_column, row));
    int taken = first + row - 1;  // a row without a matching column keeps its own
    for (int col = first; col < first + count; ++col) {
      if (id && layout.header_value(grid.Cell(col, 0)) == *id) taken = col;
    }
    columns.push_back(grid.ColumnTexts(taken));
  }
  for (int32_t row = 1; row <= count; ++row) grid.SetColumnTexts(first + row - 1, columns[row - 1]);
}

void NormalisePairMatrix(base::TextGrid& grid, const PairTableLayout& layout, int32_t count) {
  const int first = layout.first_matrix_column;
  for (int32_t r = 1; r <= count; ++r) {
    for (int32_t c = 1; c < r; ++c) {
      const std::string below = grid.Cell(first + c - 1, r);
      if (below.find('%') == std::string::npos) continue;
      grid.SetCell(first + c - 1, r, grid.Cell(first + r - 1, c));
      grid.SetCell(first + r - 1, c, below);
    }
  }
}

bool IsDiagonal(const PairTableLayout& layout, int32_t count, int col, int row) {
  return 1 <= row && row <= count && col == layout.first_matrix_column + row - 1;
}

std::optional<ui::Color> PairOddsBrush(const base::TextGrid& grid, const PairTableLayout& layout,
                                       int32_t count, int col, int row, double upper) {
  const int c = col - layout.first_matrix_column + 1;  // the row whose column this is
  if (row < 1 || row > count || c < 1 || c >= row) return std::nullopt;
  const auto v = base::ParseDecimal(grid.Cell(col, row));
  if (!v) return std::nullopt;
  if (1 <= *v && *v < 10) return ui::Color{255, 151, 194};
  if (10 <= *v && *v <= upper) return ui::Color{255, 213, 236};
  if (*v >= 100) return ui::Color{233, 233, 233};
  return std::nullopt;
}

}  // namespace viewer
