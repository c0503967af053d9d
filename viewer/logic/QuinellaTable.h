// The quinella table (TForm3's StringGrid1), 24 columns and a header row over one row per
// horse, first filled for horse k in row k:
//
//   0 順 popularity by win odds "%2d"    4 枠 bracket digit
//   1 オッズ win odds "%6.1f"             5 馬 horse number "%2d"
//   2 順 rank of the quinella share      6-23 "1"-"18": the pair matrix, column 5 + c for
//   3 得票率 quinella share "%6.2f"          the horse of row c
//
// and its colours and two charts.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "base/text_grid.h"
#include "ui/cell_style.h"
#include "ui/chart_data.h"
#include "viewer/logic/MarkRecord.h"
#include "viewer/logic/RaceOddsRecord.h"

namespace viewer {

inline constexpr int kQuinellaTableColumns = 24;
inline constexpr int kQuinellaTableRows = 19;
inline constexpr std::string_view kQuinellaTableHeader =
    "順,オッズ,順,得票率,枠,馬,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18";

// The popularity of each of the first `count` horses by win odds: 1 + the number of horses
// m (itself included) whose odds are below its own, or all of them when its own odds are 0.
// So a horse without odds shows count + 1 and adds one to every horse with odds.
std::vector<int32_t> WinPopularity(const std::vector<float>& odds, int32_t count);

// The table of a rebuild before its sort, for the record at snapshots t1 (first time) and
// t2 (second): cleared, the bracket column from the list for n, the header, horse numbers,
// the pair matrix (horse k in row k and column 5 + k), then columns 1, 0, 3 and 2. n is
// RunnerCount taken into 0-18; an odds or share of the record that is not a finite number
// counts as 0 (WithFiniteOdds). A snapshot index outside 1-6 throws the list-index error.
base::TextGrid BuildQuinellaTable(const RaceOddsRecord& record, int t1, int t2);

// The sort of a rebuild or a sort button: the rows by the state's key, the matrix columns
// following their horses, then the matrix normalised.
void SortQuinellaTable(base::TextGrid& grid, int32_t count, int32_t column, bool ascending);

// Cell (col, row) of a table of `count` horses: bracket digits, the header row, the horse
// number column, the diagonal, the marks (columns 1 and 5 of the marked horse's row), the
// pair odds below the diagonal (up to 25 light pink), red for a "-", the share band of
// column 3. A mark outside 1-3 colours nothing.
ui::CellStyle QuinellaCellStyle(const base::TextGrid& grid, int32_t count, const HorseMarks& marks,
                                int col, int row);

struct QuinellaCharts {
  // Chart1: quinella shares (Series1, bars), win odds (Series2), the odds of the pairs of the
  // row-1 horse (Series3, one empty point first) and of the row-2 horse (Series7, two).
  ui::SeriesPoints Series1, Series2, Series3, Series7;
  // Chart2: the share changes of the pairs of the horses in rows 1, 2 and 3 (Series4, 5, 6)
  // with every row's horse, 0 with itself; a series whose row is beyond the count is empty.
  ui::SeriesPoints Series4, Series5, Series6;
};
// The charts from the table's texts in its current order, labelled with column 5.
QuinellaCharts FillQuinellaCharts(const base::TextGrid& grid, int32_t count);

}  // namespace viewer
