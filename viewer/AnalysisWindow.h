// What the three analysis windows (per-horse TForm2, quinella TForm3, bracket TForm4)
// share: the window's frame and life (made by its button in the main window, freed after
// its close, destroyed at the end of the program), the header fields the odds-time choice
// writes, the sort buttons and their colours, the grid's set-up, the horse marks of the
// chosen race, the chart range menus, the memo texts and the report of a failed file
// operation. The windows differ only in the data they hand in.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <utility>

#include "ui/chart.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/memo.h"
#include "ui/popup_menu.h"
#include "ui/speed_button.h"
#include "ui/string_grid.h"
#include "viewer/AnalysisHeaders.h"
#include "viewer/ViewerState.h"
#include "viewer/logic/Countdown.h"
#include "viewer/logic/RaceOddsRecord.h"
#include "viewer/logic/SortButtons.h"

namespace viewer {

// What differs between the windows' frames.
struct AnalysisKind {
  uint8_t ViewerState::*open_flag;  // 1 while the window exists
  AnalysisHeader* header;           // where the odds-time choice finds its fields
  bool shows_marks;                 // its table shows the horse marks
  const char* name;                 // its design caption, also naming it in a failure's report
};
extern const AnalysisKind kHorseWindowKind;
extern const AnalysisKind kQuinellaWindowKind;
extern const AnalysisKind kBracketWindowKind;

// An analysis window: fixed single border, system menu and minimise box, owned by the main
// window (it stays above it).
class AnalysisForm : public ui::Form {
 public:
  ~AnalysisForm() override;

  // The close handler's work: the marks in memory are written when the window shows them,
  // the open flag is cleared and the window is freed from the message loop once its close
  // has returned.
  void CloseAnalysisWindow(ui::CloseAction& action);
  // Draws the table anew (a mark changed).
  virtual void RepaintTable() {}
  const AnalysisKind& kind() const { return kind_; }

 protected:
  AnalysisForm(ui::Form& owner, const AnalysisKind& kind);
  // Points the kind's header at this window and its fields: {k, &Editk}.
  void RegisterHeader(std::initializer_list<std::pair<int, ui::Edit*>> fields);

  // The rebuild of table and charts from CurrentRace at the two chosen snapshots, unless
  // they show it already (a header change rebuilds up to four times for one and the same
  // choice). It stands alone: an error in it is reported once, naming the window and the
  // race, and ends only this rebuild; the window then shows the table and charts of a race
  // without runners, which its buttons accept, and the header update that set it off goes
  // on with the other fields and windows.
  void RebuildTable();
  // Fills table and charts from the record at snapshots t1 and t2 (sorted as the window's
  // rebuild sorts); calls NoteShown once the table is built, before it is sorted and shown.
  virtual void ShowTable(const RaceOddsRecord& race, int t1, int t2) = 0;
  void NoteShown(const RaceOddsRecord& race, int t1, int t2);
  void NoteResorted();  // a sort button reordered the table
  // The record the table was last built from (a record without runners before the first
  // rebuild and after a failed one): the window's buttons, its colours and the charts of a
  // sort read its runners and snapshots.
  const RaceOddsRecord& ShownRace() const { return shown_race_; }

 private:
  // Whether the table and charts shown are what a rebuild gives now: the last rebuild was
  // for the same race record and snapshots, and no sort button has reordered the table since.
  bool ShowsChosenRace() const;

  const AnalysisKind& kind_;
  RaceOddsRecord shown_race_;
  int shown_t1_ = 0;
  int shown_t2_ = 0;
  bool rebuilt_ = false;
};

// Destroys every analysis window, open or closed and not yet freed; at the end of the
// program, before the application object goes.
void DestroyAnalysisWindows();

// The sort buttons of a window, SpeedButton<k> as buttons[k - 1] (nullptr where the window
// has none): the button of `red_button` red, the others that carry a sort key in the
// window-text colour.
void ShowSortButtons(std::span<ui::SpeedButton* const> buttons, std::span<const SortButton> keys,
                     int red_button);

// The header line of a window: borderless fields that read like captions, on the menu-bar
// colour, each at its left edge with its width; and the sort buttons with their captions.
struct FieldPlace {
  ui::Edit* edit;
  int left;
  int width;
};
void PlaceHeaderFields(std::initializer_list<FieldPlace> fields, int top, int height);
struct ButtonPlace {
  ui::SpeedButton* button;
  const char* caption;
  int left;
  int width;
};
void PlaceSortButtons(std::initializer_list<ButtonPlace> buttons, int top, int height);

// A table grid's set-up: columns, rows (one fixed header row), heights and widths.
struct GridLayout {
  int cols;
  int rows;
  int default_col_width;
  int row_height;
  std::span<const int> col_widths;  // column by column from 0
};
void SetUpGrid(ui::StringGrid& grid, const GridLayout& layout);
// The left edge of column `col` inside the grid, for controls placed over the columns.
int ColumnLeft(std::span<const int> col_widths, int col);

// A memo text in its font size and colour, replacing the memo's whole content.
void ShowMemoText(ui::Memo& memo, const MemoText& text);

// The marks step of a table rebuild: the marks in memory are written for the race shown
// until now (MarkKey), MarkKey becomes the key of CurrentRace and that race's marks are
// read. A file that cannot be written or read is reported and the rebuild goes on.
void TakeMarksOfCurrentRace();
// Writes the marks in memory for MarkKey (nothing while it is empty, nor when the file
// holds them already from the last write); a failure throws base::Error naming the file.
void SaveCurrentMarks();
// No marks and no mark key: the state of a viewer that has just started.
void ResetMarks();
// A user's click on a row of a table whose column `horse_column` holds the horse numbers:
// toggles the mark of that row's horse with the keys held at the click, then redraws the
// open tables that show marks. Rows outside 1-count change nothing.
void ClickRowMark(const ui::StringGrid& grid, int32_t count, int horse_column);

// An item of a chart's range menu: its caption and the maxima it fixes from 0 (0 leaves
// that axis as it is).
struct RangeItem {
  const char* caption;
  double left_max;
  double right_max;
};
// A mouse press on a chart with a range menu: the items' captions are set anew; a right
// press pops the menu up at the cursor.
void RangeMenuMouseDown(ui::PopupMenu& menu, std::span<ui::MenuItem* const> items,
                        std::span<const RangeItem> ranges, ui::MouseButton button);
// A chosen item: the axes it names become fixed, from 0 to its maximum.
void ApplyRange(ui::Chart& chart, const RangeItem& range);

// Shows the text of a failed operation in an error box from the message loop, once
// however often it fails before the box is shown (a header change rebuilds up to four
// times); the running rebuild goes on.
void ReportFailure(const std::string& text);

}  // namespace viewer
