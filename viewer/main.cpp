// vantrel, the race-day odds viewer: one copy at a time, then the main window, the hidden
// settings window and the message loop; at the end the analysis windows the user opened.
#include <exception>
#include <memory>
#include <string>

#include "ui/application.h"
#include "ui/instance_lock.h"
#include "ui/message_box.h"
#include "viewer/AnalysisWindow.h"
#include "viewer/MainForm.h"
#include "viewer/SettingForm.h"

int main(int argc, char** argv) {
  std::unique_ptr<ui::InstanceLock> lock;
  std::string lock_error;
  try {
    lock = std::make_unique<ui::InstanceLock>("Vantrel Program");
  } catch (const std::exception& e) {
    lock_error = e.what();
  }
  // Another copy runs: end at once, without a message.
  if (lock && !lock->held()) return 0;

  ui::Application application(argc, argv);
  if (!lock) {
    ui::ShowError(lock_error);
    return 1;
  }
  int result = 0;
  {
    viewer::TForm1 form;
    viewer::TForm5 settings;  // hidden until the main window's "設定・ヘルプ"
    result = application.Run(form);
    // The analysis windows go first, while the main window and the application exist.
    viewer::DestroyAnalysisWindows();
  }
  return result;
}
