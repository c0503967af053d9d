#include "ui/all_windows.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace ui {

struct DisabledWindows::Impl {
  std::vector<QPointer<QWidget>> windows;
};

DisabledWindows::DisabledWindows() : impl(std::make_unique<Impl>()) {}
DisabledWindows::~DisabledWindows() = default;
DisabledWindows::DisabledWindows(DisabledWindows&&) noexcept = default;
DisabledWindows& DisabledWindows::operator=(DisabledWindows&&) noexcept = default;

int DisabledWindows::count() const { return impl ? static_cast<int>(impl->windows.size()) : 0; }

DisabledWindows DisableAllWindows() {
  DisabledWindows result;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!w->isWindow() || !w->isVisible() || !w->isEnabled()) continue;
    Qt::WindowType type = w->windowType();
    if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::Desktop) continue;
    w->setEnabled(false);
    result.impl->windows.emplace_back(w);
  }
  return result;
}

void EnableWindows(const DisabledWindows& windows) {
  if (!windows.impl) return;
  for (const QPointer<QWidget>& w : windows.impl->windows) {
    if (w) w->setEnabled(true);
  }
}

}  // namespace ui
