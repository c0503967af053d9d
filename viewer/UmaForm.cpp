// The per-horse window: its controls, the table's rebuild and sort, the marks and the memo.
#include "viewer/UmaForm.h"

#include <exception>
#include <utility>

#include "base/dates.h"
#include "base/files.h"
#include "ui/dispatch.h"
#include "viewer/MainForm.h"
#include "viewer/ViewerState.h"
#include "viewer/logic/Countdown.h"
#include "viewer/logic/HorseColours.h"
#include "viewer/logic/HorseSort.h"
#include "viewer/logic/HorseTable.h"
#include "viewer/logic/Payoffs.h"

namespace viewer {

TForm2* Form2 = nullptr;
std::string MarkKey;

const RangeItem kHorseOddsRanges[4] = {
    {"MAX:25", 25, 0}, {"MAX:50(Default)", 50, 0}, {"MAX:100", 100, 0}, {"MAX:250", 250, 0}};

namespace {

constexpr int kColumnWidths[kHorseTableColumns] = {20, 20, 110, 20, 45, 45, 20, 45, 45, 45,
                                                   20, 45, 45,  45, 45, 58, 20, 58, 29};

// Where a sort button stands: over columns first to last.
struct ButtonColumns {
  int first_col;
  int last_col;
  const char* caption;
};
// SpeedButton1 to SpeedButton12.
constexpr ButtonColumns kButtonColumns[12] = {{0, 2, "出馬"},   {3, 4, "複勝"},   {5, 5, "単複"},
                                              {6, 8, "単勝"},   {9, 9, "単連"},   {10, 11, "馬連"},
                                              {12, 12, "複勝"}, {13, 13, "単勝"}, {14, 14, "馬連"},
                                              {15, 15, "騎手"}, {18, 18, "結果"}, {16, 17, "厩舎"}};

constexpr int kHeaderTop = 0;
constexpr int kButtonTop = 18;
constexpr int kGridTop = 36;
constexpr int kGridHeight = 326;
constexpr int kLowerTop = kGridTop + kGridHeight + 2;

}  // namespace

TForm2::TForm2(ui::Form& owner) : AnalysisForm(owner, kHorseWindowKind) {
  LayOut();
  SetUpCharts();
  BindHandlers();
  RegisterHeader({{1, &Edit1},
                  {2, &Edit2},
                  {3, &Edit3},
                  {4, &Edit4},
                  {5, &Edit5},
                  {6, &Edit6},
                  {7, &Edit7},
                  {8, &Edit8},
                  {9, &Edit9}});
  ui::RunHandler([this] { FormCreate(); });
}

TForm2::~TForm2() {
  if (Form2 == this) Form2 = nullptr;
}

std::array<ui::SpeedButton*, 12> TForm2::SortButtons() {
  return {&SpeedButton1, &SpeedButton2,  &SpeedButton3,  &SpeedButton4,
          &SpeedButton5, &SpeedButton6,  &SpeedButton7,  &SpeedButton8,
          &SpeedButton9, &SpeedButton10, &SpeedButton11, &SpeedButton12};
}

void TForm2::LayOut() {
  SetFont("ＭＳ ゴシック", 12);
  SetClientSize(815, 552);

  PlaceHeaderFields({{&Edit1, 4, 100},
                     {&Edit2, 108, 36},
                     {&Edit6, 148, 60},
                     {&Edit8, 210, 18},
                     {&Edit7, 230, 36},
                     {&Edit9, 270, 66},
                     {&Edit5, 412, 40},
                     {&Edit3, 560, 50},
                     {&Edit4, 632, 50}},
                    kHeaderTop, 18);
  Edit5.SetFontColor(ui::kRed);
  Edit3.SetFontColor(ui::kRed);
  Label1.SetCaption("発走時間：");
  Label1.SetBounds(348, kHeaderTop + 2, 62, 16);
  Label2.SetCaption("オッズ取得時間：");
  Label2.SetBounds(462, kHeaderTop + 2, 96, 16);
  Label3.SetCaption("←");
  Label3.SetBounds(612, kHeaderTop, 18, 18);

  const std::array<ui::SpeedButton*, 12> buttons = SortButtons();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const ButtonColumns& p = kButtonColumns[i];
    const int left = ColumnLeft(kColumnWidths, p.first_col);
    const int right = ColumnLeft(kColumnWidths, p.last_col + 1);
    PlaceSortButtons({{buttons[i], p.caption, left, right - left}}, kButtonTop, 18);
  }

