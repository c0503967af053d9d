// Inside the window layer only: Shift-JIS texts and colours to and from Qt.
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

}  // namespace ui::internal
