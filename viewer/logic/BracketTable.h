// The bracket table (TForm4's StringGrid1), 17 columns and a header row over one row per
// bracket (m = the runner count capped at 8), first filled for bracket b in row b:
//
//   0 順 popularity by the text of column 2    5 順 rank of column 6
//   1 番 the bracket's most popular horse      6 得票率 bracket-quinella share (up to 8
//   2 オッズ that horse's win odds "%6.1f"        runners the horse's quinella share)
//   3 順 rank of column 4                      7 枠 bracket digit
//   4 率合計 the bracket's summed quinella     8 馬 bracket number "%2d"
//     share "%6.2f"                            9-16 "１"-"８": the bracket-pair matrix
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
#include "viewer/logic/RaceOddsRecord.h"

namespace viewer {

inline constexpr int kBracketTableColumns = 17;
inline constexpr int kBracketTableRows = 9;
inline constexpr std::string_view kBracketTableHeader =
    "順,番,オッズ,順,率合計,順,得票率,枠,馬,１,２,３,４,５,６,７,８";

// The bracket rows of a race: the runner count (taken into 0-18) capped at 8.
int32_t BracketRowCount(int32_t runner_count);

// The horse numbers of bracket b among n runners, in number order.
std::vector<int32_t> HorsesOfBracket(int32_t n, int32_t b);

// The bracket's most popular horse by win odds: with one horse that horse; with two the one
// with the lower odds, the second on equal odds; with three the one with the lowest odds, the
// lowest number among equal lowest odds. `odds` holds the win odds of horses 1 to 18.
int32_t MostPopularHorse(const std::vector<int32_t>& horses, const std::vector<float>& odds);

// A same-bracket pair's cell from its odds at the second time: "   +" for odds above 9998,
// 0 or exactly 1.0, else "%7.1f".
std::string SameBracketText(float odds);

// The table of a rebuild before its sort, for the record at snapshots t1 (first time) and
// t2 (second): cleared, the bracket column and header, bracket numbers, the bracket-pair
// matrix, columns 1, 2 and 4 bracket by bracket, column 6, then the ranks of columns 0, 3 and
// 5 on the shown texts compared byte by byte. An odds or share of the record that is not a
// finite number counts as 0 (WithFiniteOdds), and so does a sum of shares that overflows.
// A snapshot index outside 1-6 throws the list-index error.
base::TextGrid BuildBracketTable(const RaceOddsRecord& record, int t1, int t2);

// The sort of a rebuild or a sort button: the rows by the state's key, the matrix columns
// following their brackets, then the matrix normalised.
void SortBracketTable(base::TextGrid& grid, int32_t rows, int32_t column, bool ascending);

// Cell (col, row) of a table of `rows` brackets: the header row, bracket digits (headers
// included), the bracket number column, the diagonal, the pair odds below the diagonal (up
// to 20 light pink), red for a "-".
ui::CellStyle BracketCellStyle(const base::TextGrid& grid, int32_t rows, int col, int row);

struct BracketCharts {
  // Chart1: bracket-quinella shares (Series1, bars), the favourites' win odds (Series2), the
  // odds of the pairs of the row-1 bracket (Series3, one empty point first) and of the row-2
  // bracket (Series4, two).
  ui::SeriesPoints Series1, Series2, Series3, Series4;
  // Chart2: Series5 to Series12, the bracket-quinella share of bracket 1 to 8 over the
  // snapshots with a slot and win votes, in the bracket's colour; brackets beyond the rows
  // are empty.
  std::array<ui::SeriesPoints, 8> Chart2;
};
// The charts from the table's texts in its current order (labelled with column 8) and from
// the record's snapshots.
BracketCharts FillBracketCharts(const base::TextGrid& grid, const RaceOddsRecord& record);

}  // namespace viewer
