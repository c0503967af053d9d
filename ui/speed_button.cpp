#include "ui/speed_button.h"

#include <QToolButton>

#include "ui/accessible.h"
#include "ui/dispatch.h"
#include "ui/form.h"
#include "ui/qt_text.h"

namespace ui {
namespace {

// An accessible press is a click (accessible.h).
class SpeedWidget : public QToolButton, public internal::AccessibleParts {
 public:
  using QToolButton::QToolButton;
  QAccessibleInterface* NewAccessible(QObject* part) override {
    return part == this ? internal::NewButtonAccessible(this, QAccessible::Button) : nullptr;
  }
};

QToolButton* ToolButtonOf(const Control& c) { return static_cast<QToolButton*>(c.widget()); }

QToolButton* NewToolButton(Container& parent) {
  auto* button = new SpeedWidget(parent.client_widget());
  button->setAutoRaise(true);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

SpeedButton::SpeedButton(Container& parent) : Control(parent, NewToolButton(parent)) {
  QObject::connect(ToolButtonOf(*this), &QToolButton::clicked, [this] { RunHandler(on_click); });
}

void SpeedButton::SetCaption(const std::string& caption) {
  ToolButtonOf(*this)->setText(internal::ToQt(caption));
}

std::string SpeedButton::Caption() const { return internal::ToSjis(ToolButtonOf(*this)->text()); }

void SpeedButton::Click() {
  if (Usable()) CallHandler(on_click);
}

}  // namespace ui
