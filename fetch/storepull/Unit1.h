// storepull's main window: the start date of the stored-data fetch, the start button, the
// component's settings, the status line and the hidden log.
#pragma once
#include <memory>
#include <string>

#include "fetch/common/ReadingWindows.h"
#include "fetch/jvlink/JVLink.h"
#include "fetch/storepull/ResumeStamp.h"
#include "fetch/storepull/StoredFetch.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace storepull {

// The main window's log, status panel and start-date picker, and the reading dialog.
class StorePullWindowView : public fetch::ReadingWindowView<StorePullView> {
 public:
  StorePullWindowView(ui::RichEdit& log, ui::Panel& status, ui::DatePicker& picker)
      : ReadingWindowView(log, status), picker_(picker) {}
  void SetStartDate(const base::Date& date) override { picker_.SetDate(date); }
  void Sleep(int milliseconds) override;

 private:
  ui::DatePicker& picker_;
};

class TfrmMain : public ui::Form {
 public:
  // config_path: storepull.cfg in the current directory.
  explicit TfrmMain(std::unique_ptr<jvlink::JVLink> jvlink, std::string config_path = kConfigFile);
  ~TfrmMain() override;

  ui::Button ButtonJVLinkDialog{*this};
  ui::Button ButtonJVSetUIProperties{*this};
  ui::RichEdit txtOut{*this};
  ui::GroupBox GroupBox1{*this};
  ui::Label Label2{GroupBox1};
  ui::DatePicker DateTimePicker1{GroupBox1};
  ui::Label Label1{GroupBox1};
  ui::GroupBox GroupBox2{*this};
  ui::Button Button1{GroupBox2};
  ui::Panel Panel1{*this};
  std::unique_ptr<jvlink::JVLink> JVLink1;

  // Shared with the reading dialog: what it fetches, and where the next fetch resumes.
  std::string ResumeStamp;
  std::string DataSpec;
  std::string FromDate;
  // The download wait of the reading dialog.
  ReadingOptions reading_options;

  StorePullWindowView view{txtOut, Panel1, DateTimePicker1};

  void FormShow();
  void ButtonJVLinkDialogClick();
  void ButtonJVSetUIPropertiesClick();
  void Button1Click();
  // A close while the reading dialog runs stops the fetch; the window closes after it.
  void FormClose(ui::CloseAction& action);

 private:
  std::string config_path_;
  bool close_after_fetch_ = false;
};

}  // namespace storepull
