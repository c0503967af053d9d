// The bracket window: its controls, the table's rebuild and sort, and its charts.
#include "viewer/WakuForm.h"

#include <utility>

#include "ui/dispatch.h"
#include "viewer/ViewerState.h"
#include "viewer/logic/BracketTable.h"

namespace viewer {

TForm4* Form4 = nullptr;

namespace {

constexpr int kColumnWidths[kBracketTableColumns] = {20, 20, 40, 20, 40, 20, 40, 20, 20,
                                                     45, 45, 45, 45, 45, 45, 45, 45};

using ui::AxisScale;
using ui::ChartAxis;
using ui::SeriesKind;

// Series1 to Series4: the bracket-quinella shares as bars, the favourites' win odds and the
// odds of the two favourite brackets' pairs; the point labels in bold.
const ui::ChartSetup kChart1 = {
    .series = {{.kind = SeriesKind::kBar,
                .title = "枠連得票率",
                .color = {175, 175, 175},
                .axis = ChartAxis::kRight,
                .bar_width_percent = 25},
               {.kind = SeriesKind::kLine,
                .title = "人気馬単勝",
                .color = ui::kBlack,
                .point_markers = true,
                .marker = {3, 3}},
               {.kind = SeriesKind::kLine, .title = "1人気-枠配当", .color = ui::kRed},
               {.kind = SeriesKind::kLine,
                .title = "2人気-枠配当",
                .color = ui::kBlue,
                .axis = ChartAxis::kRight,
                .point_markers = true,
                .line_color = ui::kRed,
                .marker_color = ui::Color{0, 128, 255}}},
    .axes = {{.axis = ChartAxis::kLeft, .scale = AxisScale::Fixed(0, 50), .title = "得票率"},
             {.axis = ChartAxis::kRight, .scale = AxisScale::Fixed(0, 50), .title = "配当"},
             {.axis = ChartAxis::kBottom,
              .style = {.labels = {.name = "MS Sans Serif", .pixel_size = 11, .bold = true}}}},
    .title_visible = false,
};

// Series5 to Series12: brackets 1 to 8, each in its bracket's colour.
const ui::ChartSetup kChart2 = [] {
  ui::ChartSetup setup = {
      .axes = {{.axis = ChartAxis::kLeft,
                .scale = AxisScale{.automatic_min = false, .min = 0},
                .title = "得票率"}},
      .title_visible = false,
      .legend_visible = false,
      .background = ui::Color{223, 223, 223},
  };
  setup.series.assign(8, {.kind = SeriesKind::kLine, .point_markers = true});
  return setup;
}();

}  // namespace

TForm4::TForm4(ui::Form& owner) : AnalysisForm(owner, kBracketWindowKind) {
  LayOut();
  SetUpCharts();
  for (ui::Edit* e : {&Edit1, &Edit2, &Edit3, &Edit4}) e->on_change = [this] { Edit3Change(); };
  SpeedButton1.on_click = [this] { SpeedButton1Click(1); };
  SpeedButton2.on_click = [this] { SpeedButton1Click(2); };
  SpeedButton3.on_click = [this] { SpeedButton1Click(3); };
  SpeedButton4.on_click = [this] { SpeedButton1Click(4); };
  StringGrid1.on_draw_cell = [this](int col, int row) { return StringGrid1DrawCell(col, row); };
  on_close = [this](ui::CloseAction& action) { FormClose(action); };
  RegisterHeader({{1, &Edit1}, {2, &Edit2}, {3, &Edit3}, {4, &Edit4}});
  ui::RunHandler([this] { FormCreate(); });
}

TForm4::~TForm4() {
  if (Form4 == this) Form4 = nullptr;
}

void TForm4::LayOut() {
  SetFont("ＭＳ Ｐゴシック", 12);
  SetClientSize(623, 407);

  PlaceSortButtons({{&SpeedButton1, "単勝（馬）", 0, 85},
                    {&SpeedButton2, "馬連", 85, 62},
                    {&SpeedButton3, "枠連", 147, 62},
                    {&SpeedButton4, "出馬", 209, 42}},
                   0, 18);
  PlaceHeaderFields({{&Edit1, 272, 105}, {&Edit2, 384, 49}, {&Edit3, 472, 49}, {&Edit4, 544, 49}},
                    0, 16);
  Edit3.SetFontColor(ui::kRed);
  Label1.SetCaption("←");
  Label1.SetFont("ＭＳ Ｐゴシック", 16);
  Label1.SetBounds(520, 0, 20, 16);

  SetUpGrid(StringGrid1, {kBracketTableColumns, kBracketTableRows, 35, 16, kColumnWidths});
  StringGrid1.SetBounds(0, 16, 621, 161);
  StringGrid1.SetFont("ＭＳ ゴシック", 12);
  PageControl1.SetBounds(0, 176, 617, 225);
  TabSheet1.SetCaption("枠連得票率/単勝・枠連配当");
  TabSheet2.SetCaption("枠連得票率推移");
  Chart1.SetBounds(0, 0, 609, 201);
  Chart2.SetBounds(0, 0, 609, 201);
}

void TForm4::SetUpCharts() {
  Chart1.SetUp(kChart1);
  Chart2.SetUp(kChart2);
}

void TForm4::FormCreate() {
  Sort = kBracketSortStart;
  ui::SpeedButton* const buttons[] = {&SpeedButton1, &SpeedButton2, &SpeedButton3, &SpeedButton4};
  ShowSortButtons(buttons, kBracketSortButtons, Sort.red_button);
}

void TForm4::FormClose(ui::CloseAction& action) { CloseAnalysisWindow(action); }

int32_t TForm4::BracketRows() const { return BracketRowCount(ShownRace().RunnerCount()); }

void TForm4::Edit3Change() { RebuildTable(); }

void TForm4::ShowTable(const RaceOddsRecord& race, int t1, int t2) {
  base::TextGrid table = BuildBracketTable(race, t1, t2);
  NoteShown(race, t1, t2);
  Sort.SortAscending = false;
  SortAndShow(std::move(table), 1);  // 単勝（馬）: by popularity, ascending
}

void TForm4::SpeedButton1Click(int button) {
  NoteResorted();
  SortAndShow(StringGrid1.Texts(), button);
}

void TForm4::SortAndShow(base::TextGrid table, int button) {
  if (!PressSortButton(Sort, kBracketSortButtons, button)) return;
  ui::SpeedButton* const buttons[] = {&SpeedButton1, &SpeedButton2, &SpeedButton3, &SpeedButton4};
  ShowSortButtons(buttons, kBracketSortButtons, Sort.red_button);
  SortBracketTable(table, BracketRows(), Sort.SortColumn, Sort.SortAscending);
  StringGrid1.SetTexts(std::move(table));
  FillBracketCharts();
}

void TForm4::FillBracketCharts() {
  BracketCharts c = viewer::FillBracketCharts(StringGrid1.Texts(), ShownRace());
  Chart1.SetPoints(0, std::move(c.Series1));
  Chart1.SetPoints(1, std::move(c.Series2));
  Chart1.SetPoints(2, std::move(c.Series3));
  Chart1.SetPoints(3, std::move(c.Series4));
  for (std::size_t b = 0; b < c.Chart2.size(); ++b) {
    Chart2.SetPoints(static_cast<int>(b), std::move(c.Chart2[b]));
  }
}

ui::CellStyle TForm4::StringGrid1DrawCell(int col, int row) const {
  return BracketCellStyle(StringGrid1.Texts(), BracketRows(), col, row);
}

}  // namespace viewer
