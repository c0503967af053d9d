// Reading what a control draws: its picture, and how many of its pixels pass a test.
#pragma once
#include <QColor>
#include <QImage>
#include <QWidget>

namespace uitest {

inline QImage Drawn(QWidget* widget) { return widget->grab().toImage(); }

template <typename Test>
int CountPixels(const QImage& image, Test test) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (test(image.pixelColor(x, y))) ++count;
    }
  }
  return count;
}

}  // namespace uitest
