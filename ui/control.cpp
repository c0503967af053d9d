#include "ui/control.h"

#include <QApplication>
#include <QWidget>

#include "ui/form.h"
#include "ui/widget_util.h"

namespace ui {

Color ButtonTextColor() {
  return internal::ToColor(QApplication::palette().color(QPalette::Active, QPalette::ButtonText));
}

Color WindowTextColor() {
  return internal::ToColor(QApplication::palette().color(QPalette::Active, QPalette::WindowText));
}

Control::Control(Container& parent, QWidget* widget) : parent_(&parent), widget_(widget) {
  // A widget may go with its container's widget first; then only the pointer is cleared.
  QObject::connect(widget_, &QObject::destroyed, [this] { widget_ = nullptr; });
  widget_->show();  // shown with its container (the container itself may be hidden)
}

Control::~Control() { delete widget_; }

void Control::SetBounds(int left, int top, int width, int height) {
  widget_->setGeometry(left, top, width, height);
}

Bounds Control::GetBounds() const {
  QRect r = widget_->geometry();
  return Bounds{r.x(), r.y(), r.width(), r.height()};
}

void Control::SetVisible(bool visible) { widget_->setVisible(visible); }

bool Control::Visible() const { return !widget_->isHidden(); }

void Control::SetEnabled(bool enabled) { widget_->setEnabled(enabled); }

bool Control::Enabled() const { return !widget_->testAttribute(Qt::WA_ForceDisabled); }

bool Control::Usable() const { return widget_->isEnabled() && widget_->window()->isEnabled(); }

void Control::SetFont(const std::string& name, int pixel_height) {
  internal::ApplyFont(widget_, name, pixel_height);
}

void Control::SetFontStyle(bool bold, bool underline) {
  QFont f = widget_->font();
  f.setBold(bold);
  f.setUnderline(underline);
  widget_->setFont(f);
}

void Control::SetFontColor(Color color) { internal::ApplyForeground(widget_, color); }

Color Control::FontColor() const { return internal::Foreground(widget_); }

void Control::SetColor(Color color) { internal::ApplyBackground(widget_, color); }

}  // namespace ui
