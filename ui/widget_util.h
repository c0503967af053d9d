// Inside the window layer only: small operations on Qt widgets shared by forms and controls.
#pragma once
#include <QFont>
#include <QPalette>
#include <QWidget>
#include <string>

#include "ui/qt_text.h"

namespace ui::internal {

inline void ApplyFont(QWidget* w, const std::string& name, int pixel_height) {
  QFont f = w->font();
  f.setFamily(ToQt(name));
  if (pixel_height > 0) f.setPixelSize(pixel_height);
  w->setFont(f);
}

inline void ApplyBackground(QWidget* w, Color color) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, ToQt(color));
  p.setColor(QPalette::Base, ToQt(color));
  p.setColor(QPalette::Button, ToQt(color));
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

// The colour of the widget's texts (captions, edit texts).
inline void ApplyForeground(QWidget* w, Color color) {
  QPalette p = w->palette();
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(g, QPalette::WindowText, ToQt(color));
    p.setColor(g, QPalette::Text, ToQt(color));
    p.setColor(g, QPalette::ButtonText, ToQt(color));
  }
  w->setPalette(p);
}

inline Color Foreground(const QWidget* w) {
  return ToColor(w->palette().color(QPalette::Active, QPalette::WindowText));
}

}  // namespace ui::internal
