// The one place where the window layer runs the program's handlers.
//
// An event that comes from the window system (a user click, a keystroke, a window being
// shown, activated or closed, a posted call) runs its handler through RunHandler: an error
// thrown inside it (std::exception or anything else) ends that handler and is shown in an
// error message box with the error's text; the program goes on.
//
// A handler that the program's own code sets off (Edit::SetText, RadioButton::SetChecked,
// Button::Click() called inside another handler) runs inside that call through
// CallHandler: inside a running handler it is a plain call, so an error leaves it and ends
// the outer handler as well (shown once, by the outer dispatch); outside any handler (a
// test, the start-up code) it is dispatched like an event.
#pragma once
#include <functional>

namespace ui {

// Runs the handler (an empty one does nothing); catches and shows what it throws.
// False when it ended by an error.
bool RunHandler(const std::function<void()>& handler);

// A plain call inside a running handler, RunHandler otherwise.
void CallHandler(const std::function<void()>& handler);

// True while a handler runs (on the window thread).
bool InHandler();

}  // namespace ui
