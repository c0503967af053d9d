#include "viewer/logic/ChartPoints.h"

#include <cmath>

#include "base/values.h"

namespace viewer {

ui::SeriesPoints ColumnPoints(const base::TextGrid& grid, int32_t first_row, int32_t last_row,
                              int column, int label_column, ui::Color color, CellReader value) {
  ui::SeriesPoints points;
  for (int32_t row = first_row; row <= last_row; ++row) {
    points.push_back({value(grid.Cell(column, row)), grid.Cell(label_column, row), color, false});
  }
  return points;
}

ui::SeriesPoints PairOddsPoints(const base::TextGrid& grid, int32_t count, int leading,
                                int first_matrix_column, int label_column, ui::Color color) {
  ui::SeriesPoints points(static_cast<std::size_t>(leading), ui::EmptyPoint());
  const ui::SeriesPoints odds =
      ColumnPoints(grid, leading + 1, count, first_matrix_column + leading - 1, label_column, color,
                   base::DecimalValue);
  points.insert(points.end(), odds.begin(), odds.end());
  return points;
}

void ClearNonNumbers(ui::SeriesPoints& points) {
  for (ui::ChartPoint& p : points) {
    if (!std::isfinite(p.value)) {
      p.value = 0;
      p.empty = true;
    }
  }
}

}  // namespace viewer
