// The bracket analysis window TForm4 "枠分析": one row per bracket with its most popular
// horse and that horse's win odds, the bracket's summed quinella share and its
// bracket-quinella share with their ranks, and a triangular matrix of the bracket pairs
// with the odds at the second chosen time below the diagonal and the change of each pair's
// share since the first time above it; four sort buttons and two charts, the second the
// brackets' shares over the race's snapshots. The main window makes it (Button6Click) and
// writes its header fields; each change of Edit1 to Edit4 rebuilds it from CurrentRace.
#pragma once
#include <cstdint>

#include "ui/chart.h"
#include "ui/controls.h"
#include "ui/page_control.h"
#include "ui/speed_button.h"
#include "ui/string_grid.h"
#include "viewer/AnalysisWindow.h"
#include "viewer/logic/SortButtons.h"

namespace viewer {

class TForm4 : public AnalysisForm {
 public:
  // Makes the window owned by the main window and runs FormCreate; hidden until shown.
  explicit TForm4(ui::Form& owner);
  ~TForm4() override;

  void FormCreate();
  void FormClose(ui::CloseAction& action);
  // The rebuild of table and charts; the change handler of Edit1 to Edit4.
  void Edit3Change();
  // Table and charts of the race at snapshots t1 and t2, sorted by popularity.
  void ShowTable(const RaceOddsRecord& race, int t1, int t2) override;
  // A press of the sort button SpeedButton<button>.
  void SpeedButton1Click(int button);
  ui::CellStyle StringGrid1DrawCell(int col, int row) const;
  // Refills the two charts from the table and the race it shows.
  void FillBracketCharts();

  // The sort key, its direction and the red button.
  SortState Sort = kBracketSortStart;

  // Controls (containers before the controls they hold).
  ui::SpeedButton SpeedButton1{*this};  // "単勝（馬）": popularity
  ui::SpeedButton SpeedButton2{*this};  // "馬連": rank of the summed quinella share
  ui::SpeedButton SpeedButton3{*this};  // "枠連": rank of the bracket-quinella share
  ui::SpeedButton SpeedButton4{*this};  // "出馬": bracket number
  ui::Edit Edit1{*this};                // racecourse
  ui::Edit Edit2{*this};                // race
  ui::Edit Edit3{*this};                // second chosen time (red)
  ui::Label Label1{*this};              // "←"
  ui::Edit Edit4{*this};                // first chosen time
  ui::StringGrid StringGrid1{*this};    // the table
  ui::PageControl PageControl1{*this};
  ui::TabSheet TabSheet1{PageControl1};  // "枠連得票率/単勝・枠連配当"
  ui::TabSheet TabSheet2{PageControl1};  // "枠連得票率推移"
  ui::Chart Chart1{TabSheet1};           // shares, favourites' odds and pair odds
  ui::Chart Chart2{TabSheet2};           // the brackets' shares over the snapshots

 private:
  void LayOut();
  void SetUpCharts();
  // The bracket rows of the race the table shows.
  int32_t BracketRows() const;
  // A press of SpeedButton<button> on the table's texts: the key chosen, the rows sorted
  // and shown, the charts refilled.
  void SortAndShow(base::TextGrid table, int button);
};

// The bracket window while it exists (open, or closed and not yet freed).
extern TForm4* Form4;

}  // namespace viewer
