#include "viewer/AnalysisWindow.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <set>
#include <vector>

#include "base/file_names.h"
#include "ui/application.h"
#include "ui/color.h"
#include "ui/input.h"
#include "ui/message_box.h"
#include "viewer/MainForm.h"
#include "viewer/UmaForm.h"
#include "viewer/logic/MarkRecord.h"

namespace viewer {

const AnalysisKind kHorseWindowKind{&ViewerState::HorseWindowOpen, &HorseWindowHeader, true,
                                    "馬分析表"};
const AnalysisKind kQuinellaWindowKind{&ViewerState::QuinellaWindowOpen, &QuinellaWindowHeader,
                                       true, "馬連分析"};
const AnalysisKind kBracketWindowKind{&ViewerState::BracketWindowOpen, &BracketWindowHeader, false,
                                      "枠分析"};

namespace {

// Every analysis window that exists: open, or closed and waiting to be freed.
std::vector<AnalysisForm*>& LiveWindows() {
  static std::vector<AnalysisForm*> windows;
  return windows;
}

bool Alive(const AnalysisForm* window) {
  const auto& live = LiveWindows();
  return std::find(live.begin(), live.end(), window) != live.end();
}

// A window is freed from the message loop, never inside its own close path.
void FreeLater(AnalysisForm* window) {
  ui::Post([window] {
    if (Alive(window)) delete window;
  });
}

template <class Fn>
void Reporting(Fn&& fn) {
  try {
    fn();
  } catch (const std::exception& e) {
    ReportFailure(e.what());
  }
}

}  // namespace

AnalysisForm::AnalysisForm(ui::Form& owner, const AnalysisKind& kind)
    : ui::Form(&owner), kind_(kind) {
  SetCaption(kind.name);
  SetFixedBorder(true);
  SetBorderIcons(true, false);
  on_free = [this] { FreeLater(this); };
  LiveWindows().push_back(this);
  InitRaceOddsRecord(shown_race_);
}

AnalysisForm::~AnalysisForm() {
  auto& live = LiveWindows();
  live.erase(std::remove(live.begin(), live.end(), this), live.end());
  if (kind_.header->window == this) {
    *kind_.header = {};
    State.*kind_.open_flag = 0;
  }
}

void AnalysisForm::RegisterHeader(std::initializer_list<std::pair<int, ui::Edit*>> fields) {
  AnalysisHeader header;
  header.window = this;
  for (const auto& [k, edit] : fields) header.Edit.at(static_cast<std::size_t>(k)) = edit;
  *kind_.header = header;
}

bool AnalysisForm::ShowsChosenRace() const {
  return rebuilt_ && shown_t1_ == State.Time1Snapshot && shown_t2_ == State.Time2Snapshot &&
         shown_race_.bytes() == State.CurrentRace.bytes();
}

void AnalysisForm::NoteShown(const RaceOddsRecord& race, int t1, int t2) {
  shown_race_ = race;
  shown_t1_ = t1;
  shown_t2_ = t2;
  rebuilt_ = true;
}

void AnalysisForm::RebuildTable() {
  if (ShowsChosenRace()) return;
  try {
    ShowTable(State.CurrentRace, State.Time1Snapshot, State.Time2Snapshot);
  } catch (const std::exception& e) {
    ReportFailure(std::string(kind_.name) + " " + State.CurrentRace.RaceKey() + ": " + e.what());
    RaceOddsRecord no_runners;
    InitRaceOddsRecord(no_runners);
    ShowTable(no_runners, 1, 1);
    rebuilt_ = false;  // the next header change tries the chosen race again
  }
}

void AnalysisForm::NoteResorted() { rebuilt_ = false; }

void AnalysisForm::CloseAnalysisWindow(ui::CloseAction& action) {
  if (kind_.shows_marks) Reporting(SaveCurrentMarks);
  State.*kind_.open_flag = 0;
  action = ui::CloseAction::kFree;
}

void DestroyAnalysisWindows() {
  const std::vector<AnalysisForm*> windows = LiveWindows();
  for (AnalysisForm* window : windows) delete window;
}

void ShowSortButtons(std::span<ui::SpeedButton* const> buttons, std::span<const SortButton> keys,
                     int red_button) {
  for (const SortButton& key : keys) {
    ui::SpeedButton* button = buttons[static_cast<std::size_t>(key.button - 1)];
    button->SetFontColor(key.button == red_button ? ui::kRed : ui::WindowTextColor());
  }
}

void PlaceHeaderFields(std::initializer_list<FieldPlace> fields, int top, int height) {
  for (const FieldPlace& f : fields) {
    f.edit->SetBounds(f.left, top, f.width, height);
    f.edit->SetBorder(false);
    f.edit->SetColor(ui::kMenuBar);
  }
}

void PlaceSortButtons(std::initializer_list<ButtonPlace> buttons, int top, int height) {
  for (const ButtonPlace& b : buttons) {
    b.button->SetCaption(b.caption);
    b.button->SetBounds(b.left, top, b.width, height);
  }
}

void SetUpGrid(ui::StringGrid& grid, const GridLayout& layout) {
  grid.SetColCount(layout.cols);
  grid.SetRowCount(layout.rows);
  grid.SetDefaultColWidth(layout.default_col_width);
  grid.SetDefaultRowHeight(layout.row_height);
  for (std::size_t c = 0; c < layout.col_widths.size(); ++c) {
    grid.SetColWidth(static_cast<int>(c), layout.col_widths[c]);
  }
}

int ColumnLeft(std::span<const int> col_widths, int col) {
  int left = 1;  // the grid's frame
  for (int c = 0; c < col; ++c) left += col_widths[static_cast<std::size_t>(c)] + 1;
  return left;
}

void ShowMemoText(ui::Memo& memo, const MemoText& text) {
  if (memo.Lines() == text.lines && memo.FontSize() == text.font_size &&
      memo.FontColor() == text.color) {
    return;  // shown already: nothing to lay out anew
  }
  memo.SetFontSize(text.font_size);
  memo.SetFontColor(text.color);
  memo.SetLines(text.lines);
}

namespace {

// The mark file written last and what it holds: the same marks for the same race need no
// second write, nor a read back (a header change rebuilds up to four times).
struct WrittenMarks {
  std::string path;
  MarkRecord record;
};
std::optional<WrittenMarks> written_marks;

}  // namespace

void ResetMarks() {
  CurrentMarks = MarkRecord{};
  MarkKey.clear();
  written_marks.reset();
}

void SaveCurrentMarks() {
  if (MarkKey.empty()) return;
  const std::string path = MarkFilePath(State.WorkFolder, MarkKey);
  if (written_marks && written_marks->path == path && written_marks->record == CurrentMarks) {
    return;
  }
  written_marks.reset();
  SaveMarkFile(State.WorkFolder, MarkKey, CurrentMarks);
  written_marks = WrittenMarks{path, CurrentMarks};
}

void TakeMarksOfCurrentRace() {
  Reporting(SaveCurrentMarks);
  MarkKey = State.CurrentRace.RaceKey();
  try {
    if (written_marks && written_marks->path == MarkFilePath(State.WorkFolder, MarkKey)) {
      CurrentMarks = written_marks->record;
    } else {
      if (auto set_aside = LoadMarkFile(State.WorkFolder, MarkKey, CurrentMarks)) {
        // The reason names the file.
        ReportFailure(set_aside->reason + ". It is kept as \"" +
                      base::PathText(set_aside->kept_as) + "\", and the race shows no marks.");
      }
    }
  } catch (const std::exception& e) {
    // The race shows no marks, and nothing is written over the file that could not be read.
    CurrentMarks.Marks.fill(0);
    CurrentMarks.Marks[0] = 1;
    MarkKey.clear();
    ReportFailure(e.what());
  }
}

void ClickRowMark(const ui::StringGrid& grid, int32_t count, int horse_column) {
  const ui::KeyModifiers keys = ui::HeldModifiers();
  if (!ClickMark(CurrentMarks.Marks, grid.Texts(), count, grid.Row(), horse_column, keys.ctrl,
                 keys.alt)) {
    return;
  }
  for (AnalysisForm* window : LiveWindows()) {
    if (window->kind().shows_marks && State.*window->kind().open_flag == 1) {
      window->RepaintTable();
    }
  }
}

void RangeMenuMouseDown(ui::PopupMenu& menu, std::span<ui::MenuItem* const> items,
                        std::span<const RangeItem> ranges, ui::MouseButton button) {
  for (std::size_t i = 0; i < items.size() && i < ranges.size(); ++i) {
    items[i]->SetCaption(ranges[i].caption);
  }
  const ui::ScreenPoint at = ui::CursorPos();
  if (button == ui::MouseButton::kRight) menu.Popup(at.x, at.y);
}

void ApplyRange(ui::Chart& chart, const RangeItem& range) {
  auto fix = [&chart](ui::ChartAxis axis, double max) {
    if (max <= 0) return;
    ui::AxisScale scale = chart.GetAxisScale(axis);
    scale.automatic_min = false;
    scale.automatic_max = false;
    scale.max = max;
    scale.min = 0;
    chart.SetAxisScale(axis, scale);
  };
  fix(ui::ChartAxis::kLeft, range.left_max);
  fix(ui::ChartAxis::kRight, range.right_max);
}

void ReportFailure(const std::string& text) {
  static std::set<std::string> pending;
  if (!pending.insert(text).second) return;
  ui::Post([text] {
    pending.erase(text);
    ui::ShowError(text);
  });
}

}  // namespace viewer
