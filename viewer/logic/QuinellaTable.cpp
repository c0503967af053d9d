#include "viewer/logic/QuinellaTable.h"

#include <algorithm>
#include <string>

#include "base/values.h"
#include "viewer/logic/Brackets.h"
#include "viewer/logic/CellNumbers.h"
#include "viewer/logic/ChartPoints.h"
#include "viewer/logic/HorseTable.h"
#include "viewer/logic/PairTables.h"

namespace viewer {

namespace {

// The share change of the pair (row j, row c) from its cell above the diagonal.
double PairChange(const base::TextGrid& grid, int32_t j, int32_t c) {
  if (c == j) return 0;
  const int first = kQuinellaLayout.first_matrix_column;
  std::string text = grid.Cell(first + std::max(j, c) - 1, std::min(j, c));
  for (char& ch : text) {
    if (ch == '%') ch = '0';
  }
  return base::DecimalValue(text);
}

ui::SeriesPoints ChangesOfRow(const base::TextGrid& grid, int32_t count, int32_t j,
                              ui::Color color) {
  ui::SeriesPoints points;
  if (j > count) return points;
  for (int32_t c = 1; c <= count; ++c) {
    points.push_back({PairChange(grid, j, c), grid.Cell(5, c), color, false});
  }
  return points;
}

}  // namespace

std::vector<int32_t> WinPopularity(const std::vector<float>& odds, int32_t count) {
  std::vector<int32_t> popularity(static_cast<std::size_t>(std::max(count, 0)), 1);
  for (int32_t k = 0; k < count; ++k) {
    for (int32_t m = 0; m < count; ++m) {
      if (odds.at(m) < odds.at(k) || odds.at(k) == 0) ++popularity[k];
    }
  }
  return popularity;
}

base::TextGrid BuildQuinellaTable(const RaceOddsRecord& record, int t1, int t2) {
  const RaceOddsRecord r = WithFiniteOdds(record);
  base::TextGrid grid(kQuinellaTableColumns, kQuinellaTableRows, " ");
  const int32_t n = TableHorseCount(r.RunnerCount());
  if (auto list = HorseBracketList(r.RunnerCount()); !list.empty()) {
    grid.SetColumnCommaText(4, list);
  }
  grid.SetRowCommaText(0, kQuinellaTableHeader);
  for (int32_t k = 1; k <= n; ++k) grid.SetCell(5, k, IntText(k, 2));

  for (int32_t row = 1; row <= n; ++row) {
    for (int32_t c = 1; c <= n; ++c) {
      const int col = 5 + c;
      if (row == c) {
        grid.SetCell(col, row, kDiagonalText);
      } else if (row > c) {
        grid.SetCell(col, row, PairOddsText(r.OddsQuinella(t2, c, row)));
      } else {
        grid.SetCell(col, row,
                     PairChangeText(r.OddsQuinella(t2, row, c), r.OddsQuinella(t1, row, c)));
      }
    }
  }

  const std::vector<float> odds = WinOddsOf(r, t2);
  const std::vector<float> shares = QuinellaSharesOf(r, t2);
  WriteFloatColumn(grid, odds, n, 1, 6, 1);
  WriteIntColumn(grid, WinPopularity(odds, n), n, 0, 2);
  WriteFloatColumn(grid, shares, n, 3, 6, 2);
  WriteIntColumn(grid, RankDescending(shares, n), n, 2, 2);
  return grid;
}

void SortQuinellaTable(base::TextGrid& grid, int32_t count, int32_t column, bool ascending) {
  SortPairTable(grid, kQuinellaLayout, count, column, ascending);
  NormalisePairMatrix(grid, kQuinellaLayout, count);
}

ui::CellStyle QuinellaCellStyle(const base::TextGrid& grid, int32_t count, const HorseMarks& marks,
                                int col, int row) {
  ui::CellStyle style;
  const std::string& t = grid.Cell(col, row);
  const bool in_range = 1 <= row && row <= count;
  if (auto brush = BracketDigitBrush(t)) style.brush = *brush;
  if (row == 0) style.brush = {233, 233, 233};
  if (col == 5 && in_range) style.brush = {244, 244, 244};
  if (IsDiagonal(kQuinellaLayout, count, col, row)) style.brush = kDiagonalBrush;
  if (col == 1 || col == 5) {
    const auto horse = base::ParseInt32(grid.Cell(5, row));
    if (horse && *horse >= 1 && *horse <= 18) {
      if (auto brush = MarkColor(marks[*horse])) style.brush = *brush;
    }
  }
  if (auto brush = PairOddsBrush(grid, kQuinellaLayout, count, col, row, 25)) style.brush = *brush;
  if (t.find('-') != std::string::npos) style.font = ui::kRed;
  if (col == 3 && in_range) {
    const auto share = base::ParseDecimal(t);
    if (share && 5 <= *share && *share <= 16) style.brush = {255, 255, 136};
  }
  return style;
}

QuinellaCharts FillQuinellaCharts(const base::TextGrid& grid, int32_t count) {
  QuinellaCharts c;
  const int first = kQuinellaLayout.first_matrix_column;
  c.Series1 = ColumnPoints(grid, 1, count, 3, 5, {175, 175, 175}, base::DecimalValue);
  c.Series2 = ColumnPoints(grid, 1, count, 1, 5, ui::kBlack, base::DecimalValue);
  c.Series3 = PairOddsPoints(grid, count, 1, first, 5, ui::kRed);
  c.Series7 = PairOddsPoints(grid, count, 2, first, 5, {0, 128, 255});
  c.Series4 = ChangesOfRow(grid, count, 1, ui::kRed);
  c.Series5 = ChangesOfRow(grid, count, 2, ui::kBlue);
  c.Series6 = ChangesOfRow(grid, count, 3, {0, 255, 0});
  return c;
}

}  // namespace viewer
