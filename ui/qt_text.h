// Inside the window layer only: texts and colours to and from Qt. Texts of the system are
// Shift-JIS; names of files and folders are the file system's bytes (base/file_names.h).
#pragma once
#include <QColor>
#include <QString>
#include <string>
#include <string_view>

#include "base/sjis.h"
#include "ui/color.h"

namespace ui::internal {

inline QString ToQt(std::string_view sjis) {
  return QString::fromStdString(base::SjisToUtf8(sjis));
}
inline std::string ToSjis(const QString& text) { return base::Utf8ToSjis(text.toStdString()); }
inline QColor ToQt(Color c) { return QColor(c.r, c.g, c.b); }
inline Color ToColor(const QColor& c) { return Color{c.red(), c.green(), c.blue()}; }

// A name of a file or folder shown: its UTF-8 characters decoded; a byte that begins no
// UTF-8 sequence becomes the code unit U+DC00 + byte (U+DC80-U+DCFF, a lone surrogate that
// no decoded character gives), so that FileNameOfQt gives every byte back.
QString FileNameToQt(std::string_view name);
// The bytes of a name shown or typed: UTF-8, and each U+DC80-U+DCFF standing alone the
// byte it stands for.
std::string FileNameOfQt(const QString& text);

}  // namespace ui::internal
