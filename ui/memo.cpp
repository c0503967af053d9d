#include "ui/memo.h"

#include <QFontInfo>
#include <QPlainTextEdit>
#include <utility>

#include "ui/form.h"
#include "ui/qt_text.h"

namespace ui {
namespace {

QPlainTextEdit* TextOf(const Control& c) { return static_cast<QPlainTextEdit*>(c.widget()); }

QPlainTextEdit* NewText(Container& parent) {
  auto* text = new QPlainTextEdit(parent.client_widget());
  text->setReadOnly(true);
  text->setLineWrapMode(QPlainTextEdit::NoWrap);
  text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return text;
}

}  // namespace

Memo::Memo(Container& parent) : Control(parent, NewText(parent)) {}

void Memo::SetLines(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  Show();
}

void Memo::AddLine(const std::string& line) {
  lines_.push_back(line);
  Show();
}

void Memo::Clear() {
  lines_.clear();
  Show();
}

void Memo::SetFontSize(int points) {
  QFont font = widget()->font();
  font.setPointSize(points);
  widget()->setFont(font);
}

int Memo::FontSize() const { return QFontInfo(widget()->font()).pointSize(); }

// The lines as one text: a line break between two lines.
void Memo::Show() {
  std::string text;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) text += '\n';
    text += lines_[i];
  }
  TextOf(*this)->setPlainText(internal::ToQt(text));
}

}  // namespace ui
