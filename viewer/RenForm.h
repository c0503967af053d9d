// The quinella analysis window TForm3 "馬連分析": one row per horse with its win odds,
// popularity, quinella share and bracket, and a triangular matrix of the horse pairs with
// the quinella odds at the second chosen time below the diagonal and the change of each
// pair's share since the first time above it; three sort buttons, the horse marks shared
// with the per-horse window, and two charts. The main window makes it (Button5Click) and
// writes its header fields; each change of Edit1 to Edit4 rebuilds it from CurrentRace.
#pragma once
#include <cstdint>

#include "ui/chart.h"
#include "ui/controls.h"
#include "ui/popup_menu.h"
#include "ui/speed_button.h"
#include "ui/string_grid.h"
#include "viewer/AnalysisWindow.h"
#include "viewer/logic/SortButtons.h"

namespace viewer {

class TForm3 : public AnalysisForm {
 public:
  // Makes the window owned by the main window and runs FormCreate; hidden until shown.
  explicit TForm3(ui::Form& owner);
  ~TForm3() override;

  void FormCreate();
  void FormClose(ui::CloseAction& action);
  // The rebuild of table and charts; the change handler of Edit1 to Edit4.
  void Edit3Change();
  // Table and charts of the race at snapshots t1 and t2, sorted by popularity.
  void ShowTable(const RaceOddsRecord& race, int t1, int t2) override;
  // A press of the sort button SpeedButton<button>.
  void SpeedButton1Click(int button);
  ui::CellStyle StringGrid1DrawCell(int col, int row) const;
  // Toggles the mark of the clicked row's horse (Ctrl and Alt held at the click).
  void StringGrid1Click();
  // The odds scale menu of Chart1 and its items.
  void Chart1MouseDown(ui::MouseButton button);
  void N501Click();
  void N1001Click();
  void N2001Click();
  void N4001Click();
  // Draws every cell anew (a mark changed).
  void RepaintQuinellaGrid();
  void RepaintTable() override { RepaintQuinellaGrid(); }
  // Refills the two charts from the table.
  void FillQuinellaCharts();

  // The sort key, its direction and the red button.
  SortState Sort = kQuinellaSortStart;

  // Controls.
  ui::SpeedButton SpeedButton1{*this};  // "単勝": popularity
  ui::SpeedButton SpeedButton2{*this};  // "馬連": quinella share rank
  ui::SpeedButton SpeedButton3{*this};  // "出馬": horse number
  ui::Edit Edit1{*this};                // racecourse
  ui::Edit Edit2{*this};                // race
  ui::Edit Edit5{*this};                // surface
  ui::Edit Edit6{*this};                // turn direction
  ui::Edit Edit7{*this};                // distance
  ui::Label Label1{*this};              // "オッズ取得時間"
  ui::Edit Edit3{*this};                // second chosen time (red)
  ui::Label Label2{*this};              // "←"
  ui::Edit Edit4{*this};                // first chosen time
  ui::StringGrid StringGrid1{*this};    // the table
  ui::Chart Chart1{*this};              // shares, win odds and pair odds
  ui::Chart Chart2{*this};              // share changes of the favourites' pairs
  ui::PopupMenu PopupMenu1{*this};      // Chart1's odds scale
  ui::MenuItem N501{PopupMenu1};        // "MAX:50"
  ui::MenuItem N1001{PopupMenu1};       // "MAX:100(Default)"
  ui::MenuItem N2001{PopupMenu1};       // "MAX:200"
  ui::MenuItem N4001{PopupMenu1};       // "MAX:500"

 private:
  void LayOut();
  void SetUpCharts();
  // The runners of the race the table shows.
  int32_t HorseCount() const;
  // A press of SpeedButton<button> on the table's texts: the key chosen, the rows sorted
  // and shown, the charts refilled.
  void SortAndShow(base::TextGrid table, int button);
};

// The quinella window while it exists (open, or closed and not yet freed).
extern TForm3* Form3;

// Chart1's odds scale menu: "MAX:50", "MAX:100(Default)", "MAX:200", "MAX:500".
extern const RangeItem kQuinellaOddsRanges[4];

}  // namespace viewer
