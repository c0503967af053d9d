// Top-level windows (forms) and the containers that hold controls.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/color.h"

class QEventLoop;
class QWidget;

namespace ui {

class RadioButton;

// What holds controls: a form or a group box. Radio buttons with the same container form
// one exclusive group. A container must outlive the controls put into it (declare it
// first).
class Container {
 public:
  virtual ~Container();
  // The Qt widget that the controls are put into.
  virtual QWidget* client_widget() const = 0;
  // The radio buttons of this container, in the order they were made.
  const std::vector<RadioButton*>& radio_buttons() const { return radio_buttons_; }

 private:
  friend class RadioButton;
  std::vector<RadioButton*> radio_buttons_;
};

// What the close handler may decide; it starts as kHide.
enum class CloseAction {
  kNone,  // the form stays open
  kHide,  // the form is hidden
  kFree,  // the form is hidden, then on_free runs from the message loop
};

enum class Cursor {
  kDefault,
  kAppStart,  // the application-starting cursor (arrow with hourglass)
};

// A top-level window. Position is that of the window; size that of its client area (the
// area the controls sit in). A new form is hidden.
class Form : public Container {
 public:
  // An owned form (a dialog, an analysis window) stays above its owner.
  explicit Form(Form* owner = nullptr);
  ~Form() override;  // runs the destroy handler if it has not run yet
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  void SetCaption(const std::string& caption);
  std::string Caption() const;

  void SetPosition(int left, int top);
  int Left() const;
  int Top() const;
  void SetClientSize(int width, int height);
  int ClientWidth() const;
  int ClientHeight() const;

  // Font of the form, inherited by its controls; the height in pixels.
  void SetFont(const std::string& name, int pixel_height);
  // The form's background colour.
  void SetColor(Color color);

  // Fixed single border: the user cannot resize the window.
  void SetFixedBorder(bool fixed);
  // The title bar's minimise and maximise boxes (the close box is always there).
  void SetBorderIcons(bool minimize, bool maximize);

  // Makes the form visible and brings it to the front. From hidden to visible, the shown
  // handler runs once the window is on the screen (each time the form is shown anew).
  void Show();
  void Hide();
  void SetVisible(bool visible);
  bool Visible() const;
  // Shows the form modally: every other visible, enabled window is disabled; the shown
  // handler runs; the message loop runs until the form is closed; the windows are then
  // enabled again. The form must be hidden before.
  void ShowModal();
  bool IsModal() const { return modal_; }
  // Closes the form now: runs the close handler and acts on its decision.
  void Close();
  // Posts a close request: the form closes from the message loop, after the running
  // handler has returned (in a modal run, when the modal loop runs again). A request that
  // arrives when the form is hidden does nothing.
  void PostClose();
  void BringToFront();
  // Asks the window system to make this the active window; the activated handler runs
  // when it becomes active (after the messages are handled: see ProcessMessages).
  void Activate();

  void SetEnabled(bool enabled);
  bool Enabled() const;

  // Topmost on or off, without moving, resizing or activating the window.
  void SetTopmost(bool topmost);
  bool Topmost() const;

  void SetCursor(Cursor cursor);
  Cursor GetCursor() const { return cursor_; }

  // Runs the destroy handler, once; later calls do nothing. A window class whose handler
  // uses its own members calls this first in its destructor (the Form is destroyed after
  // the members of a class derived from it).
  void RunDestroyHandler();

  // Handlers (Shift-JIS texts, dispatched: see dispatch.h).
  std::function<void()> on_show;
  std::function<void()> on_activate;
  std::function<void(CloseAction& action)> on_close;
  std::function<void()> on_free;  // after a close with CloseAction::kFree (the owner frees)
  std::function<void()> on_destroy;

  QWidget* widget() const { return widget_; }
  QWidget* client_widget() const override { return widget_; }

  // Used by the window implementation: the close path of the close box, Close() and
  // PostClose(). `from_window_system` dispatches the handler as an event.
  void DoClose(bool from_window_system);
  void HandleActivate();

 private:
  QWidget* widget_ = nullptr;
  QWidget* owner_widget_ = nullptr;
  bool modal_ = false;
  bool modal_done_ = false;
  bool fixed_border_ = false;
  bool destroy_handler_run_ = false;
  Cursor cursor_ = Cursor::kDefault;
  QEventLoop* modal_loop_ = nullptr;
};

}  // namespace ui
