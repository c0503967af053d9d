// The three analysis tables rebuilt from a race record of any bytes, so that its floats
// take every value they can hold (NaN and the infinities among them), for 0 to 18 runners
// and any two snapshots. Input: byte 0 the runner count (taken modulo 19), bytes 1 and 2
// the first and second snapshot (modulo 6, from 1), then the record's bytes (cut to a
// record, zeros behind a short one).
//
// Each table is built or fails with the conversion error; a table that was built takes what
// its window then does with it without an error: every sort key in both directions (the
// rows only reordered), the colours of every cell and the charts, whose points all hold
// finite numbers.
#include <algorithm>
#include <cmath>

#include "base/errors.h"
#include "fuzz/fuzz_support.h"
#include "viewer/logic/BracketTable.h"
#include "viewer/logic/HorseCharts.h"
#include "viewer/logic/HorseColours.h"
#include "viewer/logic/HorseSort.h"
#include "viewer/logic/HorseTable.h"
#include "viewer/logic/QuinellaTable.h"
#include "viewer/logic/SortButtons.h"

namespace {

using viewer::RaceOddsRecord;

void CheckPoints(const ui::SeriesPoints& points, const std::string& series) {
  for (const ui::ChartPoint& p : points) {
    FUZZ_CHECK(p.empty || std::isfinite(p.value), series + " " + std::to_string(p.value));
  }
}

// The texts of a column of rows 1 to count, in order.
std::vector<std::string> ColumnOf(const base::TextGrid& grid, int column, int32_t count) {
  std::vector<std::string> texts;
  for (int32_t row = 1; row <= count; ++row) texts.push_back(grid.Cell(column, row));
  std::sort(texts.begin(), texts.end());
  return texts;
}

// Sorting by every key of the window's buttons, both ways, reorders the rows only.
template <class Sort>
void SortByEveryKey(const base::TextGrid& grid, std::span<const viewer::SortButton> keys,
                    int32_t count, int id_column, Sort sort) {
  const std::vector<std::string> ids = ColumnOf(grid, id_column, count);
  for (const viewer::SortButton& key : keys) {
    for (bool ascending : {true, false}) {
      base::TextGrid sorted = grid;
      sort(sorted, key.column, ascending);
      FUZZ_CHECK(ColumnOf(sorted, id_column, count) == ids,
                 "sort by column " + std::to_string(key.column));
    }
  }
}

void HorseTable(const RaceOddsRecord& r, int t1, int t2) {
  base::TextGrid grid;
  try {
    grid = viewer::BuildHorseTable(r, t1, t2);
  } catch (const base::ConversionError&) {
    return;
  }
  const int32_t n = viewer::TableHorseCount(r.RunnerCount());
  viewer::SortHorseTable(grid, n, viewer::kHorseSortStart.SortColumn, true);
  viewer::MarkScratchedRows(grid, n);
  SortByEveryKey(grid, viewer::kHorseSortButtons, n, 1,
                 [n](base::TextGrid& g, int c, bool a) { viewer::SortHorseTable(g, n, c, a); });
  const viewer::HorseMarks marks{1, 1, 2, 3};
  for (int row = 0; row < grid.RowCount(); ++row) {
    for (int col = 0; col < grid.ColCount(); ++col) {
      viewer::HorseCellStyle(grid, n, marks, col, row);
    }
  }
  const viewer::HorseCharts c = viewer::RebuildHorseCharts(grid, r);
  for (const auto* s :
       {&c.Series1, &c.Series2, &c.Series3, &c.Series4, &c.Series5, &c.Series6, &c.Series7,
        &c.Series8, &c.Series27, &c.Series28, &c.Series29, &c.Series30, &c.Series31, &c.Series32}) {
    CheckPoints(*s, "per-horse chart");
  }
  for (const auto& s : c.Chart3) CheckPoints(s, "per-horse odds chart");
}

void QuinellaTable(const RaceOddsRecord& r, int t1, int t2) {
  base::TextGrid grid;
  try {
    grid = viewer::BuildQuinellaTable(r, t1, t2);
  } catch (const base::ConversionError&) {
    return;
  }
  const int32_t n = viewer::TableHorseCount(r.RunnerCount());
  viewer::SortQuinellaTable(grid, n, 0, true);
  SortByEveryKey(grid, viewer::kQuinellaSortButtons, n, 5,
                 [n](base::TextGrid& g, int c, bool a) { viewer::SortQuinellaTable(g, n, c, a); });
  const viewer::HorseMarks marks{1, 3, 2, 1};
  for (int row = 0; row < grid.RowCount(); ++row) {
    for (int col = 0; col < grid.ColCount(); ++col) {
      viewer::QuinellaCellStyle(grid, n, marks, col, row);
    }
  }
  const viewer::QuinellaCharts c = viewer::FillQuinellaCharts(grid, n);
  for (const auto* s :
       {&c.Series1, &c.Series2, &c.Series3, &c.Series4, &c.Series5, &c.Series6, &c.Series7}) {
    CheckPoints(*s, "quinella chart");
  }
}

void BracketTable(const RaceOddsRecord& r, int t1, int t2) {
  base::TextGrid grid;
  try {
    grid = viewer::BuildBracketTable(r, t1, t2);
  } catch (const base::ConversionError&) {
    return;
  }
  const int32_t m = viewer::BracketRowCount(r.RunnerCount());
  viewer::SortBracketTable(grid, m, 0, true);
  SortByEveryKey(grid, viewer::kBracketSortButtons, m, 8,
                 [m](base::TextGrid& g, int c, bool a) { viewer::SortBracketTable(g, m, c, a); });
  for (int row = 0; row < grid.RowCount(); ++row) {
    for (int col = 0; col < grid.ColCount(); ++col) viewer::BracketCellStyle(grid, m, col, row);
  }
  const viewer::BracketCharts c = viewer::FillBracketCharts(grid, r);
  for (const auto* s : {&c.Series1, &c.Series2, &c.Series3, &c.Series4}) {
    CheckPoints(*s, "bracket chart");
  }
  for (const auto& s : c.Chart2) CheckPoints(s, "bracket share chart");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  std::string bytes(fuzzsupport::Bytes(data + 3, size - 3));
  bytes.resize(RaceOddsRecord::kSize);
  RaceOddsRecord record = RaceOddsRecord::FromBytes(bytes);
  record.SetRunnerCount(data[0] % 19);
  const int t1 = data[1] % 6 + 1;
  const int t2 = data[2] % 6 + 1;
  HorseTable(record, t1, t2);
  QuinellaTable(record, t1, t2);
  BracketTable(record, t1, t2);
  return 0;
}
