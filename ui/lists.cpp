// ListBox, RichEdit and DatePicker.
#include <QDateEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <algorithm>

#include "base/errors.h"
#include "ui/controls.h"
#include "ui/dispatch.h"
#include "ui/qt_text.h"

namespace ui {
namespace {

QListWidget* ListOf(const Control& c) { return static_cast<QListWidget*>(c.widget()); }
QPlainTextEdit* TextOf(const Control& c) { return static_cast<QPlainTextEdit*>(c.widget()); }
QDateEdit* DateOf(const Control& c) { return static_cast<QDateEdit*>(c.widget()); }

}  // namespace

ListBox::ListBox(Container& parent) : Control(parent, new QListWidget(parent.client_widget())) {
  QObject::connect(ListOf(*this), &QListWidget::itemClicked, [this] { RunHandler(on_click); });
}

void ListBox::Add(const std::string& item) {
  items_.push_back(item);
  ListOf(*this)->addItem(internal::ToQt(item));
}

void ListBox::Delete(int index) {
  if (index < 0 || index >= Count()) throw base::IndexOutOfBounds(index);
  items_.erase(items_.begin() + index);
  delete ListOf(*this)->takeItem(index);
}

const std::string& ListBox::Item(int index) const {
  if (index < 0 || index >= Count()) throw base::IndexOutOfBounds(index);
  return items_[index];
}

void ListBox::Clear() {
  items_.clear();
  ListOf(*this)->clear();
}

void ListBox::Sort() {
  // std::string compares as unsigned bytes (char_traits<char>::compare uses memcmp).
  std::sort(items_.begin(), items_.end());
  Refresh();
}

void ListBox::Click() {
  if (Usable()) CallHandler(on_click);
}

void ListBox::Refresh() {
  ListOf(*this)->clear();
  for (const std::string& item : items_) ListOf(*this)->addItem(internal::ToQt(item));
}

RichEdit::RichEdit(Container& parent)
    : Control(parent, new QPlainTextEdit(parent.client_widget())) {
  TextOf(*this)->setReadOnly(true);
  TextOf(*this)->setLineWrapMode(QPlainTextEdit::NoWrap);
}

void RichEdit::Append(const std::string& text) {
  text_ += text;
  QPlainTextEdit* edit = TextOf(*this);
  edit->moveCursor(QTextCursor::End);
  edit->insertPlainText(internal::ToQt(text));
  edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum());
}

void RichEdit::Clear() {
  text_.clear();
  TextOf(*this)->clear();
}

DatePicker::DatePicker(Container& parent) : Control(parent, new QDateEdit(parent.client_widget())) {
  DateOf(*this)->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
  DateOf(*this)->setCalendarPopup(true);
  DateOf(*this)->setMinimumDate(QDate(1900, 1, 1));
}

void DatePicker::SetDate(const base::Date& date) {
  if (!base::IsValidDate(date)) {
    throw base::NotADate(base::SlashedDate(date));
  }
  DateOf(*this)->setDate(QDate(date.year, date.month, date.day));
}

base::Date DatePicker::Date() const {
  QDate d = DateOf(*this)->date();
  return base::Date{d.year(), d.month(), d.day()};
}

}  // namespace ui
