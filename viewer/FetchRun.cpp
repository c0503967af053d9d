#include "viewer/FetchRun.h"

#include <time.h>

#include "base/errors.h"
#include "ui/all_windows.h"
#include "ui/application.h"
#include "ui/process.h"

namespace viewer {
namespace {

// Undoes the topmost state and the disabling, also when the wait is left by an error.
class WaitState {
 public:
  explicit WaitState(ui::Form& main_window) : main_window_(main_window) {
    main_window_.SetTopmost(true);
    disabled_ = ui::DisableAllWindows();
  }
  ~WaitState() {
    ui::EnableWindows(disabled_);
    main_window_.SetTopmost(false);
  }
  WaitState(const WaitState&) = delete;
  WaitState& operator=(const WaitState&) = delete;

 private:
  ui::Form& main_window_;
  ui::DisabledWindows disabled_;
};

}  // namespace

std::vector<std::string> CommandLineArguments(std::string_view text) {
  std::vector<std::string> words;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find(' ', pos);
    if (end == std::string_view::npos) end = text.size();
    if (end > pos) words.emplace_back(text.substr(pos, end - pos));
    pos = end + 1;
  }
  return words;
}

void RunFetchProgram(ui::Form& main_window, const std::string& program,
                     const std::vector<std::string>& arguments,
                     const std::string& failure_message) {
  {
    WaitState wait(main_window);
    ui::ChildProcess child;
    if (child.Start(program, arguments)) {
      // A short pause between the message passes keeps the wait from taking a whole
      // processor; painting and timers go on.
      while (child.Running()) {
        ui::ProcessMessages();
        const timespec pause{0, 10 * 1000 * 1000};  // 10 ms
        nanosleep(&pause, nullptr);
      }
      return;
    }
  }
  throw base::Error(failure_message);
}

}  // namespace viewer