  SetUpGrid(StringGrid1, {kHorseTableColumns, kHorseTableRows, 64, 16, kColumnWidths});
  StringGrid1.SetBounds(0, kGridTop, 815, kGridHeight);
  StringGrid1.SetFont("ＭＳ ゴシック", 13);
  StringGrid1.SetTabStop(false);

  PageControl1.SetBounds(0, kLowerTop, 600, 552 - kLowerTop);
  TabSheet1.SetCaption("単・複・連 得票率/差分");
  TabSheet2.SetCaption("得票変化");
  TabSheet3.SetCaption("単勝人気");
  TabSheet4.SetCaption("売上票数");
  for (ui::Chart* chart : {&Chart1, &Chart2, &Chart3, &Chart4}) {
    chart->SetBounds(0, 0, 594, 552 - kLowerTop - 28);
  }
  PageControl1.SetActivePageIndex(3);

  GroupBox2.SetCaption("払戻金");
  GroupBox2.SetBounds(604, kLowerTop - 4, 209, 552 - kLowerTop + 2);
  Memo1.SetBounds(6, 18, 197, 552 - kLowerTop - 26);

  MAX251.SetCaption(kHorseOddsRanges[0].caption);
  MAX50Default1.SetCaption(kHorseOddsRanges[1].caption);
  MAX1001.SetCaption(kHorseOddsRanges[2].caption);
  MAX2001.SetCaption(kHorseOddsRanges[3].caption);
}

void TForm2::BindHandlers() {
  for (ui::Edit* e : {&Edit1, &Edit2, &Edit3, &Edit4}) e->on_change = [this] { Edit1Change(); };
  const std::array<ui::SpeedButton*, 12> buttons = SortButtons();
  for (const SortButton& key : kHorseSortButtons) {
    buttons[static_cast<std::size_t>(key.button - 1)]->on_click = [this, b = key.button] {
      SpeedButton1Click(b);
    };
  }
  StringGrid1.on_draw_cell = [this](int col, int row) { return StringGrid1DrawCell(col, row); };
  StringGrid1.on_click = [this] { StringGrid1Click(); };
  Timer1.on_timer = [this] { Timer1Timer(); };
  Chart3.on_mouse_down = [this](ui::MouseButton button, int, int) { Chart3MouseDown(button); };
  MAX251.on_click = [this] { MAX251Click(); };
  MAX50Default1.on_click = [this] { MAX50Default1Click(); };
  MAX1001.on_click = [this] { MAX1001Click(); };
  MAX2001.on_click = [this] { MAX2001Click(); };
  on_close = [this](ui::CloseAction& action) { FormClose(action); };
}

void TForm2::FormCreate() {
  FirstBuild = true;
  Sort = kHorseSortStart;
  ShowSortButtons(SortButtons(), kHorseSortButtons, Sort.red_button);
}

void TForm2::FormClose(ui::CloseAction& action) { CloseAnalysisWindow(action); }

int32_t TForm2::HorseCount() const { return TableHorseCount(ShownRace().RunnerCount()); }

