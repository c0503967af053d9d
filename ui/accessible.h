// Inside the window layer only: how its widgets are read and driven through the
// accessibility interface (AT-SPI), as screen readers and GUI test tools use it.
//
// What an assistive tool does is what a user does. An accessible action or a text written
// through the accessible interface goes the way the user's click or keystroke goes, so the
// layer's semantics (controls.h, dispatch.h) hold whichever way the input comes:
//   - a button's press (and a radio button's toggle) is QAbstractButton::click(), the
//     mouse's own path, at once: a radio button runs RadioButton::UserClick, a push
//     button its clicked signal;
//   - a text written into a one-line field is typed: QLineEdit's own editing at the given
//     place, which emits textEdited as keys do; only a change of the text counts, and a
//     read-only or disabled field takes nothing;
//   - the choice of an item of a list is the widget's pick function.
// A control that a user could not reach now takes nothing: a disabled one, one in a
// disabled window, or one in a window that a modal window (a message box) blocks.
//
// How a widget class of the layer takes part: it derives from AccessibleParts as well and
// returns, for itself or for one of its parts (a child widget such as a combo's field or
// drop-down list), one of the interfaces made below. The factory that Application installs
// asks the nearest such widget at or above the object. What no widget claims keeps Qt's
// own interface (labels, group boxes, item views and their cells, ...).
#pragma once
#include <QAccessible>
#include <functional>

class QAbstractButton;
class QAbstractItemView;
class QLineEdit;
class QObject;
class QWidget;

namespace ui::internal {

class AccessibleParts {
 public:
  // The interface for `part` (this widget or one inside it), or nullptr for Qt's own.
  virtual QAccessibleInterface* NewAccessible(QObject* part) = 0;

 protected:
  ~AccessibleParts() = default;
};

// Installs the factory (once; Application does it).
void InstallAccessibleFactory();

// True when a user's click or keys could reach the widget now: it is enabled (with its
// containers and window), and no modal window other than its own window (or one of the
// windows that own it) is open.
bool TakesUserInput(const QWidget* widget);

// A button whose press is a click, with the role given: QAccessible::Button (press) or
// QAccessible::RadioButton (press and toggle, and its checked state).
QAccessibleInterface* NewButtonAccessible(QAbstractButton* button, QAccessible::Role role);

// A one-line field: read through the text interface, written as typed.
QAccessibleInterface* NewLineEditAccessible(QLineEdit* edit);

// The items of a drop-down list: press or toggle on item `row` calls pick(row). The list
// reports `owner` (the combo) as its parent.
QAccessibleInterface* NewPickListAccessible(QAbstractItemView* view, QWidget* owner,
                                            std::function<void(int row)> pick);

}  // namespace ui::internal
