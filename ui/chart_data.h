// A chart as plain data: the points of its series, side by side at 0, 1, 2, ... in the order
// they were added, each with its value, label and colour, or an empty point (a gap that still
// takes its place); how each series is drawn; its axes, legend, title and background. The
// tables fill the points and the windows hold their charts' set-up; ui::Chart draws them.
#pragma once
#include <optional>
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

enum class SeriesKind {
  kLine,      // a line through the points
  kFastLine,  // a line through the points, never with markers
  kBar,       // a bar per point, beside the bars of the other bar series of its axis
};

enum class ChartAxis { kLeft, kRight, kBottom, kTop };

// The value mark of each bar: its value as BarMarkText writes it, in a framed box that stands
// `offset` pixels above the bar's end, with no line between them.
struct BarMarks {
  Color background = kWhite;
  Color frame = kBlack;
  int offset = 0;
  bool clipped = false;  // drawn only inside the plot area (the axes' rectangle)
  friend bool operator==(const BarMarks&, const BarMarks&) = default;
};

// The text of a bar's value mark, "#,##0.#": thousands separated by ",", at least one whole
// digit and at most one decimal, a decimal of 0 not written ("12", "1.5", "1,234.5"). The
// value is rounded as it reads in decimal, halves away from zero (0.05 gives "0.1", 999.95
// "1,000"); a value that rounds to zero is "0", without a sign.
std::string BarMarkText(double value);

// A point marker: an ellipse `width` x `height` pixels, a circle when the two are equal.
struct MarkerSize {
  int width = 6;
  int height = 6;
  friend bool operator==(const MarkerSize&, const MarkerSize&) = default;
};

// How a series is drawn. A line takes the colour of its first point and each marker the
// colour of its point, unless the style gives the line's or the markers' colour apart; the
// bars of a series take the colour of its first point.
struct SeriesStyle {
  SeriesKind kind = SeriesKind::kLine;
  std::string title;                  // in the legend
  Color color;                        // in the legend while the series has no point
  ChartAxis axis = ChartAxis::kLeft;  // its vertical axis: kLeft or kRight
  bool in_legend = true;
  int bar_width_percent = 70;         // bars: the part of a point's slot that the bars fill
  std::optional<BarMarks> marks;      // bars: each bar's value shown above it
  bool point_markers = false;         // lines: a marker at each point
  MarkerSize marker;                  // lines: the markers' size
  std::optional<Color> line_color;    // lines: the colour of the line itself
  std::optional<Color> marker_color;  // lines: the colour of every marker
};

// The range of a value axis: each end fixed or taken from the points of the series on the
// axis (with a margin to a round number; bars reach down or up to 0).
struct AxisScale {
  bool automatic_min = true;
  bool automatic_max = true;
  double min = 0;  // used while the end is not automatic
  double max = 0;
  double increment = 0;  // the distance of the ticks; 0: the chart chooses
  static AxisScale Fixed(double min, double max, double increment = 0) {
    return AxisScale{false, false, min, max, increment};
  }
  friend bool operator==(const AxisScale&, const AxisScale&) = default;
};

// A font of chart texts; an empty name or a size of 0 keeps the chart's own.
struct ChartFont {
  std::string name;  // Shift-JIS
  int pixel_size = 0;
  bool bold = false;
  friend bool operator==(const ChartFont&, const ChartFont&) = default;
};

enum class LineStyle { kSolid, kDotted };

// How an axis is drawn.
struct AxisStyle {
  bool line_visible = true;            // the axis line
  LineStyle grid = LineStyle::kSolid;  // the lines across the chart at the ticks
  int minor_ticks = 0;                 // minor grid lines between two ticks; 0: none
  Color minor_grid{192, 192, 192};     // their colour (silver)
  ChartFont labels;                    // the tick values, or the bottom axis' point labels
  friend bool operator==(const AxisStyle&, const AxisStyle&) = default;
};

// One axis of a chart's set-up; what is not given stays as the chart starts.
struct AxisSetup {
  ChartAxis axis = ChartAxis::kLeft;
  std::optional<AxisScale> scale;
  std::string title;
  std::optional<bool> visible;
  AxisStyle style;
};

// A chart's whole set-up: its series in the order of their numbers (0, 1, ...), its axes,
// title, legend and background.
struct ChartSetup {
  std::vector<SeriesStyle> series;
  std::vector<AxisSetup> axes;
  std::string title;
  bool title_visible = true;
  bool legend_visible = true;
  std::optional<Color> background;
};

}  // namespace ui
