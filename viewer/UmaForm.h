// The per-horse analysis window TForm2 "馬分析表": one row per horse with its odds, vote
// shares and ranks at the second chosen time, their gaps and their changes since the first
// time, coloured by bands, brackets, results and the user's horse marks, sorted by the
// buttons above the columns; four charts on a page control; the payoffs and the countdown
// to post time in the memo "払戻金". The main window makes it (Button4Click) and writes its
// header fields; each change of Edit1 to Edit4 rebuilds it from CurrentRace.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "ui/chart.h"
#include "ui/controls.h"
#include "ui/memo.h"
#include "ui/page_control.h"
#include "ui/popup_menu.h"
#include "ui/speed_button.h"
#include "ui/string_grid.h"
#include "ui/timer.h"
#include "viewer/AnalysisWindow.h"
#include "viewer/logic/SortButtons.h"

namespace viewer {

class TForm2 : public AnalysisForm {
 public:
  // Makes the window owned by the main window and runs FormCreate; hidden until shown.
  explicit TForm2(ui::Form& owner);
  ~TForm2() override;

  void FormCreate();
  void FormClose(ui::CloseAction& action);
  // The rebuild of table, memo and charts; the change handler of Edit1 to Edit4.
  void Edit1Change();
  // Table and charts of the race at snapshots t1 and t2, sorted by the current key (and
  // by win rank at the window's first build).
  void ShowTable(const RaceOddsRecord& race, int t1, int t2) override;
  // A press of the sort button SpeedButton<button>.
  void SpeedButton1Click(int button);
  ui::CellStyle StringGrid1DrawCell(int col, int row) const;
  // Toggles the mark of the clicked row's horse (Ctrl and Alt held at the click).
  void StringGrid1Click();
  // The countdown's second.
  void Timer1Timer();
  // The range menu of Chart3 and its items.
  void Chart3MouseDown(ui::MouseButton button);
  void MAX251Click();
  void MAX50Default1Click();
  void MAX1001Click();
  void MAX2001Click();
  // Draws every cell anew (a mark changed).
  void RepaintHorseTable();
  void RepaintTable() override { RepaintHorseTable(); }
  // Refills the four charts from the table and the race it shows.
  void RebuildHorseCharts();

  // The sort key, its direction and the red button; FirstBuild until the first rebuild
  // has ended.
  SortState Sort = kHorseSortStart;
  bool FirstBuild = true;

  // Controls (containers before the controls they hold).
  ui::Edit Edit1{*this};                 // racecourse
  ui::Edit Edit2{*this};                 // race
  ui::Edit Edit6{*this};                 // surface and going
  ui::Edit Edit8{*this};                 // turn direction
  ui::Edit Edit7{*this};                 // distance
  ui::Edit Edit9{*this};                 // weather
  ui::Label Label1{*this};               // "発走時間："
  ui::Edit Edit5{*this};                 // post time "hh:mm" (red)
  ui::Label Label2{*this};               // "オッズ取得時間："
  ui::Edit Edit3{*this};                 // second chosen time (red)
  ui::Label Label3{*this};               // "←"
  ui::Edit Edit4{*this};                 // first chosen time
  ui::SpeedButton SpeedButton1{*this};   // "出馬"
  ui::SpeedButton SpeedButton2{*this};   // "複勝"
  ui::SpeedButton SpeedButton3{*this};   // "単複"
  ui::SpeedButton SpeedButton4{*this};   // "単勝"
  ui::SpeedButton SpeedButton5{*this};   // "単連"
  ui::SpeedButton SpeedButton6{*this};   // "馬連"
  ui::SpeedButton SpeedButton7{*this};   // "複勝" (place change)
  ui::SpeedButton SpeedButton8{*this};   // "単勝" (win change)
  ui::SpeedButton SpeedButton9{*this};   // "馬連" (quinella change)
  ui::SpeedButton SpeedButton10{*this};  // "騎手" (no sort key)
  ui::SpeedButton SpeedButton11{*this};  // "結果"
  ui::SpeedButton SpeedButton12{*this};  // "厩舎" (no sort key)
  ui::StringGrid StringGrid1{*this};     // the table
  ui::PageControl PageControl1{*this};
  ui::TabSheet TabSheet1{PageControl1};    // "単・複・連 得票率/差分"
  ui::TabSheet TabSheet2{PageControl1};    // "得票変化"
  ui::TabSheet TabSheet3{PageControl1};    // "単勝人気"
  ui::TabSheet TabSheet4{PageControl1};    // "売上票数"
  ui::Chart Chart1{TabSheet1};             // shares and their gaps
  ui::Chart Chart2{TabSheet2};             // change scores
  ui::Chart Chart3{TabSheet3};             // win odds over the snapshots
  ui::Chart Chart4{TabSheet4};             // vote totals and ratios
  ui::GroupBox GroupBox2{*this};           // "払戻金"
  ui::Memo Memo1{GroupBox2};               // information, countdown or payoffs
  ui::Timer Timer1{*this};                 // the countdown's second
  ui::PopupMenu PopupMenu1{*this};         // Chart3's range
  ui::MenuItem MAX251{PopupMenu1};         // "MAX:25"
  ui::MenuItem MAX50Default1{PopupMenu1};  // "MAX:50(Default)"
  ui::MenuItem MAX1001{PopupMenu1};        // "MAX:100"
  ui::MenuItem MAX2001{PopupMenu1};        // "MAX:250"

 private:
  void LayOut();
  void SetUpCharts();
  void BindHandlers();
  // The runners of the race the table shows.
  int32_t HorseCount() const;
  // SpeedButton<k> as entry k - 1.
  std::array<ui::SpeedButton*, 12> SortButtons();
  // The payoff memo when the day's payoff file holds the race's line.
  void ShowPayoffs();
  // The race, payoff file age and error of the payoff failure shown last; empty after a
  // rebuild without one.
  std::string ShownPayoffFailure;
};

// The per-horse window while it exists (open, or closed and not yet freed).
extern TForm2* Form2;
// The race key of the marks held in CurrentMarks; empty until a table shows a race.
extern std::string MarkKey;

// Chart3's range menu: "MAX:25", "MAX:50(Default)", "MAX:100", "MAX:250".
extern const RangeItem kHorseOddsRanges[4];

}  // namespace viewer
