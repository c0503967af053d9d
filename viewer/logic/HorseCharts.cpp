#include "viewer/logic/HorseCharts.h"

#include <string>

#include "base/values.h"
#include "viewer/logic/Brackets.h"
#include "viewer/logic/ChartPoints.h"
#include "viewer/logic/HorseTable.h"

namespace viewer {

namespace {

using ui::Color;

ui::SeriesPoints ScoresOf(const base::TextGrid& grid, int32_t n, int column, Color color) {
  std::vector<double> values;
  values.reserve(n);
  for (int32_t row = 1; row <= n; ++row) values.push_back(ChartValue(grid.Cell(column, row)));
  ui::SeriesPoints points;
  for (int32_t row = 1; row <= n; ++row) {
    points.push_back(
        {static_cast<double>(ChangeScore(values, row - 1)), grid.Cell(1, row), color, false});
  }
  return points;
}

template <class Value>
ui::SeriesPoints OverSnapshots(const RaceOddsRecord& r, Color color, Value value) {
  ui::SeriesPoints points;
  for (int k = 1; k <= RaceOddsRecord::kSnapshots; ++k) {
    if (SnapshotFilled(r, k)) points.push_back({value(k), std::to_string(k), color, false});
  }
  return points;
}

double Ratio(int32_t votes, int32_t win_votes) {
  return win_votes == 0 ? 0.0 : static_cast<double>(votes) / static_cast<double>(win_votes);
}

}  // namespace

double ChartValue(std::string_view text) {
  if (text == kScratchedText) return 0;
  return base::DecimalValue(text);
}

int32_t HundredthsValue(std::string_view text) {
  if (text == kScratchedText) return 0;
  std::string digits(text);
  if (auto dot = digits.find('.'); dot != std::string::npos) digits.erase(dot, 1);
  return base::IntegerValue(digits);
}

int32_t ChangeScore(const std::vector<double>& values, std::size_t r) {
  const auto n = static_cast<int32_t>(values.size());
  int32_t d = 1;
  for (double v : values) {
    if (v > values[r]) ++d;
  }
  if (d == 1) return 3;
  if (d == 2) return 2;
  if (d == 3) return 1;
  if (d == n) return -3;
  if (d == n - 1) return -2;
  if (d == n - 2) return -1;
  return 0;
}

bool SnapshotFilled(const RaceOddsRecord& r, int k) {
  return r.SlotNumber(k) != 0 && r.Label(k) < "90000";
}

HorseCharts RebuildHorseCharts(const base::TextGrid& grid, const RaceOddsRecord& record) {
  const RaceOddsRecord r = WithFiniteOdds(record);
  const int32_t n = TableHorseCount(r.RunnerCount());
  HorseCharts c;
  auto hundredths = [](std::string_view t) { return static_cast<double>(HundredthsValue(t)); };
  c.Series1 = ColumnPoints(grid, 1, n, 4, 1, {0, 196, 0}, ChartValue);
  c.Series2 = ColumnPoints(grid, 1, n, 8, 1, ui::kBlue, ChartValue);
  c.Series3 = ColumnPoints(grid, 1, n, 11, 1, ui::kRed, ChartValue);
  c.Series6 = ColumnPoints(grid, 1, n, 5, 1, {0, 166, 0}, hundredths);
  c.Series7 = ColumnPoints(grid, 1, n, 9, 1, ui::kRed, hundredths);

  c.Series4 = ScoresOf(grid, n, 12, {0, 187, 0});
  c.Series5 = ScoresOf(grid, n, 13, ui::kBlue);
  c.Series8 = ScoresOf(grid, n, 14, ui::kRed);

  for (int32_t i = 1; i <= n; ++i) {
    c.Chart3[i - 1] = OverSnapshots(r, BracketColours(BracketOfHorse(n, i)),
                                    [&](int k) { return static_cast<double>(r.OddsWin(k, i)); });
  }

  c.Series27 = OverSnapshots(r, {121, 121, 255},
                             [&](int k) { return Ratio(r.PlaceVoteTotal(k), r.WinVoteTotal(k)); });
  c.Series28 = OverSnapshots(
      r, {255, 121, 121}, [&](int k) { return Ratio(r.QuinellaVoteTotal(k), r.WinVoteTotal(k)); });
  c.Series29 = OverSnapshots(r, {0, 128, 255},
                             [&](int k) { return static_cast<double>(r.PlaceVoteTotal(k)); });
  c.Series30 =
      OverSnapshots(r, ui::kBlack, [&](int k) { return static_cast<double>(r.WinVoteTotal(k)); });
  c.Series31 = OverSnapshots(r, ui::kRed,
                             [&](int k) { return static_cast<double>(r.QuinellaVoteTotal(k)); });
  c.Series32 = OverSnapshots(
      r, {0, 255, 0}, [&](int k) { return static_cast<double>(r.BracketQuinellaVoteTotal(k)); });
  return c;
}

}  // namespace viewer
