// cardpull's main window: fetches the card of the race day of the command line as soon
// as it is shown; the status line and the hidden log show how it went.
#pragma once
#include <memory>
#include <string>

#include "fetch/common/ReadingWindows.h"
#include "fetch/jvlink/JVLink.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace cardpull {

class TfrmMain : public ui::Form {
 public:
  // argument: command-line argument 1, the race day yyyymmdd (empty when missing).
  TfrmMain(std::unique_ptr<jvlink::JVLink> jvlink, std::string argument);
  ~TfrmMain() override;

  std::unique_ptr<jvlink::JVLink> JVLink1;
  ui::RichEdit txtOut{*this};
  ui::GroupBox GroupBox1{*this};
  ui::Panel Panel1{GroupBox1};
  ui::Button Button1{GroupBox1};

  // Shared with the reading dialog.
  std::string DataSpec;
  std::string Key;

  fetch::ReadingWindowView<> view{txtOut, Panel1};

  void FormShow();
  void Button1Click();
  // A close while the reading dialog runs lets the card be read to its end; the window
  // closes after it.
  void FormClose(ui::CloseAction& action);

 private:
  std::string argument_;
  bool close_after_fetch_ = false;
};

}  // namespace cardpull
