#include "ui/qt_text.h"

#include "base/file_names.h"

namespace ui::internal {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool IsEscape(char16_t unit) { return unit >= 0xDC80 && unit <= 0xDCFF; }

}  // namespace

QString FileNameToQt(std::string_view name) {
  QString text;
  std::size_t run = 0;  // start of the characters not yet decoded
  const auto flush = [&](std::size_t end) {
    text += QString::fromUtf8(name.data() + run, static_cast<qsizetype>(end - run));
  };
  for (std::size_t pos = 0; pos < name.size();) {
    const std::size_t next = base::NextNameCharPos(name, pos);
    const auto byte = static_cast<unsigned char>(name[pos]);
    if (next == pos + 1 && byte >= 0x80) {
      flush(pos);
      text += QChar(static_cast<char16_t>(kEscapeBase + byte));
      run = next;
    }
    pos = next;
  }
  flush(name.size());
  return text;
}

std::string FileNameOfQt(const QString& text) {
  std::string name;
  qsizetype run = 0;  // start of the code units not yet encoded
  const auto flush = [&](qsizetype end) { name += text.mid(run, end - run).toStdString(); };
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i].unicode();
    const bool after_high = i > 0 && QChar::isHighSurrogate(text[i - 1].unicode());
    if (IsEscape(unit) && !after_high) {
      flush(i);
      name += static_cast<char>(unit - kEscapeBase);
      run = i + 1;
    }
  }
  flush(text.size());
  return name;
}

}  // namespace ui::internal
