// The texts of a string grid: cells addressed by column and row (both from 0; row 0 is the
// header row), kept row by row so that a sort moves whole rows cheaply. The analysis tables
// keep their values only as these texts; the window's grid shows one of these.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace base {

class TextGrid {
 public:
  TextGrid() = default;
  // cols x rows cells, each holding `fill`.
  TextGrid(int cols, int rows, std::string_view fill = {});

  int ColCount() const { return cols_; }
  int RowCount() const { return static_cast<int>(rows_.size()); }
  // Cells that the new size adds are empty; cells it drops are gone.
  void Resize(int cols, int rows);

  // A column or row outside the grid throws base::IndexOutOfBounds.
  const std::string& Cell(int col, int row) const;
  void SetCell(int col, int row, std::string_view text);
  // Every cell := text.
  void Fill(std::string_view text);

  // Entry k of a comma text (split by the CSV reading rule, so a blank after a comma is
  // skipped) goes to row k of the column, or to column k of the row; entries beyond the
  // grid are dropped and cells beyond the last entry keep their texts.
  void SetColumnCommaText(int col, std::string_view comma_text);
  void SetRowCommaText(int row, std::string_view comma_text);

  // Whole rows and columns copied out and written back (a shorter list writes only its
  // own cells; a longer one is cut to the grid).
  const std::vector<std::string>& RowTexts(int row) const;
  void SetRowTexts(int row, std::vector<std::string> texts);
  std::vector<std::string> ColumnTexts(int col) const;
  void SetColumnTexts(int col, const std::vector<std::string>& texts);

  friend bool operator==(const TextGrid&, const TextGrid&) = default;

 private:
  void CheckCol(int col) const;
  void CheckRow(int row) const;

  int cols_ = 0;
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace base
