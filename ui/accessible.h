// Inside the window layer only: how its widgets are read and driven through the
// accessibility interface (AT-SPI), as screen readers and GUI test tools use it.
//
// What an assistive tool does is what a user does. An accessible action or a text written
// through the accessible interface goes the way the user's click or keystroke goes, so the
// layer's semantics (controls.h, dispatch.h) hold whichever way the input comes:
//   - a button's press (and a radio button's toggle) is QAbstractButton::click(), the
//     mouse's own path: a radio button runs RadioButton::UserClick, a push button its
//     clicked signal;
//   - a text written into a one-line field is typed: QLineEdit's own editing at the given
//     place, which emits textEdited as keys do; only a change of the text counts, and a
//     read-only or disabled field takes nothing;
//   - the press of a one-line field that has a click handler is the mouse's click on it,
//     which runs that handler; a field without one offers no press;
//   - the choice of an item of a list is the widget's pick function;
//   - a cell of a grid pressed, toggled or selected is clicked: the grid's own click, as
//     the mouse's, which moves the current cell there and runs the click handler;
//   - the press of an item of a shown popup menu is its choice: the menu closes and the
//     item's handler runs.
// The input is posted (PostUserInput): the accessibility call returns at once, and the
// input runs from the message loop right after it, once. A handler that shows a modal box
// so never holds the reply that the screen reader or test tool waits for. A control that a
// user could not reach takes nothing, checked when the call comes and again when the input
// runs: a disabled one, one in a disabled window, or one in a window that a modal window (a
// message box) blocks.
//
// How a widget class of the layer takes part: it derives from AccessibleParts as well and
// returns, for itself or for one of its parts (a child widget such as a combo's field or
// drop-down list), one of the interfaces made below. The factory that Application installs
// asks the nearest such widget at or above the object. What no widget claims keeps Qt's
// own interface (labels, group boxes, the item views of lists, ...).
#pragma once
#include <QAccessible>
#include <functional>

class QAbstractButton;
class QAbstractItemView;
class QAction;
class QLineEdit;
class QMenu;
class QObject;
class QTableView;
class QWidget;

namespace ui::internal {

class AccessibleParts {
 public:
  // The interface for `part` (this widget or one inside it), or nullptr for Qt's own.
  virtual QAccessibleInterface* NewAccessible(QObject* part) = 0;

 protected:
  ~AccessibleParts() = default;
};

// An item inside a view or menu (an entry of a drop-down list, a cell of a grid, a menu's
// item): it has no children of its own, is not edited, and offers actions; it has no
// object unless it says so (a menu's item is its action). Its view or menu owns it.
class AccessibleItem : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}
  void* interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                             : nullptr;
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

// Installs the factory (once; Application does it).
void InstallAccessibleFactory();

// True when a user's click or keys could reach the widget now: it is enabled (with its
// containers and window), and no modal window other than its own window (or one of the
// windows that own it) is open.
bool TakesUserInput(const QWidget* widget);

// Runs `input` from the message loop, once, if a user could reach `target` (TakesUserInput)
// now and still then; nothing runs once the widget is gone.
void PostUserInput(QWidget* target, std::function<void()> input);

// A button whose press is a click, with the role given: QAccessible::Button (press) or
// QAccessible::RadioButton (press and toggle, and its checked state).
QAccessibleInterface* NewButtonAccessible(QAbstractButton* button, QAccessible::Role role);

// A one-line field: read through the text interface, written as typed. While has_click()
// says the field has a click handler, it also offers a press, which is click(), the
// mouse's click on it; without has_click it never offers one.
QAccessibleInterface* NewLineEditAccessible(QLineEdit* edit, std::function<bool()> has_click = {},
                                            std::function<void()> click = {});

// An item of a popup menu: press calls choose() while the menu is shown.
QAccessibleInterface* NewMenuItemAccessible(QMenu* menu, QAction* action,
                                            std::function<void()> choose);

// The items of a drop-down list: press or toggle on item `row` calls pick(row). The list
// reports `owner` (the combo) as its parent.
QAccessibleInterface* NewPickListAccessible(QAbstractItemView* view, QWidget* owner,
                                            std::function<void(int row)> pick);

// The cells of a table view, read as Qt reads a table's cells. Press or toggle on a cell
// that can be selected calls click(col, row), and so does the selection of a row or column
// that is that one cell; nothing else is selected or unselected through the interface.
QAccessibleInterface* NewGridAccessible(QTableView* view,
                                        std::function<void(int col, int row)> click);

}  // namespace ui::internal
