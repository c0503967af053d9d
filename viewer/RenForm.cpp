// The quinella window: its controls, the table's rebuild and sort, the marks and charts.
#include "viewer/RenForm.h"

#include <array>
#include <utility>

#include "ui/dispatch.h"
#include "viewer/MainForm.h"
#include "viewer/ViewerState.h"
#include "viewer/logic/HorseTable.h"
#include "viewer/logic/QuinellaTable.h"

namespace viewer {

TForm3* Form3 = nullptr;

const RangeItem kQuinellaOddsRanges[4] = {
    {"MAX:50", 50, 50}, {"MAX:100(Default)", 50, 100}, {"MAX:200", 50, 200}, {"MAX:500", 50, 500}};

namespace {

constexpr int kColumnWidths[kQuinellaTableColumns] = {
    20, 40, 20, 40, 20, 20, 45, 45, 45, 45, 45, 45, 45, 45, 45, 45, 45, 45, 45, 45, 45, 45, 45, 45};

using ui::AxisScale;
using ui::ChartAxis;
using ui::SeriesKind;

// Series1, Series2, Series3, Series7: the quinella shares as bars, the win odds and the
// odds of the two favourites' pairs on the right axis.
const ui::ChartSetup kChart1 = {
    .series = {{.kind = SeriesKind::kBar,
                .title = "得票率",
                .color = {175, 175, 175},
                .bar_width_percent = 25},
               {.kind = SeriesKind::kLine,
                .title = "単勝",
                .color = ui::kBlack,
                .axis = ChartAxis::kRight,
                .point_markers = true,
                .marker = {3, 3}},
               {.kind = SeriesKind::kLine,
                .title = "1人気-",
                .color = ui::kRed,
                .axis = ChartAxis::kRight},
               {.kind = SeriesKind::kLine,
                .title = "2人気-",
                .color = {0, 128, 255},
                .axis = ChartAxis::kRight}},
    .axes = {{.axis = ChartAxis::kLeft, .scale = AxisScale::Fixed(0, 50), .title = "馬連得票率"},
             {.axis = ChartAxis::kRight, .scale = AxisScale::Fixed(0, 100), .title = "配当"}},
    .title = "馬連得票率/単勝・組み合わせ馬連",
};

// Series4, Series5, Series6: the share changes of the three favourites' pairs; the top
// axis carries no series.
const ui::ChartSetup kChart2 = {
    .series = {{.kind = SeriesKind::kBar, .title = "1人気－", .color = ui::kRed},
               {.kind = SeriesKind::kBar, .title = "2人気－", .color = ui::kBlue},
               {.kind = SeriesKind::kBar, .title = "3人気－", .color = {0, 255, 0}}},
    .axes = {{.axis = ChartAxis::kLeft, .scale = AxisScale::Fixed(-3, 3)},
             {.axis = ChartAxis::kTop, .scale = AxisScale::Fixed(-5, 5), .visible = true}},
    .title = "オッズ取得時間間の変動幅　[％]",
};

}  // namespace

TForm3::TForm3(ui::Form& owner) : AnalysisForm(owner, kQuinellaWindowKind) {
  LayOut();
  SetUpCharts();
  for (ui::Edit* e : {&Edit1, &Edit2, &Edit3, &Edit4}) e->on_change = [this] { Edit3Change(); };
  SpeedButton1.on_click = [this] { SpeedButton1Click(1); };
  SpeedButton2.on_click = [this] { SpeedButton1Click(2); };
  SpeedButton3.on_click = [this] { SpeedButton1Click(3); };
  StringGrid1.on_draw_cell = [this](int col, int row) { return StringGrid1DrawCell(col, row); };
  StringGrid1.on_click = [this] { StringGrid1Click(); };
  Chart1.on_mouse_down = [this](ui::MouseButton button, int, int) { Chart1MouseDown(button); };
  N501.on_click = [this] { N501Click(); };
  N1001.on_click = [this] { N1001Click(); };
  N2001.on_click = [this] { N2001Click(); };
  N4001.on_click = [this] { N4001Click(); };
  on_close = [this](ui::CloseAction& action) { FormClose(action); };
  RegisterHeader(
      {{1, &Edit1}, {2, &Edit2}, {3, &Edit3}, {4, &Edit4}, {5, &Edit5}, {6, &Edit6}, {7, &Edit7}});
  ui::RunHandler([this] { FormCreate(); });
}

TForm3::~TForm3() {
  if (Form3 == this) Form3 = nullptr;
}

void TForm3::LayOut() {
  SetFont("ＭＳ ゴシック", 12);
  SetClientSize(1004, 547);

  PlaceSortButtons({{&SpeedButton1, "単勝", 0, 64},
                    {&SpeedButton2, "馬連", 64, 62},
                    {&SpeedButton3, "出馬", 126, 42}},
                   0, 18);
  PlaceHeaderFields({{&Edit1, 216, 97},
                     {&Edit2, 320, 65},
                     {&Edit5, 416, 17},
                     {&Edit6, 440, 17},
                     {&Edit7, 488, 57},
                     {&Edit3, 800, 49},
                     {&Edit4, 864, 49}},
                    0, 16);
  Edit3.SetFontColor(ui::kRed);
  Label1.SetCaption("オッズ取得時間");
  Label1.SetBounds(704, 1, 90, 14);
  Label2.SetCaption("←");
  Label2.SetFont("ＭＳ ゴシック", 16);
  Label2.SetBounds(848, 0, 16, 16);

  SetUpGrid(StringGrid1, {kQuinellaTableColumns, kQuinellaTableRows, 30, 16, kColumnWidths});
  StringGrid1.SetBounds(0, 16, 1001, 329);
  StringGrid1.SetFont("ＭＳ ゴシック", 12);
  Chart1.SetBounds(0, 344, 505, 201);
  Chart2.SetBounds(504, 344, 497, 201);
}

void TForm3::SetUpCharts() {
  Chart1.SetUp(kChart1);
  Chart2.SetUp(kChart2);
  N501.SetCaption(kQuinellaOddsRanges[0].caption);
  N1001.SetCaption(kQuinellaOddsRanges[1].caption);
  N2001.SetCaption(kQuinellaOddsRanges[2].caption);
  N4001.SetCaption(kQuinellaOddsRanges[3].caption);
}

void TForm3::FormCreate() {
  Sort = kQuinellaSortStart;
  ui::SpeedButton* const buttons[] = {&SpeedButton1, &SpeedButton2, &SpeedButton3};
  ShowSortButtons(buttons, kQuinellaSortButtons, Sort.red_button);
}

void TForm3::FormClose(ui::CloseAction& action) { CloseAnalysisWindow(action); }

int32_t TForm3::HorseCount() const { return TableHorseCount(ShownRace().RunnerCount()); }

void TForm3::Edit3Change() {
  TakeMarksOfCurrentRace();
  RebuildTable();
}

void TForm3::ShowTable(const RaceOddsRecord& race, int t1, int t2) {
  base::TextGrid table = BuildQuinellaTable(race, t1, t2);
  NoteShown(race, t1, t2);
  Sort.SortAscending = false;
  SortAndShow(std::move(table), 1);  // 単勝: by popularity, ascending
}

void TForm3::SpeedButton1Click(int button) {
  NoteResorted();
  SortAndShow(StringGrid1.Texts(), button);
}

void TForm3::SortAndShow(base::TextGrid table, int button) {
  if (!PressSortButton(Sort, kQuinellaSortButtons, button)) return;
  ui::SpeedButton* const buttons[] = {&SpeedButton1, &SpeedButton2, &SpeedButton3};
  ShowSortButtons(buttons, kQuinellaSortButtons, Sort.red_button);
  SortQuinellaTable(table, HorseCount(), Sort.SortColumn, Sort.SortAscending);
  StringGrid1.SetTexts(std::move(table));
  FillQuinellaCharts();
}

void TForm3::FillQuinellaCharts() {
  QuinellaCharts c = viewer::FillQuinellaCharts(StringGrid1.Texts(), HorseCount());
  Chart1.SetPoints(0, std::move(c.Series1));
  Chart1.SetPoints(1, std::move(c.Series2));
  Chart1.SetPoints(2, std::move(c.Series3));
  Chart1.SetPoints(3, std::move(c.Series7));
  Chart2.SetPoints(0, std::move(c.Series4));
  Chart2.SetPoints(1, std::move(c.Series5));
  Chart2.SetPoints(2, std::move(c.Series6));
}

ui::CellStyle TForm3::StringGrid1DrawCell(int col, int row) const {
  return QuinellaCellStyle(StringGrid1.Texts(), HorseCount(), CurrentMarks.Marks, col, row);
}

void TForm3::StringGrid1Click() { ClickRowMark(StringGrid1, HorseCount(), 5); }

void TForm3::RepaintQuinellaGrid() { StringGrid1.Repaint(); }

void TForm3::Chart1MouseDown(ui::MouseButton button) {
  ui::MenuItem* const items[] = {&N501, &N1001, &N2001, &N4001};
  RangeMenuMouseDown(PopupMenu1, items, kQuinellaOddsRanges, button);
}

void TForm3::N501Click() { ApplyRange(Chart1, kQuinellaOddsRanges[0]); }
void TForm3::N1001Click() { ApplyRange(Chart1, kQuinellaOddsRanges[1]); }
void TForm3::N2001Click() { ApplyRange(Chart1, kQuinellaOddsRanges[2]); }
void TForm3::N4001Click() { ApplyRange(Chart1, kQuinellaOddsRanges[3]); }

}  // namespace viewer
