#include "viewer/RadioFamily.h"

#include "ui/color.h"

namespace viewer {

void RadioFamily::BlankCaptions() {
  for (ui::RadioButton* b : buttons_) b->SetCaption(" ");
}

void RadioFamily::ResetFonts() {
  for (ui::RadioButton* b : buttons_) b->ResetFontColor();
}

void RadioFamily::Highlight(int i) {
  if (i >= 1 && i <= Count()) buttons_[i - 1]->SetFontColor(ui::kRed);
}

int RadioFamily::Selected() const {
  for (int i = Count(); i >= 1; --i) {
    if (buttons_[i - 1]->Checked()) return i;
  }
  return 0;
}

void RadioFamily::Check(int i) {
  if (i == 0) {
    for (ui::RadioButton* b : buttons_) b->SetChecked(false);
  } else if (i >= 1 && i <= Count()) {
    buttons_[i - 1]->SetChecked(true);
  }
}

std::string RadioFamily::Caption(int i) const {
  if (i == 0) return " ";
  if (i >= 1 && i <= Count()) return buttons_[i - 1]->Caption();
  return "";
}

void RadioFamily::Restore(int stored) {
  Check(0);
  if (Caption(stored) != " ") Check(stored);
}

}  // namespace viewer
