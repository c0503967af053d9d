// The accessible interface of a one-line field: read as Qt reads a line edit, written as a
// user types, and pressed as a user clicks it when it has a click handler.
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <algorithm>
#include <limits>
#include <utility>

#include "ui/accessible.h"

namespace ui::internal {
namespace {

// Types `text` in place of the characters [start, end) of the text the field holds when the
// input runs (accessible.h): selects them and types over them with the field's own editing,
// which emits textEdited as keys do. Nothing happens when the text would stay the same,
// while the field is read-only, or when keys could not reach it.
void TypeOver(QLineEdit* edit, int start, int end, const QString& text) {
  PostUserInput(edit, [edit, start, end, text] {
    const QString old = edit->text();
    const int from = std::clamp<int>(start, 0, old.size());
    const int to = std::clamp<int>(end, from, old.size());
    if (edit->isReadOnly()) return;
    if (QString(old).replace(from, to - from, text) == old) return;
    edit->deselect();
    edit->setCursorPosition(from);
    if (to > from) edit->setSelection(from, to - from);
    edit->insert(text);
  });
}

class LineEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
 public:
  LineEditAccessible(QLineEdit* edit, std::function<bool()> has_click, std::function<void()> click)
      : QAccessibleWidget(edit, QAccessible::EditableText),
        has_click_(std::move(has_click)),
        click_(std::move(click)) {
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value && !edit()->text().isEmpty()) return edit()->text();
    return QAccessibleWidget::text(t);
  }
  void setText(QAccessible::Text t, const QString& text) override {
    if (t == QAccessible::Value) {
      TypeOver(edit(), 0, std::numeric_limits<int>::max(), text);  // the whole text then
    } else {
      QAccessibleWidget::setText(t, text);
    }
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (edit()->isReadOnly()) {
      s.readOnly = true;
    } else {
      s.editable = true;
    }
    s.selectableText = true;
    return s;
  }
  // The press, while the field has a click handler (and a user could click it).
  QStringList actionNames() const override {
    QStringList names;
    if (widget()->isEnabled() && Clickable()) names << pressAction();
    return names + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == pressAction()) {
      if (Clickable()) PostUserInput(edit(), click_);
    } else {
      QAccessibleWidget::doAction(action);
    }
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::EditableTextInterface) {
      return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(t);
  }

  // Selection and cursor.
  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !edit()->hasSelectedText()) return;
    *start = edit()->selectionStart();
    *end = *start + edit()->selectionLength();
  }
  int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int index) override {
    if (index == 0) edit()->deselect();
  }
  void setSelection(int index, int start, int end) override {
    if (index == 0) edit()->setSelection(start, end - start);
  }
  int cursorPosition() const override { return edit()->cursorPosition(); }
  void setCursorPosition(int position) override { edit()->setCursorPosition(position); }

  // Text and geometry.
  QString text(int start, int end) const override {
    return start < 0 || end < start ? QString() : edit()->text().mid(start, end - start);
  }
  int characterCount() const override { return static_cast<int>(edit()->text().size()); }
  // The character's box: the cursor's place on the screen, moved by the advance between
  // the cursor and the character.
  QRect characterRect(int offset) const override {
    const QString ch = text(offset, offset + 1);
    if (ch.isEmpty()) return {};
    const QString all = edit()->text();
    const QFontMetrics metrics(edit()->font());
    const QRect cursor = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int x = cursor.center().x() + metrics.horizontalAdvance(all.left(offset)) -
                  metrics.horizontalAdvance(all.left(edit()->cursorPosition()));
    const QRect box(x, cursor.top(), metrics.horizontalAdvance(ch), cursor.height());
    return box.translated(edit()->mapToGlobal(QPoint(0, 0)));
  }
  int offsetAtPoint(const QPoint& point) const override {
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
  }
  void scrollToSubstring(int start, int end) override {
    edit()->setCursorPosition(end);
    edit()->setCursorPosition(start);
  }
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = offset;
    return {};
  }

  // Editing: typed.
  void deleteText(int start, int end) override { TypeOver(edit(), start, end, QString()); }
  void insertText(int offset, const QString& text) override {
    TypeOver(edit(), offset, offset, text);
  }
  void replaceText(int start, int end, const QString& text) override {
    TypeOver(edit(), start, end, text);
  }

 private:
  QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
  bool Clickable() const { return has_click_ && click_ && has_click_(); }

  std::function<bool()> has_click_;  // whether the field has a click handler now
  std::function<void()> click_;      // the mouse's click on the field
};

}  // namespace

QAccessibleInterface* NewLineEditAccessible(QLineEdit* edit, std::function<bool()> has_click,
                                            std::function<void()> click) {
  return new LineEditAccessible(edit, std::move(has_click), std::move(click));
}

}  // namespace ui::internal
