// The contents of a chart series as plain data: points side by side at 0, 1, 2, ... in the
// order they were added, each with its value, label and colour, or an empty point (a gap
// that still takes its place). The tables fill these; the chart draws them.
#pragma once
#include <string>
#include <vector>

#include "ui/color.h"

namespace ui {

struct ChartPoint {
  double value = 0;
  std::string label;  // Shift-JIS, shown on the bottom axis
  Color color;
  bool empty = false;
  friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

using SeriesPoints = std::vector<ChartPoint>;

inline ChartPoint EmptyPoint() { return ChartPoint{0, "", Color{}, true}; }

}  // namespace ui
