#include "viewer/logic/HorseTable.h"

#include <algorithm>

#include "base/values.h"
#include "viewer/logic/Brackets.h"
#include "viewer/logic/CellNumbers.h"
#include "viewer/logic/DispCTRL.h"

namespace viewer {

namespace {

// The win, place and quinella vote shares of one snapshot.
struct Shares {
  std::vector<float> win;
  std::vector<float> place;
  std::vector<float> quinella;
};

// Shares that the arithmetic cannot give as numbers count as 0, in the ranks as in the cells.
std::vector<float> Finite(std::vector<float> values) {
  for (float& v : values) v = static_cast<float>(FiniteOrZero(v));
  return values;
}

Shares SharesOf(const RaceOddsRecord& r, int s, int32_t n) {
  return {Finite(VoteShare(WinOddsOf(r, s), n)), Finite(VoteShare(PlaceOddsOf(r, s), n)),
          QuinellaSharesOf(r, s)};
}

std::vector<float> Minus(const std::vector<float>& later, const std::vector<float>& earlier,
                         float factor) {
  std::vector<float> change(later.size());
  for (std::size_t i = 0; i < later.size(); ++i) change[i] = (later[i] - earlier[i]) * factor;
  return change;
}

template <class Field>
std::vector<float> EighteenOf(Field field) {
  std::vector<float> values(RaceOddsRecord::kRunnerRows);
  for (int k = 1; k <= RaceOddsRecord::kRunnerRows; ++k) values[k - 1] = field(k);
  return values;
}

}  // namespace

int32_t TableHorseCount(int32_t runner_count) {
  return std::clamp<int32_t>(runner_count, 0, RaceOddsRecord::kRunnerRows);
}

std::vector<float> WinOddsOf(const RaceOddsRecord& r, int s) {
  return EighteenOf([&](int k) { return r.OddsWin(s, k); });
}

std::vector<float> PlaceOddsOf(const RaceOddsRecord& r, int s) {
  return EighteenOf([&](int k) { return r.OddsPlace(s, k); });
}

std::vector<float> QuinellaSharesOf(const RaceOddsRecord& r, int s) {
  return EighteenOf([&](int k) { return r.QuinellaShare(s, k); });
}

std::vector<float> VoteShare(const std::vector<float>& odds, int32_t count) {
  const std::size_t n = std::min<std::size_t>(std::max(count, 0), odds.size());
  std::vector<float> o(odds.begin(), odds.begin() + static_cast<std::ptrdiff_t>(n));
  std::vector<float> share(n);
  float sum = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (o[i] == 0) o[i] = 9999;
    share[i] = 75.0f / o[i];
    sum = sum + share[i];
  }
  const float k = 75.0f * 100.0f / sum;
  for (std::size_t i = 0; i < n; ++i) share[i] = k / o[i];
  return share;
}

std::vector<int32_t> RankDescending(const std::vector<float>& values, int32_t count) {
  const std::size_t n = std::min<std::size_t>(std::max(count, 0), values.size());
  std::vector<int32_t> ranks(n, 1);
  for (std::size_t k = 0; k < n; ++k) {
    for (std::size_t m = 0; m < n; ++m) {
      if (values[m] > values[k]) ++ranks[k];
    }
  }
  return ranks;
}

void WriteFloatColumn(base::TextGrid& grid, const std::vector<float>& values, int32_t count,
                      int column, int width, int decimals) {
  for (int32_t row = 1; row <= count; ++row) {
    grid.SetCell(column, row, FixedText(FiniteOrZero(values.at(row - 1)), width, decimals));
  }
}

void WriteIntColumn(base::TextGrid& grid, const std::vector<int32_t>& values, int32_t count,
                    int column, int width) {
  for (int32_t row = 1; row <= count; ++row) {
    const int32_t v = values.at(row - 1);
    grid.SetCell(column, row, v == 0 ? std::string(" ") : IntText(v, width));
  }
}

