// One radio-button group of the main window (racecourses, races, first and second odds
// times) and the operations that every such group offers. Buttons are numbered from 1;
// index 0 means none; a caption of one blank marks a button that stands for nothing.
#pragma once
#include <string>
#include <vector>

#include "ui/controls.h"

namespace viewer {

class RadioFamily {
 public:
  explicit RadioFamily(std::vector<ui::RadioButton*> buttons) : buttons_(std::move(buttons)) {}

  int Count() const { return static_cast<int>(buttons_.size()); }
  // Every caption " ".
  void BlankCaptions();
  // Every caption in the button-text colour.
  void ResetFonts();
  // Button i's caption red; an index outside 1-n changes nothing.
  void Highlight(int i);
  // The checked button, 0 when none; of several the highest.
  int Selected() const;
  // 1-n: button i checked; if it was unchecked, the others are unchecked and the group's
  // click handler runs within the call; if it was checked, nothing happens. 0: every
  // button unchecked, no handler runs. Other indexes do nothing.
  void Check(int i);
  // 0 gives " ", 1-n the button's caption, other indexes an empty text.
  std::string Caption(int i) const;
  // Re-runs a stored choice: unchecks the group, then checks the stored button, which
  // runs the click handler for it. A stored button that is itself blank is not checked
  // (its handler would restore it again without end): the group stays unchecked.
  void Restore(int stored);

 private:
  std::vector<ui::RadioButton*> buttons_;
};

}  // namespace viewer
