// The window layer's controls under the offscreen platform: a table rebuild of the analysis
// windows' size (19 x 19 cells written four times, then every cell redrawn through the
// owner-draw callback), with the grid's texts replaced whole or written cell by cell; the
// per-horse window's four charts refilled and drawn.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "base/text_grid.h"
#include "ui/application.h"
#include "ui/chart.h"
#include "ui/form.h"
#include "ui/message_box.h"
#include "ui/string_grid.h"

namespace {

constexpr int kCols = 19;
constexpr int kRows = 19;

// The texts of one rebuild: a header row, names and numbers as the tables write them;
// `round` changes every number so that each round's texts are new.
base::TextGrid TableTexts(int round) {
  base::TextGrid texts(kCols, kRows, " ");
  texts.SetRowCommaText(0,
                        "枠,馬,出走馬名,順,得票率,得票差,順,オッズ,得票率,得票差,順,得票率,"
                        "得票差,得票差,得票差,騎乗騎手,場,調教師名,着順");
  char number[32];
  for (int r = 1; r < kRows; ++r) {
    texts.SetCell(0, r, "８");
    texts.SetCell(2, r, "アイウエオカキクケコサシス");
    texts.SetCell(15, r, "騎手名前");
    texts.SetCell(17, r, "調教師名前");
    for (int c : {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 18}) {
      std::snprintf(number, sizeof number, "%6.2f", (r * 19 + c + round) % 1000 / 7.0 - 20);
      texts.SetCell(c, r, number);
    }
  }
  return texts;
}

// A colour rule of the size the tables use: a few comparisons on the cell's text.
ui::CellStyle Style(const ui::StringGrid& grid, int col, int row) {
  ui::CellStyle style;
  const std::string& t = grid.Cell(col, row);
  if (row == 0) style.brush = {233, 233, 233};
  if (col == 1 && row > 0) style.brush = {228, 228, 228};
  if (t.find('-') != std::string::npos) style.font = ui::kRed;
  if (col == 2 || col == 15 || col == 17) style.font_name = "ＭＳ Ｐゴシック";
  return style;
}

struct TableWindow {
  ui::Form form;
  ui::StringGrid grid{form};
  long cells_drawn = 0;
  TableWindow() {
    form.SetClientSize(815, 552);
    grid.SetBounds(0, 16, 810, 330);
    grid.SetFont("ＭＳ ゴシック", 13);
    grid.SetColCount(kCols);
    grid.SetRowCount(kRows);
    grid.SetDefaultColWidth(40);
    grid.SetDefaultRowHeight(16);
    grid.on_draw_cell = [this](int col, int row) {
      ++cells_drawn;
      return Style(grid, col, row);
    };
    form.Show();
    ui::ProcessMessages();
  }
};

// Four rebuilds of the table by `write`, then every cell redrawn.
template <typename Write>
void GridRebuild(benchmark::State& state, Write write) {
  ui::MessageRecorder messages;
  TableWindow w;
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    base::TextGrid texts = TableTexts(++round);
    state.ResumeTiming();
    for (int i = 0; i < 4; ++i) write(w.grid, texts);
    w.grid.Repaint();
    ui::ProcessMessages();
  }
  state.counters["cells_drawn"] =
      benchmark::Counter(static_cast<double>(w.cells_drawn), benchmark::Counter::kAvgIterations);
  if (w.cells_drawn < state.iterations() * kCols * kRows) state.SkipWithError("cells not drawn");
  if (!messages.messages().empty()) state.SkipWithError(messages.texts()[0].c_str());
}

void BM_GridRebuildByWholeTexts(benchmark::State& state) {
  GridRebuild(state,
              [](ui::StringGrid& grid, const base::TextGrid& texts) { grid.SetTexts(texts); });
}
BENCHMARK(BM_GridRebuildByWholeTexts)->Unit(benchmark::kMillisecond);

void BM_GridRebuildCellByCell(benchmark::State& state) {
  GridRebuild(state, [](ui::StringGrid& grid, const base::TextGrid& texts) {
    for (int r = 0; r < kRows; ++r) {
      for (int c = 0; c < kCols; ++c) grid.SetCell(c, r, texts.Cell(c, r));
    }
  });
}
BENCHMARK(BM_GridRebuildCellByCell)->Unit(benchmark::kMillisecond);

// The per-horse window's four charts as one window shows them: 32 series, refilled whole
// (18 horses, 6 snapshots), then drawn.
struct ChartsWindow {
  ui::Form form;
  ui::Chart charts[4] = {ui::Chart{form}, ui::Chart{form}, ui::Chart{form}, ui::Chart{form}};
  std::vector<std::pair<int, int>> series;  // chart, series
  ChartsWindow() {
    form.SetClientSize(1240, 420);
    for (int c = 0; c < 4; ++c) charts[c].SetBounds(c % 2 * 620, c / 2 * 210, 609, 201);
    auto add = [this](int c, ui::SeriesStyle style) {
      series.push_back({c, charts[c].AddSeries(style)});
    };
    for (int i = 0; i < 3; ++i) add(0, {.kind = ui::SeriesKind::kFastLine});
    for (int i = 0; i < 2; ++i) {
      add(0, {.kind = ui::SeriesKind::kBar, .axis = ui::ChartAxis::kRight, .in_legend = false});
    }
    for (int i = 0; i < 3; ++i) add(1, {.kind = ui::SeriesKind::kBar, .bar_width_percent = 55});
    for (int i = 0; i < 18; ++i) add(2, {.kind = ui::SeriesKind::kLine});
    for (int i = 0; i < 2; ++i) {
      add(3, {.kind = ui::SeriesKind::kBar, .marks = ui::BarMarks{.offset = 45 + 15 * i}});
    }
    for (int i = 0; i < 4; ++i) {
      add(3, {.kind = ui::SeriesKind::kLine, .axis = ui::ChartAxis::kRight, .point_markers = true});
    }
    charts[0].SetAxisScale(ui::ChartAxis::kLeft, ui::AxisScale::Fixed(0, 30));
    charts[2].SetAxisScale(ui::ChartAxis::kLeft, ui::AxisScale::Fixed(0, 50, 10));
    form.Show();
    ui::ProcessMessages();
  }
};

// The points of one series: per horse on charts 0 and 1, per snapshot on charts 2 and 3.
ui::SeriesPoints ChartPoints(int chart, int series, int round) {
  int count = chart < 2 ? 18 : 6;
  ui::SeriesPoints points;
  char label[8];
  for (int i = 0; i < count; ++i) {
    std::snprintf(label, sizeof label, "%2d", i + 1);
    double value = (i * 7 + series * 3 + round) % 40 + 0.5;
    points.push_back(ui::ChartPoint{value, label, ui::Color{255, 0, series * 10 % 256}, false});
  }
  return points;
}

void BM_ChartsRefill(benchmark::State& state) {
  ui::MessageRecorder messages;
  ChartsWindow w;
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<ui::SeriesPoints> all;
    for (auto [c, s] : w.series) all.push_back(ChartPoints(c, s, ++round));
    state.ResumeTiming();
    for (std::size_t i = 0; i < all.size(); ++i) {
      w.charts[w.series[i].first].SetPoints(w.series[i].second, std::move(all[i]));
    }
    ui::ProcessMessages();
  }
  if (w.charts[3].Points(w.series.back().second).size() != 6) state.SkipWithError("not refilled");
  if (!messages.messages().empty()) state.SkipWithError(messages.texts()[0].c_str());
}
BENCHMARK(BM_ChartsRefill)->Unit(benchmark::kMillisecond);

}  // namespace
