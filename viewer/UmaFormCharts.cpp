// The per-horse window's four charts: their series and axes, and their refill.
#include <initializer_list>
#include <utility>

#include "ui/chart_data.h"
#include "ui/color.h"
#include "viewer/UmaForm.h"
#include "viewer/ViewerState.h"
#include "viewer/logic/HorseCharts.h"

namespace viewer {

namespace {

using ui::AxisScale;
using ui::ChartAxis;
using ui::SeriesKind;

// Series1, Series2, Series3, Series6, Series7: the shares, and their gaps in hundredths on
// the hidden right axis.
const ui::ChartSetup kChart1 = {
    .series = {{.kind = SeriesKind::kFastLine, .title = "複勝", .color = {0, 196, 0}},
               {.kind = SeriesKind::kFastLine, .title = "単勝", .color = ui::kBlue},
               {.kind = SeriesKind::kFastLine, .title = "馬連", .color = ui::kRed},
               {.kind = SeriesKind::kBar,
                .color = {0, 166, 0},
                .axis = ChartAxis::kRight,
                .in_legend = false,
                .bar_width_percent = 50},
               {.kind = SeriesKind::kBar,
                .color = ui::kRed,
                .axis = ChartAxis::kRight,
                .in_legend = false,
                .bar_width_percent = 50}},
    .axes = {{.axis = ChartAxis::kLeft, .scale = AxisScale::Fixed(0, 30)},
             {.axis = ChartAxis::kRight, .scale = AxisScale::Fixed(-1500, 1500), .visible = false}},
    .title_visible = false,
};

// Series4, Series5, Series8: the change scores.
const ui::ChartSetup kChart2 = {
    .series =
        {{.kind = SeriesKind::kBar, .title = "複勝", .color = {0, 187, 0}, .bar_width_percent = 55},
         {.kind = SeriesKind::kBar, .title = "単勝", .color = ui::kBlue, .bar_width_percent = 55},
         {.kind = SeriesKind::kBar, .title = "連勝", .color = ui::kRed, .bar_width_percent = 55}},
    .axes = {{.axis = ChartAxis::kBottom, .style = {.line_visible = false}}},
    .title_visible = false,
};

// Series9 to Series26: horses 1 to 18, each drawn in its bracket's colour.
const ui::ChartSetup kChart3 = [] {
  ui::ChartSetup setup = {
      .axes = {{.axis = ChartAxis::kLeft,
                .scale = AxisScale::Fixed(0, 50, 10),
                .style = {.grid = ui::LineStyle::kDotted, .minor_ticks = 3}}},
      .title_visible = false,
      .legend_visible = false,
      .background = ui::Color{217, 217, 217},
  };
  setup.series.assign(18, {.kind = SeriesKind::kLine});
  return setup;
}();

// Series27 to Series32: the vote ratios as bars with their value marks, the vote totals as
// lines on the right axis.
const ui::ChartSetup kChart4 = {
    .series =
        {{.kind = SeriesKind::kBar,
          .title = "複勝/単勝",
          .color = {121, 121, 255},
          .bar_width_percent = 25,
          .marks =
              ui::BarMarks{.background = {200, 200, 255}, .frame = {0, 128, 255}, .offset = 45}},
         {.kind = SeriesKind::kBar,
          .title = "馬連/単勝",
          .color = {255, 121, 121},
          .bar_width_percent = 25,
          .marks =
              ui::BarMarks{
                  .background = {255, 200, 200}, .frame = ui::kRed, .offset = 60, .clipped = true}},
         {.kind = SeriesKind::kLine,
          .title = "複勝投票数",
          .color = {0, 128, 255},
          .axis = ChartAxis::kRight,
          .point_markers = true,
          .marker = {3, 2}},
         {.kind = SeriesKind::kLine,
          .title = "単勝投票数",
          .color = ui::kBlack,
          .axis = ChartAxis::kRight,
          .point_markers = true,
          .marker = {3, 3}},
         {.kind = SeriesKind::kLine,
          .title = "馬連投票数",
          .color = ui::kRed,
          .axis = ChartAxis::kRight,
          .point_markers = true,
          .marker = {3, 3}},
         {.kind = SeriesKind::kLine,
          .title = "枠連投票数",
          .color = {0, 255, 0},
          .axis = ChartAxis::kRight,
          .point_markers = true,
          .marker = {3, 3}}},
    .axes = {{.axis = ChartAxis::kLeft, .scale = AxisScale::Fixed(0, 20), .title = "売上比率"},
             {.axis = ChartAxis::kRight, .title = "投票数"}},
    .title_visible = false,
};

}  // namespace

void TForm2::SetUpCharts() {
  Chart1.SetUp(kChart1);
  Chart2.SetUp(kChart2);
  Chart3.SetUp(kChart3);
  Chart4.SetUp(kChart4);
}

void TForm2::RebuildHorseCharts() {
  HorseCharts c = viewer::RebuildHorseCharts(StringGrid1.Texts(), ShownRace());
  // The chart's series in the order they were added.
  auto fill = [&c](ui::Chart& chart,
                   std::initializer_list<ui::SeriesPoints HorseCharts::*> series) {
    int i = 0;
    for (auto points : series) chart.SetPoints(i++, std::move(c.*points));
  };
  fill(Chart1, {&HorseCharts::Series1, &HorseCharts::Series2, &HorseCharts::Series3,
                &HorseCharts::Series6, &HorseCharts::Series7});
  fill(Chart2, {&HorseCharts::Series4, &HorseCharts::Series5, &HorseCharts::Series8});
  for (std::size_t i = 0; i < c.Chart3.size(); ++i) {
    Chart3.SetPoints(static_cast<int>(i), std::move(c.Chart3[i]));
  }
  fill(Chart4, {&HorseCharts::Series27, &HorseCharts::Series28, &HorseCharts::Series29,
                &HorseCharts::Series30, &HorseCharts::Series31, &HorseCharts::Series32});
}

}  // namespace viewer
