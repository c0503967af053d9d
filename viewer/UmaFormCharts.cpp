// The per-horse window's four charts: their series and axes, and their refill.
#include <initializer_list>
#include <utility>

#include "ui/color.h"
#include "viewer/UmaForm.h"
#include "viewer/ViewerState.h"
#include "viewer/logic/HorseCharts.h"

namespace viewer {

using ui::ChartAxis;
using ui::SeriesKind;

void TForm2::SetUpCharts() {
  for (ui::Chart* chart : {&Chart1, &Chart2, &Chart3, &Chart4}) chart->SetTitleVisible(false);

  // Series1, Series2, Series3, Series6, Series7.
  Chart1.AddSeries({.kind = SeriesKind::kFastLine, .title = "複勝", .color = {0, 196, 0}});
  Chart1.AddSeries({.kind = SeriesKind::kFastLine, .title = "単勝", .color = ui::kBlue});
  Chart1.AddSeries({.kind = SeriesKind::kFastLine, .title = "馬連", .color = ui::kRed});
  Chart1.AddSeries({.kind = SeriesKind::kBar,
                    .color = {0, 166, 0},
                    .axis = ChartAxis::kRight,
                    .in_legend = false,
                    .bar_width_percent = 50});
  Chart1.AddSeries({.kind = SeriesKind::kBar,
                    .color = ui::kRed,
                    .axis = ChartAxis::kRight,
                    .in_legend = false,
                    .bar_width_percent = 50});
  Chart1.SetAxisScale(ChartAxis::kLeft, ui::AxisScale::Fixed(0, 30));
  Chart1.SetAxisScale(ChartAxis::kRight, ui::AxisScale::Fixed(-1500, 1500));
  Chart1.SetAxisVisible(ChartAxis::kRight, false);

  // Series4, Series5, Series8.
  for (auto [title, color] : {std::pair<const char*, ui::Color>{"複勝", {0, 187, 0}},
                              {"単勝", ui::kBlue},
                              {"連勝", ui::kRed}}) {
    Chart2.AddSeries(
        {.kind = SeriesKind::kBar, .title = title, .color = color, .bar_width_percent = 55});
  }

  // Series9 to Series26: horses 1 to 18, each drawn in its bracket's colour.
  for (int horse = 1; horse <= 18; ++horse) {
    Chart3.AddSeries({.kind = SeriesKind::kLine});
  }
  Chart3.SetAxisScale(ChartAxis::kLeft, ui::AxisScale::Fixed(0, 50, 10));
  Chart3.SetLegendVisible(false);
  Chart3.SetBackgroundColor({217, 217, 217});

  // Series27 to Series32.
  for (auto [title, color] : {std::pair<const char*, ui::Color>{"複勝/単勝", {121, 121, 255}},
                              {"馬連/単勝", {255, 121, 121}}}) {
    Chart4.AddSeries({.kind = SeriesKind::kBar,
                      .title = title,
                      .color = color,
                      .bar_width_percent = 25,
                      .marks = true});
  }
  for (auto [title, color] : {std::pair<const char*, ui::Color>{"複勝投票数", {0, 128, 255}},
                              {"単勝投票数", ui::kBlack},
                              {"馬連投票数", ui::kRed},
                              {"枠連投票数", {0, 255, 0}}}) {
    Chart4.AddSeries({.kind = SeriesKind::kLine,
                      .title = title,
                      .color = color,
                      .axis = ChartAxis::kRight,
                      .point_markers = true});
  }
  Chart4.SetAxisScale(ChartAxis::kLeft, ui::AxisScale::Fixed(0, 20));
  Chart4.SetAxisTitle(ChartAxis::kLeft, "売上比率");
  Chart4.SetAxisTitle(ChartAxis::kRight, "投票数");
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
