// A grid of texts with one fixed header row and owner-drawn cells.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "base/text_grid.h"
#include "ui/cell_style.h"
#include "ui/control.h"
#include "ui/input.h"

namespace ui {
namespace internal {
class GridModel;
}

// Cells of Shift-JIS texts addressed by column and row (both from 0). Row 0 is the fixed
// header row: its cells are drawn like the others, but it never becomes the current row
// and a click on it runs nothing. There is no fixed column. Scrolling, the current cell
// and the keyboard moves are those of Qt's table view; the cells read through the
// accessible interface as a Qt table's do, and a cell chosen there is clicked.
//
// Every cell is owner-drawn: on_draw_cell is asked for the cell's style when the cell is
// painted; the cell is filled with the brush and its text drawn at left + 2, top + 2 in
// the font colour, in the style's font name (empty: the grid's font). Without the
// callback a cell is black on white.
class StringGrid : public Control {
 public:
  explicit StringGrid(Container& parent);
  ~StringGrid() override;

  // Cells that a larger size adds are empty; the current cell stays where it is while it
  // is still inside the grid, else it moves to the last row or column.
  void SetColCount(int cols);
  int ColCount() const;
  void SetRowCount(int rows);
  int RowCount() const;

  // Widths and heights of the cells in pixels, without the one-pixel grid line. The
  // default width applies to every column (earlier per-column widths are dropped).
  void SetDefaultColWidth(int width);
  void SetColWidth(int col, int width);
  int ColWidth(int col) const;
  void SetDefaultRowHeight(int height);
  int RowHeight(int row) const;

  // Whether the Tab key stops at the grid (a click focuses it either way).
  void SetTabStop(bool tab_stop);

  // All texts at once. SetTexts replaces every cell and takes the size of `texts`, with
  // one redraw.
  const base::TextGrid& Texts() const;
  void SetTexts(base::TextGrid texts);

  // A column or row outside the grid throws base::IndexOutOfBounds.
  const std::string& Cell(int col, int row) const;
  void SetCell(int col, int row, std::string_view text);
  // Entry k of a comma text (the CSV reading rule) to row k of the column or column k of
  // the row; see base::TextGrid.
  void SetColumnCommaText(int col, std::string_view comma_text);
  void SetRowCommaText(int row, std::string_view comma_text);

  // The current cell; a new grid's is column 0 of row 1 (row 0 while the grid has no
  // other row).
  int Row() const;
  int Col() const;

  // Asked for the style of a cell at each painting of it.
  std::function<CellStyle(int col, int row)> on_draw_cell;
  // Draws every cell anew (asking on_draw_cell again).
  void Repaint();

  // Runs after a user's click on a cell below the header row (the clicked cell is then
  // current) and after a keyboard move that changed the current cell. HeldModifiers()
  // gives the keys held at that click or key press.
  std::function<void()> on_click;
  // What a user's click on the cell does, with the modifier keys held: the cell becomes
  // current and on_click runs. Nothing happens while the grid (or its window) is disabled
  // or for a click on the header row.
  void ClickCell(int col, int row, KeyModifiers modifiers = {});

 private:
  internal::GridModel* model_;
};

}  // namespace ui
