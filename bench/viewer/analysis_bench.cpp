// The logic of one table rebuild of each analysis window for 18 runners: the table, its
// sorts, the charts and the colours of every cell, as a window draws them. A second-time
// choice with all three windows open runs up to four rebuilds of each.
#include <benchmark/benchmark.h>

#include <string>

#include "viewer/logic/BracketTable.h"
#include "viewer/logic/HorseCharts.h"
#include "viewer/logic/HorseColours.h"
#include "viewer/logic/HorseSort.h"
#include "viewer/logic/HorseTable.h"
#include "viewer/logic/QuinellaTable.h"
#include "viewer/logic/SortButtons.h"

namespace {

viewer::RaceOddsRecord Race18() {
  viewer::RaceOddsRecord r;
  viewer::InitRaceOddsRecord(r);
  r.SetRaceKey("2024051905021211");
  r.SetRunnerCount(18);
  r.SetPostTime("15:40");
  for (int k = 1; k <= 18; ++k) {
    r.SetHorseName(k, "ｻﾝﾌﾟﾙﾎｰｽ" + std::to_string(k));
    r.SetJockeyName(k, "騎手" + std::to_string(k));
    r.SetTrainerName(k, "調教" + std::to_string(k));
    r.SetAffiliation(k, k % 3 ? "美" : "栗");
    r.SetFinishOrder(k, k <= 3 ? 4 - k : 0);
  }
  for (int s = 1; s <= 6; ++s) {
    r.SetLabel(s, "2" + std::to_string(1000 + 100 * s));
    r.SetSlotNumber(s, s);
    r.SetWinVoteTotal(s, 100000 * s);
    r.SetPlaceVoteTotal(s, 60000 * s);
    r.SetQuinellaVoteTotal(s, 250000 * s);
    r.SetBracketQuinellaVoteTotal(s, 40000 * s);
    for (int k = 1; k <= 18; ++k) {
      r.SetOddsWin(s, k, k == 7 ? 10001.0f : 1.5f + static_cast<float>(k * k) * (1.0f + 0.05f * s));
      r.SetOddsPlace(s, k, 1.1f + 0.4f * static_cast<float>(k) + 0.1f * static_cast<float>(s));
      r.SetQuinellaShare(s, k, 100.0f / 18.0f + static_cast<float>(9 - k) * 0.3f);
      for (int j = k + 1; j <= 18; ++j) {
        r.SetOddsQuinella(s, k, j, static_cast<float>(k * j) * (1.0f + 0.1f * s));
      }
    }
    for (int b = 1; b <= 8; ++b) {
      r.SetBracketQuinellaShare(s, b, 12.5f + static_cast<float>(b - 4) * 0.5f);
      for (int j = b; j <= 8; ++j) r.SetOddsBracketQuinella(s, b, j, 2.0f * b * j + 0.1f * s);
    }
  }
  return r;
}

// The style of every cell, as a repaint asks for them.
template <class Style>
int PaintAll(const base::TextGrid& grid, Style style) {
  int fills = 0;
  for (int row = 0; row < grid.RowCount(); ++row) {
    for (int col = 0; col < grid.ColCount(); ++col) fills += style(col, row).brush.r;
  }
  return fills;
}

void BM_HorseRebuild(benchmark::State& state) {
  const viewer::RaceOddsRecord race = Race18();
  viewer::HorseMarks marks{};
  marks[3] = 3;
  marks[11] = 1;
  for (auto _ : state) {
    base::TextGrid grid = viewer::BuildHorseTable(race, 1, 6);
    viewer::SortState sort = viewer::kHorseSortStart;
    viewer::SortHorseTable(grid, 18, sort.SortColumn, sort.SortAscending);
    viewer::MarkScratchedRows(grid, 18);
    viewer::HorseCharts charts = viewer::RebuildHorseCharts(grid, race);
    // The first build's press of 単勝: a second sort and the charts again.
    sort.SortAscending = false;
    viewer::PressSortButton(sort, viewer::kHorseSortButtons, 4);
    viewer::SortHorseTable(grid, 18, sort.SortColumn, sort.SortAscending);
    charts = viewer::RebuildHorseCharts(grid, race);
    benchmark::DoNotOptimize(charts);
    benchmark::DoNotOptimize(PaintAll(
        grid, [&](int col, int row) { return viewer::HorseCellStyle(grid, 18, marks, col, row); }));
  }
}
BENCHMARK(BM_HorseRebuild)->Unit(benchmark::kMicrosecond);

void BM_QuinellaRebuild(benchmark::State& state) {
  const viewer::RaceOddsRecord race = Race18();
  viewer::HorseMarks marks{};
  marks[3] = 3;
  for (auto _ : state) {
    base::TextGrid grid = viewer::BuildQuinellaTable(race, 1, 6);
    viewer::SortState sort = viewer::kQuinellaSortStart;
    sort.SortAscending = false;
    viewer::PressSortButton(sort, viewer::kQuinellaSortButtons, 1);
    viewer::SortQuinellaTable(grid, 18, sort.SortColumn, sort.SortAscending);
    viewer::QuinellaCharts charts = viewer::FillQuinellaCharts(grid, 18);
    benchmark::DoNotOptimize(charts);
    benchmark::DoNotOptimize(PaintAll(grid, [&](int col, int row) {
      return viewer::QuinellaCellStyle(grid, 18, marks, col, row);
    }));
  }
}
BENCHMARK(BM_QuinellaRebuild)->Unit(benchmark::kMicrosecond);

void BM_BracketRebuild(benchmark::State& state) {
  const viewer::RaceOddsRecord race = Race18();
  for (auto _ : state) {
    base::TextGrid grid = viewer::BuildBracketTable(race, 1, 6);
    viewer::SortState sort = viewer::kBracketSortStart;
    sort.SortAscending = false;
    viewer::PressSortButton(sort, viewer::kBracketSortButtons, 1);
    viewer::SortBracketTable(grid, 8, sort.SortColumn, sort.SortAscending);
    viewer::BracketCharts charts = viewer::FillBracketCharts(grid, race);
    benchmark::DoNotOptimize(charts);
    benchmark::DoNotOptimize(PaintAll(
        grid, [&](int col, int row) { return viewer::BracketCellStyle(grid, 8, col, row); }));
  }
}
BENCHMARK(BM_BracketRebuild)->Unit(benchmark::kMicrosecond);

}  // namespace
