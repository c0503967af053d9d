// Inside the window layer only: the modifier keys of the input event being handled.
#pragma once
#include <Qt>

#include "ui/input.h"

namespace ui::internal {

KeyModifiers ToModifiers(Qt::KeyboardModifiers modifiers);
Qt::KeyboardModifiers ToQt(const KeyModifiers& modifiers);

// While it exists, HeldModifiers() gives the modifiers of this event. Scopes nest: a
// handler that sends another event sees that event's keys until it is handled.
class InputEventScope {
 public:
  explicit InputEventScope(Qt::KeyboardModifiers modifiers);
  ~InputEventScope();
  InputEventScope(const InputEventScope&) = delete;
  InputEventScope& operator=(const InputEventScope&) = delete;

 private:
  const InputEventScope* previous_;
  KeyModifiers modifiers_;
  friend KeyModifiers ui::HeldModifiers();
};

}  // namespace ui::internal
