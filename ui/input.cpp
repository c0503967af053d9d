#include "ui/input.h"

#include <QCursor>
#include <QGuiApplication>

#include "ui/input_event.h"

namespace ui {
namespace internal {
namespace {

const InputEventScope* current_event = nullptr;

}  // namespace

KeyModifiers ToModifiers(Qt::KeyboardModifiers modifiers) {
  return KeyModifiers{modifiers.testFlag(Qt::ControlModifier), modifiers.testFlag(Qt::AltModifier),
                      modifiers.testFlag(Qt::ShiftModifier)};
}

Qt::KeyboardModifiers ToQt(const KeyModifiers& modifiers) {
  Qt::KeyboardModifiers result;
  if (modifiers.ctrl) result |= Qt::ControlModifier;
  if (modifiers.alt) result |= Qt::AltModifier;
  if (modifiers.shift) result |= Qt::ShiftModifier;
  return result;
}

InputEventScope::InputEventScope(Qt::KeyboardModifiers modifiers)
    : previous_(current_event), modifiers_(ToModifiers(modifiers)) {
  current_event = this;
}

InputEventScope::~InputEventScope() { current_event = previous_; }

}  // namespace internal

KeyModifiers HeldModifiers() {
  if (internal::current_event) return internal::current_event->modifiers_;
  return internal::ToModifiers(QGuiApplication::keyboardModifiers());
}

ScreenPoint CursorPos() {
  QPoint p = QCursor::pos();
  return ScreenPoint{p.x(), p.y()};
}

}  // namespace ui
