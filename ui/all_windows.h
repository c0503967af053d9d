// Disabling and enabling all windows of the program (while a child program or a modal
// dialog runs).
#pragma once
#include <memory>

namespace ui {

// The windows that DisableAllWindows disabled.
class DisabledWindows {
 public:
  DisabledWindows();
  ~DisabledWindows();
  DisabledWindows(DisabledWindows&&) noexcept;
  DisabledWindows& operator=(DisabledWindows&&) noexcept;
  int count() const;

  struct Impl;
  std::unique_ptr<Impl> impl;
};

// Disables every top-level window that is visible and enabled now, and tells which.
DisabledWindows DisableAllWindows();
// Enables exactly those again (windows that went away meanwhile are skipped).
void EnableWindows(const DisabledWindows& windows);

}  // namespace ui
