// The window parts that storepull and cardpull share: the hidden log and the status panel
// of the main window (AppendLog, ShowStatus), the modal reading dialog with its close
// handler, and the view through which their call sequences reach these windows.
#pragma once
#include <string>

#include "fetch/common/FetchView.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace fetch {

// Adds the text at the end of the hidden log, which scrolls down to it.
void AppendLog(ui::RichEdit& log, const std::string& text);
// Replaces the text of the status panel.
void ShowStatus(ui::Panel& panel, const std::string& text);

// A modal dialog without controls whose caption shows the progress. Its show handler runs
// the whole fetch (on_run) and the fetch posts it a close request when it is done
// (PostCloseWhenDone), so that it closes as soon as the handler has returned. The owner
// frees it when the modal run returns.
class ReadingDialog : public ui::Form {
 public:
  ReadingDialog(ui::Form& owner, const std::string& caption);

  // A close of the user while the fetch runs is only remembered: the fetch looks at it
  // (CloseRequested) and ends in its own way; the dialog closes when the fetch is done.
  void RequestClose() { close_requested_ = true; }
  bool CloseRequested() const { return close_requested_; }
  bool Running() const { return running_; }
  void PostCloseWhenDone();

  std::function<void()> on_run;

 private:
  void FormShow();
  void FormClose(ui::CloseAction& action);

  bool running_ = false;
  bool close_requested_ = false;
};

// The ReadingView of a main window: its hidden log and status panel, and the reading
// dialog that is shown (none between fetches).
template <class View = ReadingView>
class ReadingWindowView : public View {
 public:
  ReadingWindowView(ui::RichEdit& log, ui::Panel& status) : log_(log), status_(status) {}

  void set_dialog(ReadingDialog* dialog) { dialog_ = dialog; }
  ReadingDialog* dialog() const { return dialog_; }

  void ShowStatus(const std::string& text) override { fetch::ShowStatus(status_, text); }
  void ProcessMessages() override { ui::ProcessMessages(); }
  bool CloseRequested() const override { return dialog_ && dialog_->CloseRequested(); }
  void AppendLog(const std::string& text) override { fetch::AppendLog(log_, text); }
  void SetDialogCaption(const std::string& caption) override {
    if (dialog_) dialog_->SetCaption(caption);
  }
  void SetDialogCursor(DialogCursor cursor) override {
    if (dialog_) {
      dialog_->SetCursor(cursor == DialogCursor::kAppStart ? ui::Cursor::kAppStart
                                                           : ui::Cursor::kDefault);
    }
  }
  void PostDialogClose() override {
    if (dialog_) dialog_->PostCloseWhenDone();
  }

 private:
  ui::RichEdit& log_;
  ui::Panel& status_;
  ReadingDialog* dialog_ = nullptr;
};

// Shows a new reading dialog modally over the main window and frees it when the modal run
// returns; the view reaches it meanwhile. make_dialog makes the program's dialog.
template <class View, class MakeDialog>
void ShowReadingDialog(ReadingWindowView<View>& view, MakeDialog make_dialog) {
  auto dialog = make_dialog();
  view.set_dialog(dialog.get());
  struct Reset {
    ReadingWindowView<View>& view;
    ~Reset() { view.set_dialog(nullptr); }
  } reset{view};
  dialog->ShowModal();
}

}  // namespace fetch
