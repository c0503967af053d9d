// The per-horse window's four charts as data: Chart1 and Chart2 from the table's texts in
// its current row order, Chart3 and Chart4 from the race's filled snapshots.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "base/text_grid.h"
#include "ui/chart_data.h"
#include "viewer/logic/RaceOddsRecord.h"

namespace viewer {

struct HorseCharts {
  // Chart1: place (Series1), win (Series2) and quinella (Series3) vote shares; place minus
  // win (Series6) and quinella minus win (Series7) in hundredths of a point.
  ui::SeriesPoints Series1, Series2, Series3, Series6, Series7;
  // Chart2: ChangeScore of the place (Series4), win (Series5) and quinella (Series8) change.
  ui::SeriesPoints Series4, Series5, Series8;
  // Chart3: Series9 to Series26, the win odds of horse 1 to 18 over the filled snapshots.
  std::array<ui::SeriesPoints, 18> Chart3;
  // Chart4: place / win (Series27) and quinella / win (Series28) vote totals; the place
  // (Series29), win (Series30), quinella (Series31) and bracket-quinella (Series32) totals.
  ui::SeriesPoints Series27, Series28, Series29, Series30, Series31, Series32;
};

// A table cell as a chart value: " ﾄﾘｹｼ" gives 0, any other text its decimal number (a text
// that is not a number throws base::ConversionError).
double ChartValue(std::string_view text);
// The same in hundredths: the first "." removed, the rest read as an integer (" -0.05" gives
// -5, "  2.34" 234).
int32_t HundredthsValue(std::string_view text);

// The score of values[r] among all values: with D = 1 + the number of values strictly
// greater, D 1, 2, 3 score +3, +2, +1, then D = n, n - 1, n - 2 score -3, -2, -1 (tested in
// this order, so the upper scores win in small races); any other D scores 0.
int32_t ChangeScore(const std::vector<double>& values, std::size_t r);

// Snapshot k holds odds: its SlotNumber is not 0 and its Label sorts before "90000".
bool SnapshotFilled(const RaceOddsRecord& record, int k);

// Every series of the four charts, each refilled from nothing: Chart1 and Chart2 one point
// per table row 1 to n in the table's order, labelled with the row's horse number text
// (column 1); Chart3 for horses 1 to n in number order, each point in the horse's bracket
// colour, labelled "1" to "6" by snapshot; Chart4 one point per filled snapshot. A ratio of
// Chart4 for a snapshot without win votes is 0. n is RunnerCount taken into 0-18; an odds of
// the record that is not a finite number gives 0 (WithFiniteOdds).
HorseCharts RebuildHorseCharts(const base::TextGrid& grid, const RaceOddsRecord& record);

}  // namespace viewer
