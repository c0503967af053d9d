// Label, Panel, Edit and ComboBox.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <limits>

#include "base/errors.h"
#include "ui/accessible.h"
#include "ui/controls.h"
#include "ui/dispatch.h"
#include "ui/qt_text.h"

namespace ui {
namespace {

// A control's text to and from Qt, as its kind says.
QString ToQt(TextKind kind, std::string_view text) {
  return kind == TextKind::kFileName ? internal::FileNameToQt(text) : internal::ToQt(text);
}
std::string OfQt(TextKind kind, const QString& text) {
  return kind == TextKind::kFileName ? internal::FileNameOfQt(text) : internal::ToSjis(text);
}

// Key presses as a user's keyboard sends them: one character per key, "\b" backspace,
// "\r" return.
void SendKeys(QWidget* target, const QString& keys) {
  for (qsizetype pos = 0; pos < keys.size();) {
    const qsizetype length =
        keys[pos].isHighSurrogate() && pos + 1 < keys.size() && keys[pos + 1].isLowSurrogate() ? 2
                                                                                               : 1;
    const QString ch = keys.mid(pos, length);
    pos += length;
    const int key = ch == u"\b" ? Qt::Key_Backspace : ch == u"\r" ? Qt::Key_Return : 0;
    const QString text = key != 0 ? QString() : ch;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
  }
}

// Text written through the accessible interface is typed, and a field with a click handler
// is pressed as the mouse clicks it (accessible.h).
class EditWidget : public QLineEdit, public internal::AccessibleParts {
 public:
  EditWidget(Edit* owner, QWidget* parent) : QLineEdit(parent), owner_(owner) {}
  QAccessibleInterface* NewAccessible(QObject* part) override {
    if (part != this) return nullptr;
    return internal::NewLineEditAccessible(
        this, [owner = owner_] { return static_cast<bool>(owner->on_click); },
        [this] { UserClick(); });
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
      UserClick();
    }
  }

 private:
  // A user's click on the field.
  void UserClick() { RunHandler(owner_->on_click); }

  Edit* owner_;
};

// Through the accessible interface, text written into the field is typed and an item of
// the drop-down list chosen is picked (accessible.h); the combo itself stays Qt's. The
// parts are told by their kind, not by lineEdit() or view(): Qt asks for the field's
// interface while it is still being put in.
//
// The list opens at the item that the field shows, when one does: the field's text may have
// been set apart from the current item.
class ComboWidget : public QComboBox, public internal::AccessibleParts {
 public:
  ComboWidget(ComboBox* owner, QWidget* parent) : QComboBox(parent), owner_(owner) {}
  void showPopup() override {
    const int shown = findText(currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (shown >= 0 && shown != currentIndex()) setCurrentIndex(shown);  // the text stays
    QComboBox::showPopup();
  }
  QAccessibleInterface* NewAccessible(QObject* part) override {
    if (auto* field = qobject_cast<QLineEdit*>(part)) return internal::NewLineEditAccessible(field);
    if (auto* list = qobject_cast<QAbstractItemView*>(part)) {
      return internal::NewPickListAccessible(list, this, [this](int row) {
        hidePopup();
        owner_->Pick(row);
      });
    }
    return nullptr;
  }

 private:
  ComboBox* owner_;
};

// Swallows the Return and Enter keys of a combo's field: Qt would take them as the choice
// of the item whose text was typed; in this system they change nothing.
class SwallowReturn : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
      int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
    }
    return QObject::eventFilter(watched, event);
  }
};

// No length limit (Qt's default is 32767 characters).
constexpr int kNoMaxLength = std::numeric_limits<int>::max();

QLabel* LabelOf(const Control& c) { return static_cast<QLabel*>(c.widget()); }
QLineEdit* LineEditOf(const Control& c) { return static_cast<QLineEdit*>(c.widget()); }
QComboBox* ComboOf(const Control& c) { return static_cast<QComboBox*>(c.widget()); }

