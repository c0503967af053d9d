// A menu that pops up at a place on the screen, as a chart's right click opens.
#pragma once
#include <functional>
#include <memory>
#include <string>

namespace ui {

class Form;
class MenuItem;

// Owned by a form (it goes with the form's window). Its items are MenuItem objects, in the
// order they were made.
class PopupMenu {
 public:
  explicit PopupMenu(Form& owner);
  ~PopupMenu();
  PopupMenu(const PopupMenu&) = delete;
  PopupMenu& operator=(const PopupMenu&) = delete;

  // Shows the menu with its top-left corner at the screen position (see CursorPos() in
  // input.h) and returns at once; the user's choice runs its item's handler later, from
  // the message loop. A click elsewhere closes the menu without a choice.
  void Popup(int x, int y);
  bool Shown() const;

 private:
  friend class MenuItem;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// An item of a popup menu, added after its last item. Declare items after their menu.
class MenuItem {
 public:
  explicit MenuItem(PopupMenu& menu);
  ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  void SetCaption(const std::string& caption);
  const std::string& Caption() const { return caption_; }

  // Runs when the user chooses the item, after the menu has closed.
  std::function<void()> on_click;
  // What a user's choice of this item from the shown menu does: the menu closes, then
  // on_click runs, dispatched like an event. Nothing happens while the menu is not shown.
  void Choose();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  std::string caption_;
};

}  // namespace ui
