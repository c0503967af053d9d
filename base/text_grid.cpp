#include "base/text_grid.h"

#include <algorithm>

#include "base/csv.h"
#include "base/errors.h"

namespace base {

TextGrid::TextGrid(int cols, int rows, std::string_view fill)
    : cols_(std::max(cols, 0)),
      rows_(static_cast<std::size_t>(std::max(rows, 0)),
            std::vector<std::string>(static_cast<std::size_t>(cols_), std::string(fill))) {}

void TextGrid::Resize(int cols, int rows) {
  cols_ = std::max(cols, 0);
  rows_.resize(static_cast<std::size_t>(std::max(rows, 0)));
  for (auto& row : rows_) row.resize(static_cast<std::size_t>(cols_));
}

void TextGrid::CheckCol(int col) const {
  if (col < 0 || col >= cols_) throw IndexOutOfBounds(col);
}

void TextGrid::CheckRow(int row) const {
  if (row < 0 || row >= RowCount()) throw IndexOutOfBounds(row);
}

const std::string& TextGrid::Cell(int col, int row) const {
  CheckCol(col);
  CheckRow(row);
  return rows_[row][col];
}

void TextGrid::SetCell(int col, int row, std::string_view text) {
  CheckCol(col);
  CheckRow(row);
  rows_[row][col] = text;
}

void TextGrid::Fill(std::string_view text) {
  for (auto& row : rows_) std::fill(row.begin(), row.end(), std::string(text));
}

void TextGrid::SetColumnCommaText(int col, std::string_view comma_text) {
  SetColumnTexts(col, SplitCsvLine(comma_text));
}

void TextGrid::SetRowCommaText(int row, std::string_view comma_text) {
  SetRowTexts(row, SplitCsvLine(comma_text));
}

const std::vector<std::string>& TextGrid::RowTexts(int row) const {
  CheckRow(row);
  return rows_[row];
}

void TextGrid::SetRowTexts(int row, std::vector<std::string> texts) {
  CheckRow(row);
  if (texts.size() == static_cast<std::size_t>(cols_)) {
    rows_[row] = std::move(texts);
    return;
  }
  std::size_t n = std::min(texts.size(), static_cast<std::size_t>(cols_));
  std::move(texts.begin(), texts.begin() + static_cast<std::ptrdiff_t>(n), rows_[row].begin());
}

std::vector<std::string> TextGrid::ColumnTexts(int col) const {
  CheckCol(col);
  std::vector<std::string> texts;
  texts.reserve(rows_.size());
  for (const auto& row : rows_) texts.push_back(row[col]);
  return texts;
}

void TextGrid::SetColumnTexts(int col, const std::vector<std::string>& texts) {
  CheckCol(col);
  std::size_t n = std::min(texts.size(), rows_.size());
  for (std::size_t r = 0; r < n; ++r) rows_[r][col] = texts[r];
}

}  // namespace base
