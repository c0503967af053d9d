// Button, GroupBox and RadioButton.
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "ui/accessible.h"
#include "ui/controls.h"
#include "ui/dispatch.h"
#include "ui/qt_text.h"

namespace ui {
namespace {

// An accessible press is a click (accessible.h).
class PushWidget : public QPushButton, public internal::AccessibleParts {
 public:
  using QPushButton::QPushButton;
  QAccessibleInterface* NewAccessible(QObject* part) override {
    return part == this ? internal::NewButtonAccessible(this, QAccessible::Button) : nullptr;
  }
};

// The group logic is ours (RadioButton), not Qt's: Qt's exclusive buttons cannot all be
// unchecked. A click on an unchecked button checks it as RadioButton::Click does; a click
// on a checked one changes nothing. So does an accessible press or toggle, and the button
// still reads as a radio button there (Qt would take a non-exclusive one for a check box).
class RadioWidget : public QRadioButton, public internal::AccessibleParts {
 public:
  RadioWidget(RadioButton* owner, QWidget* parent) : QRadioButton(parent), owner_(owner) {
    setAutoExclusive(false);
  }
  QAccessibleInterface* NewAccessible(QObject* part) override {
    return part == this ? internal::NewButtonAccessible(this, QAccessible::RadioButton) : nullptr;
  }

 protected:
  void nextCheckState() override { owner_->UserClick(); }

 private:
  RadioButton* owner_;
};

QPushButton* PushButtonOf(const Control& c) { return static_cast<QPushButton*>(c.widget()); }
QGroupBox* GroupBoxOf(const Control& c) { return static_cast<QGroupBox*>(c.widget()); }
QRadioButton* RadioOf(const Control& c) { return static_cast<QRadioButton*>(c.widget()); }

}  // namespace

Button::Button(Container& parent) : Control(parent, new PushWidget(parent.client_widget())) {
  QObject::connect(PushButtonOf(*this), &QPushButton::clicked, [this] { RunHandler(on_click); });
}

void Button::SetCaption(const std::string& caption) {
  PushButtonOf(*this)->setText(internal::ToQt(caption));
}

std::string Button::Caption() const { return internal::ToSjis(PushButtonOf(*this)->text()); }

void Button::Click() {
  if (Usable()) CallHandler(on_click);
}

GroupBox::GroupBox(Container& parent) : Control(parent, new QGroupBox(parent.client_widget())) {}

void GroupBox::SetCaption(const std::string& caption) {
  GroupBoxOf(*this)->setTitle(internal::ToQt(caption));
}

std::string GroupBox::Caption() const { return internal::ToSjis(GroupBoxOf(*this)->title()); }

RadioButton::RadioButton(Container& parent)
    : Control(parent, new RadioWidget(this, parent.client_widget())) {
  parent.radio_buttons_.push_back(this);
}

RadioButton::~RadioButton() {
  auto& group = parent().radio_buttons_;
  group.erase(std::remove(group.begin(), group.end(), this), group.end());
}

void RadioButton::SetCaption(const std::string& caption) {
  RadioOf(*this)->setText(internal::ToQt(caption));
}

std::string RadioButton::Caption() const { return internal::ToSjis(RadioOf(*this)->text()); }

void RadioButton::SetChecked(bool checked) {
  if (checked) {
    Check(false);
  } else {
    RadioOf(*this)->setChecked(false);
  }
}

bool RadioButton::Checked() const { return RadioOf(*this)->isChecked(); }

void RadioButton::UncheckGroup() {
  for (RadioButton* b : parent().radio_buttons()) RadioOf(*b)->setChecked(false);
}

void RadioButton::Click() {
  if (Usable()) Check(false);
}

void RadioButton::UserClick() { Check(true); }

void RadioButton::Check(bool as_event) {
  if (Checked()) return;
  for (RadioButton* b : parent().radio_buttons()) {
    if (b != this) RadioOf(*b)->setChecked(false);
  }
  RadioOf(*this)->setChecked(true);
  if (as_event) {
    RunHandler(on_click);
  } else {
    CallHandler(on_click);
  }
}

void RadioButton::ResetFontColor() { SetFontColor(ButtonTextColor()); }

}  // namespace ui