QLabel* NewLabel(Container& parent) {
  auto* label = new QLabel(parent.client_widget());
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

Label::Label(Container& parent) : Control(parent, NewLabel(parent)) {}

void Label::SetCaption(const std::string& caption) {
  LabelOf(*this)->setText(internal::ToQt(caption));
}

std::string Label::Caption() const { return internal::ToSjis(LabelOf(*this)->text()); }

Panel::Panel(Container& parent) : Control(parent, NewLabel(parent)) {
  LabelOf(*this)->setFrameStyle(QFrame::Panel | QFrame::Raised);
  LabelOf(*this)->setAlignment(Qt::AlignCenter);
  LabelOf(*this)->setAutoFillBackground(true);
}

void Panel::SetText(const std::string& text) { LabelOf(*this)->setText(internal::ToQt(text)); }

std::string Panel::Text() const { return internal::ToSjis(LabelOf(*this)->text()); }

Edit::Edit(Container& parent, TextKind kind)
    : Control(parent, new EditWidget(this, parent.client_widget())), kind_(kind) {
  LineEditOf(*this)->setMaxLength(kNoMaxLength);
  // textEdited comes from the user's keys only, not from setText.
  QObject::connect(LineEditOf(*this), &QLineEdit::textEdited, [this] { RunHandler(on_change); });
}

void Edit::SetText(const std::string& text) {
  if (text == Text()) return;
  LineEditOf(*this)->setText(ToQt(kind_, text));
  CallHandler(on_change);
}

std::string Edit::Text() const { return OfQt(kind_, LineEditOf(*this)->text()); }

void Edit::SetBorder(bool border) { LineEditOf(*this)->setFrame(border); }

void Edit::SetReadOnly(bool read_only) { LineEditOf(*this)->setReadOnly(read_only); }

void Edit::Type(const std::string& keys) {
  if (!Usable()) return;
  LineEditOf(*this)->end(false);
  SendKeys(widget(), ToQt(kind_, keys));
}

void Edit::Click() {
  if (Usable()) CallHandler(on_click);
}

ComboBox::ComboBox(Container& parent, TextKind kind)
    : Control(parent, new ComboWidget(this, parent.client_widget())), kind_(kind) {
  QComboBox* combo = ComboOf(*this);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);  // Enter adds no item
  combo->setCompleter(nullptr);                 // typed text is not completed
  combo->lineEdit()->setMaxLength(kNoMaxLength);
  combo->lineEdit()->installEventFilter(new SwallowReturn(combo));
  // When its field loses the focus (to the opening list, too), Qt's combo looks the field's
  // text up among the items and, finding it away from the current item, makes it current
  // and reports a choice (activated). Leaving the field chooses nothing here.
  QObject::disconnect(combo->lineEdit(), SIGNAL(editingFinished()), combo, nullptr);
  // Picks from the list, by mouse or keys, and the wheel over the closed combo.
  QObject::connect(combo, &QComboBox::activated, [this] { RunHandler(on_change); });
  QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, [this] { RunHandler(on_change); });
}

void ComboBox::SetText(const std::string& text) { ComboOf(*this)->setEditText(ToQt(kind_, text)); }

std::string ComboBox::Text() const { return OfQt(kind_, ComboOf(*this)->currentText()); }

void ComboBox::Clear() {
  ComboOf(*this)->clear();
  ComboOf(*this)->clearEditText();
}

void ComboBox::AddItem(const std::string& item) {
  QComboBox* combo = ComboOf(*this);
  QString text = combo->currentText();
  combo->addItem(ToQt(kind_, item));
  if (combo->currentText() != text) combo->setEditText(text);
}

std::vector<std::string> ComboBox::Items() const {
  std::vector<std::string> items;
  for (int i = 0; i < ComboOf(*this)->count(); ++i) {
    items.push_back(OfQt(kind_, ComboOf(*this)->itemText(i)));
  }
  return items;
}

int ComboBox::ItemCount() const { return ComboOf(*this)->count(); }

void ComboBox::Pick(int index) {
  if (!Usable()) return;
  QComboBox* combo = ComboOf(*this);
  if (index < 0 || index >= combo->count()) throw base::IndexOutOfBounds(index);
  combo->setCurrentIndex(index);
  combo->setEditText(combo->itemText(index));
  // The signal of a choice in the drop-down list.
  emit combo->activated(index);
}

void ComboBox::Type(const std::string& keys) {
  if (!Usable()) return;
  ComboOf(*this)->lineEdit()->end(false);
  SendKeys(ComboOf(*this)->lineEdit(), ToQt(kind_, keys));
}

}  // namespace ui
