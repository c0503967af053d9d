// The window layer's controls reached as an assistive tool (a screen reader, a GUI test
// tool) reaches them: through Qt's accessibility interface, in-process.
#pragma once
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QString>
#include <QWidget>

#include "ui/application.h"
#include "ui/control.h"

namespace testsupport {

inline QAccessibleInterface* AccessibleOf(const ui::Control& control) {
  return QAccessible::queryAccessibleInterface(control.widget());
}

// The first child of the interface with the role, or nullptr.
inline QAccessibleInterface* ChildWithRole(QAccessibleInterface* parent, QAccessible::Role role) {
  for (int i = 0; parent && i < parent->childCount(); ++i) {
    QAccessibleInterface* child = parent->child(i);
    if (child && child->role() == role) return child;
  }
  return nullptr;
}

// Runs the named action (QAccessibleActionInterface::pressAction() and the like), then the
// message loop once: the input that the action posted runs there. A failure when the
// interface offers no such action.
inline void DoAction(QAccessibleInterface* target, const QString& action) {
  ASSERT_NE(target, nullptr);
  QAccessibleActionInterface* actions = target->actionInterface();
  ASSERT_NE(actions, nullptr) << "no action interface";
  ASSERT_TRUE(actions->actionNames().contains(action)) << action.toStdString() << " not offered";
  actions->doAction(action);
  ui::ProcessMessages();
}

inline void DoAction(const ui::Control& control, const QString& action) {
  DoAction(AccessibleOf(control), action);
}

// The item of a combo's drop-down list, as its list child offers it.
inline QAccessibleInterface* ComboItem(const ui::Control& combo, int row) {
  QAccessibleInterface* list = ChildWithRole(AccessibleOf(combo), QAccessible::List);
  return list ? list->child(row) : nullptr;
}

// The cell of a grid at the column and row, as its table interface offers it.
inline QAccessibleInterface* GridCell(const ui::Control& grid, int col, int row) {
  QAccessibleInterface* table = AccessibleOf(grid);
  QAccessibleTableInterface* cells = table ? table->tableInterface() : nullptr;
  return cells ? cells->cellAt(row, col) : nullptr;
}

// The editable field of a combo.
inline QAccessibleInterface* ComboField(const ui::Control& combo) {
  return ChildWithRole(AccessibleOf(combo), QAccessible::EditableText);
}

}  // namespace testsupport
