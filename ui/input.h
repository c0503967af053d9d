// The state of the keyboard and the mouse at the input event being handled.
#pragma once

namespace ui {

// The modifier keys held down.
struct KeyModifiers {
  bool ctrl = false;
  bool alt = false;
  bool shift = false;
  friend bool operator==(const KeyModifiers&, const KeyModifiers&) = default;
};

// The modifier keys as they were at the input event whose handler is running (a click on
// a grid, a press on a chart), so that a click made with Ctrl held reads Ctrl here, also
// when a test sends the click. Outside such an event: the keys the window system last
// reported.
KeyModifiers HeldModifiers();

// A point on the screen, in pixels.
struct ScreenPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// The mouse cursor's position on the screen.
ScreenPoint CursorPos();

}  // namespace ui
