#include "viewer/logic/BracketTable.h"

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

// Column `target` of rows 1 to m: 1 + the number of rows whose text in `column` compares
// as `counts` says against the row's own text.
template <class Counts>
void WriteTextRanks(base::TextGrid& grid, int32_t m, int column, int target, Counts counts) {
  std::vector<int32_t> ranks(static_cast<std::size_t>(m), 1);
  for (int32_t b = 1; b <= m; ++b) {
    const std::string& own = grid.Cell(column, b);
    for (int32_t c = 1; c <= m; ++c) ranks[b - 1] += counts(grid.Cell(column, c), own) ? 1 : 0;
  }
  WriteIntColumn(grid, ranks, m, target, 2);
}

}  // namespace

int32_t BracketRowCount(int32_t runner_count) {
  return std::min<int32_t>(TableHorseCount(runner_count), RaceOddsRecord::kBrackets);
}

std::vector<int32_t> HorsesOfBracket(int32_t n, int32_t b) {
  std::vector<int32_t> horses;
  for (int32_t i = 1; i <= n; ++i) {
    if (BracketOfHorse(n, i) == b) horses.push_back(i);
  }
  return horses;
}

int32_t MostPopularHorse(const std::vector<int32_t>& horses, const std::vector<float>& odds) {
  if (horses.empty()) return 0;
  auto odds_of = [&](int32_t horse) { return odds.at(horse - 1); };
  if (horses.size() == 2) {
    return odds_of(horses[0]) < odds_of(horses[1]) ? horses[0] : horses[1];
  }
  int32_t best = horses[0];
  for (int32_t horse : horses) {
    if (odds_of(horse) < odds_of(best)) best = horse;
  }
  return best;
}

std::string SameBracketText(float odds) {
  if (odds > 9998 || odds == 0 || odds == 1.0f) return std::string(kDiagonalText);
  return PairOddsText(odds);
}

base::TextGrid BuildBracketTable(const RaceOddsRecord& record, int t1, int t2) {
  const RaceOddsRecord r = WithFiniteOdds(record);
  base::TextGrid grid(kBracketTableColumns, kBracketTableRows, " ");
  const int32_t n = TableHorseCount(r.RunnerCount());
  const int32_t m = BracketRowCount(n);
  if (auto list = BracketRowList(r.RunnerCount()); !list.empty()) grid.SetColumnCommaText(7, list);
  grid.SetRowCommaText(0, kBracketTableHeader);
  for (int32_t b = 1; b <= m; ++b) grid.SetCell(8, b, IntText(b, 2));

  for (int32_t j = 1; j <= m; ++j) {
    for (int32_t i = 1; i <= m; ++i) {
      const int col = 8 + i;
      if (j > i) {
        grid.SetCell(col, j, PairOddsText(r.OddsBracketQuinella(t2, i, j)));
      } else if (j < i) {
        grid.SetCell(
            col, j,
            PairChangeText(r.OddsBracketQuinella(t2, j, i), r.OddsBracketQuinella(t1, j, i)));
      } else {
        grid.SetCell(col, j, SameBracketText(r.OddsBracketQuinella(t2, i, i)));
      }
    }
  }

  const std::vector<float> odds = WinOddsOf(r, t2);
  for (int32_t b = 1; b <= m; ++b) {
    const std::vector<int32_t> horses = HorsesOfBracket(n, b);
    const int32_t favourite = MostPopularHorse(horses, odds);
    float share = 0;
    for (int32_t horse : horses) share += r.QuinellaShare(t2, horse);
    grid.SetCell(1, b, IntText(favourite, 2));
    grid.SetCell(2, b, FixedText(odds.at(favourite - 1), 6, 1));
    grid.SetCell(4, b, FixedText(FiniteOrZero(share), 6, 2));
  }

  for (int32_t b = 1; b <= m; ++b)
    grid.SetCell(6, b, FixedText(r.BracketQuinellaShare(t2, b), 6, 2));
  if (1 <= n && n <= 8) {
    for (int32_t b = 1; b <= n; ++b) grid.SetCell(6, b, FixedText(r.QuinellaShare(t2, b), 6, 2));
  }

  WriteTextRanks(grid, m, 2, 0, [](const std::string& other, const std::string& own) {
    return other < own || own == "   0.0";
  });
  WriteTextRanks(grid, m, 4, 3,
                 [](const std::string& other, const std::string& own) { return other > own; });
  WriteTextRanks(grid, m, 6, 5,
                 [](const std::string& other, const std::string& own) { return other > own; });
  return grid;
}

void SortBracketTable(base::TextGrid& grid, int32_t rows, int32_t column, bool ascending) {
  SortPairTable(grid, kBracketLayout, rows, column, ascending);
  NormalisePairMatrix(grid, kBracketLayout, rows);
}

ui::CellStyle BracketCellStyle(const base::TextGrid& grid, int32_t rows, int col, int row) {
  ui::CellStyle style;
  const std::string& t = grid.Cell(col, row);
  if (row == 0) style.brush = {233, 233, 233};
  if (auto brush = BracketDigitBrush(t)) style.brush = *brush;
  if (col == 8 && 1 <= row && row <= rows) style.brush = {233, 233, 233};
  if (IsDiagonal(kBracketLayout, rows, col, row)) style.brush = kDiagonalBrush;
  if (auto brush = PairOddsBrush(grid, kBracketLayout, rows, col, row, 20)) style.brush = *brush;
  if (t.find('-') != std::string::npos) style.font = ui::kRed;
  return style;
}

BracketCharts FillBracketCharts(const base::TextGrid& grid, const RaceOddsRecord& record) {
  const RaceOddsRecord r = WithFiniteOdds(record);
  const int32_t m = BracketRowCount(r.RunnerCount());
  const int first = kBracketLayout.first_matrix_column;
  BracketCharts c;
  c.Series1 = ColumnPoints(grid, 1, m, 6, 8, {175, 175, 175}, base::DecimalValue);
  c.Series2 = ColumnPoints(grid, 1, m, 2, 8, ui::kBlack, base::DecimalValue);
  c.Series3 = PairOddsPoints(grid, m, 1, first, 8, ui::kRed);
  c.Series4 = PairOddsPoints(grid, m, 2, first, 8, ui::kBlue);
  for (int32_t b = 1; b <= m; ++b) {
    for (int s = 1; s <= RaceOddsRecord::kSnapshots; ++s) {
      if (r.SlotNumber(s) == 0 || r.WinVoteTotal(s) <= 0) continue;
      c.Chart2[b - 1].push_back(
          {r.BracketQuinellaShare(s, b), std::to_string(s), BracketColours(b), false});
    }
  }
  return c;
}

}  // namespace viewer
