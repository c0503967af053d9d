#include "fetch/common/ReadingWindows.h"

namespace fetch {

void AppendLog(ui::RichEdit& log, const std::string& text) { log.Append(text); }

void ShowStatus(ui::Panel& panel, const std::string& text) { panel.SetText(text); }

ReadingDialog::ReadingDialog(ui::Form& owner, const std::string& caption) : ui::Form(&owner) {
  SetCaption(caption);
  on_show = [this] { FormShow(); };
  on_close = [this](ui::CloseAction& action) { FormClose(action); };
}

void ReadingDialog::PostCloseWhenDone() {
  running_ = false;
  PostClose();
}

void ReadingDialog::FormShow() {
  running_ = true;
  close_requested_ = false;
  try {
    if (on_run) on_run();
  } catch (...) {
    // A failure below the fetch's own results: the dialog must still close, or its
    // modal run would never end. The error is shown by the window layer.
    if (running_) PostCloseWhenDone();
    throw;
  }
  if (running_) PostCloseWhenDone();
}

void ReadingDialog::FormClose(ui::CloseAction& action) {
  if (running_) {
    RequestClose();
    action = ui::CloseAction::kNone;
    return;
  }
  action = ui::CloseAction::kFree;
}

}  // namespace fetch
