// A read-only text of lines, as the analysis windows show their notices in.
#pragma once
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

// Lines of Shift-JIS text, kept byte for byte; no word wrap, a horizontal scroll bar. The
// text colour is the control's font colour (Control::SetFontColor).
class Memo : public Control {
 public:
  explicit Memo(Container& parent);
  // Replaces every line.
  void SetLines(std::vector<std::string> lines);
  const std::vector<std::string>& Lines() const { return lines_; }
  // Adds a line after the last one.
  void AddLine(const std::string& line);
  void Clear();
  // The font's size in points.
  void SetFontSize(int points);
  int FontSize() const;

 private:
  void Show();
  std::vector<std::string> lines_;
};

}  // namespace ui