void TForm2::Edit1Change() {
  TakeMarksOfCurrentRace();
  Timer1.SetEnabled(false);
  RebuildTable();

  // The memo belongs to the chosen race, whatever its table came to.
  Edit5.SetText(PostTimeField(State.CurrentRace.PostTime()));
  ShowMemoText(Memo1, InformationText());
  Timer1.SetInterval(1000);
  const CountdownStart countdown = DecideCountdown(State.ChosenFileDate, Edit5.Text(), base::Now());
  if (countdown.start_timer) Timer1.SetEnabled(true);
  if (countdown.show_post_time_past) ShowMemoText(Memo1, PostTimePastText(10));
  ShowPayoffs();
}

void TForm2::ShowTable(const RaceOddsRecord& race, int t1, int t2) {
  base::TextGrid table = BuildHorseTable(race, t1, t2);
  NoteShown(race, t1, t2);
  const int32_t n = HorseCount();
  SortHorseTable(table, n, Sort.SortColumn, Sort.SortAscending);
  MarkScratchedRows(table, n);
  StringGrid1.SetTexts(std::move(table));
  RebuildHorseCharts();
  if (FirstBuild) {
    Sort.SortAscending = false;
    SpeedButton1Click(4);  // 単勝: by win rank
    PageControl1.SetActivePageIndex(0);
    FirstBuild = false;
  }
}

void TForm2::ShowPayoffs() {
  const std::string path = State.DayDataFolder + "/DH" + State.ChosenFileDate + ".CSV";
  const std::string key = State.CurrentRace.RaceKey();
  try {
    if (base::FileExistsOrThrow(path)) {
      if (auto lines = PayoffMemoLines(base::ReadLines(path), key, path)) {
        ShowMemoText(Memo1, PayoffText(std::move(*lines)));
      }
    }
    ShownPayoffFailure.clear();
  } catch (const std::exception& e) {
    // Every odds-time choice rebuilds: a failure is shown once for the race and the file as
    // they are, and again only when one of them has changed.
    std::string failure = key + "\n" + std::to_string(base::FileAgeDos(path)) + "\n" + e.what();
    if (failure == ShownPayoffFailure) return;
    ShownPayoffFailure = std::move(failure);
    ReportFailure(e.what());
  }
}

void TForm2::SpeedButton1Click(int button) {
  if (!PressSortButton(Sort, kHorseSortButtons, button)) return;
  NoteResorted();
  ShowSortButtons(SortButtons(), kHorseSortButtons, Sort.red_button);
  base::TextGrid table = StringGrid1.Texts();
  SortHorseTable(table, HorseCount(), Sort.SortColumn, Sort.SortAscending);
  StringGrid1.SetTexts(std::move(table));
  RebuildHorseCharts();
}

ui::CellStyle TForm2::StringGrid1DrawCell(int col, int row) const {
  return HorseCellStyle(StringGrid1.Texts(), HorseCount(), CurrentMarks.Marks, col, row);
}

void TForm2::StringGrid1Click() { ClickRowMark(StringGrid1, HorseCount(), 1); }

void TForm2::RepaintHorseTable() { StringGrid1.Repaint(); }

void TForm2::Timer1Timer() {
  const TimerTick tick = TickCountdown(Edit5.Text(), base::Now());
  if (tick.memo) ShowMemoText(Memo1, *tick.memo);
  if (tick.stop) Timer1.SetEnabled(false);
}

void TForm2::Chart3MouseDown(ui::MouseButton button) {
  ui::MenuItem* const items[] = {&MAX251, &MAX50Default1, &MAX1001, &MAX2001};
  RangeMenuMouseDown(PopupMenu1, items, kHorseOddsRanges, button);
}

void TForm2::MAX251Click() { ApplyRange(Chart3, kHorseOddsRanges[0]); }
void TForm2::MAX50Default1Click() { ApplyRange(Chart3, kHorseOddsRanges[1]); }
void TForm2::MAX1001Click() { ApplyRange(Chart3, kHorseOddsRanges[2]); }
void TForm2::MAX2001Click() { ApplyRange(Chart3, kHorseOddsRanges[3]); }

}  // namespace viewer
