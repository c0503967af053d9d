// A flat button with a caption, as the analysis windows put above their table columns.
#pragma once
#include <functional>
#include <string>

#include "ui/control.h"

namespace ui {

// Flat until the mouse is over it; its caption colour is the control's font colour
// (Control::SetFontColor, WindowTextColor() for the normal one). Not a tab stop.
class SpeedButton : public Control {
 public:
  explicit SpeedButton(Container& parent);
  void SetCaption(const std::string& caption);
  std::string Caption() const;
  // What a user's click does: runs the click handler, unless the button (or its window)
  // is disabled.
  void Click();
  std::function<void()> on_click;
};

}  // namespace ui
