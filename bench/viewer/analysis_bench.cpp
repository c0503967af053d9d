// The logic of one per-horse table rebuild for 18 runners: the table, its sort, the
// scratched rows, the four charts and the colours of every cell, as a window draws them.
#include <benchmark/benchmark.h>

#include <string>

#include "viewer/logic/HorseCharts.h"
#include "viewer/logic/HorseColours.h"
#include "viewer/logic/HorseSort.h"
#include "viewer/logic/HorseTable.h"
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
    }
  }
  return r;
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
    int fills = 0;
    for (int row = 0; row < grid.RowCount(); ++row) {
      for (int col = 0; col < grid.ColCount(); ++col) {
        fills += viewer::HorseCellStyle(grid, 18, marks, col, row).brush.r;
      }
    }
    benchmark::DoNotOptimize(charts);
    benchmark::DoNotOptimize(fills);
  }
}
BENCHMARK(BM_HorseRebuild)->Unit(benchmark::kMicrosecond);

}  // namespace