void WriteDifferenceColumn(base::TextGrid& grid, int32_t count, int a, int b, int target) {
  for (int32_t row = 1; row <= count; ++row) {
    const double difference =
        base::DecimalValue(grid.Cell(b, row)) - base::DecimalValue(grid.Cell(a, row));
    grid.SetCell(target, row, FixedText(difference, 6, 2));
  }
}

void ClearHorseTable(base::TextGrid& grid) { grid.Fill(" "); }

base::TextGrid BuildHorseTable(const RaceOddsRecord& record, int t1, int t2) {
  const RaceOddsRecord r = WithFiniteOdds(record);
  base::TextGrid grid(kHorseTableColumns, kHorseTableRows);
  ClearHorseTable(grid);
  const int32_t n = TableHorseCount(r.RunnerCount());
  if (auto list = HorseBracketList(r.RunnerCount()); !list.empty()) {
    grid.SetColumnCommaText(0, list);
  }
  grid.SetRowCommaText(0, kHorseTableHeader);

  std::vector<int32_t> numbers(RaceOddsRecord::kRunnerRows);
  for (int k = 1; k <= RaceOddsRecord::kRunnerRows; ++k) numbers[k - 1] = k;
  WriteIntColumn(grid, numbers, n, 1, 2);

  const Shares now = SharesOf(r, t2, n);
  WriteFloatColumn(grid, WinOddsOf(r, t2), n, 7, 6, 1);
  WriteFloatColumn(grid, now.win, n, 8, 6, 2);
  WriteIntColumn(grid, RankDescending(now.win, n), n, 6, 2);
  WriteFloatColumn(grid, now.place, n, 4, 6, 2);
  WriteIntColumn(grid, RankDescending(now.place, n), n, 3, 2);
  WriteFloatColumn(grid, now.quinella, n, 11, 6, 2);
  WriteIntColumn(grid, RankDescending(now.quinella, n), n, 10, 2);
  WriteDifferenceColumn(grid, n, 8, 4, 5);
  WriteDifferenceColumn(grid, n, 8, 11, 9);

  const Shares before = SharesOf(r, t1, n);
  WriteFloatColumn(grid, Minus(now.win, before.win, 1.0f), n, 13, 6, 2);
  WriteFloatColumn(grid, Minus(now.place, before.place, 1.0f), n, 12, 6, 2);
  WriteFloatColumn(grid, Minus(now.quinella, before.quinella, 2.0f), n, 14, 6, 2);

  std::vector<int32_t> finish(n);
  for (int32_t k = 1; k <= n; ++k) finish[k - 1] = r.FinishOrder(k);
  WriteIntColumn(grid, finish, n, 18, 3);

  for (int32_t k = 1; k <= n; ++k) {
    grid.SetCell(2, k, ConvertToFullWidth(r.HorseName(k)).substr(0, 26));
  }
  for (int32_t k = 1; k <= n; ++k) {
    grid.SetCell(15, k, r.JockeyName(k));
    if (base::ParseDecimal(grid.Cell(7, k)) == 0.0) {
      grid.SetCell(15, k, kNoOddsJockeyText);
      for (int c : {14, 13, 12}) grid.SetCell(c, k, kNoOddsChangeText);
    }
  }
  for (int32_t k = 1; k <= n; ++k) {
    grid.SetCell(16, k, r.Affiliation(k));
    grid.SetCell(17, k, r.TrainerName(k));
  }
  return grid;
}

void MarkScratchedRows(base::TextGrid& grid, int32_t count) {
  for (int32_t row = 1; row <= count; ++row) {
    const auto odds = base::ParseDecimal(grid.Cell(7, row));
    if (!odds || !(*odds > 10000)) continue;
    for (int c : {4, 5, 7, 8, 9, 11, 12, 13, 14}) grid.SetCell(c, row, kScratchedText);
  }
}

}  // namespace viewer
