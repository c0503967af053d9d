// Chart series filled from an analysis table's texts: one point per row in the table's
// current order, labelled with the row's text in a label column.
#pragma once
#include <cstdint>
#include <string_view>

#include "base/text_grid.h"
#include "ui/chart_data.h"

namespace viewer {

// A cell's text as a chart value.
using CellReader = double (*)(std::string_view text);

// Rows first_row to last_row of `column`, each read with `value`, labelled with the row's
// text in `label_column`, in the series' colour.
ui::SeriesPoints ColumnPoints(const base::TextGrid& grid, int32_t first_row, int32_t last_row,
                              int column, int label_column, ui::Color color, CellReader value);

// The odds of the favourite's pairs in a pair table: `leading` empty points (the rows
// 1 to leading, whose pair with row `leading` is not below the diagonal), then the odds in
// matrix column first_matrix_column + leading - 1 (the column of row `leading`'s horse or
// bracket) for rows leading + 1 to count. The empty points are there even without rows.
ui::SeriesPoints PairOddsPoints(const base::TextGrid& grid, int32_t count, int leading,
                                int first_matrix_column, int label_column, ui::Color color);

// Series filled from the record itself: a point whose value is not a finite number (only a
// damaged record holds one) becomes an empty point in its place, keeping its label.
void ClearNonNumbers(ui::SeriesPoints& points);

}  // namespace viewer
