// Reading what a chart hands Qt Charts to draw: its legend's entries and where they stand,
// its bars, the value marks over them, and the extent of a marker.
#pragma once
#include <gtest/gtest.h>

#include <QAbstractAxis>
#include <QBrush>
#include <QChart>
#include <QChartView>
#include <QColor>
#include <QGraphicsItemGroup>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QLegend>
#include <QPen>
#include <QRectF>
#include <QString>
#include <algorithm>
#include <vector>

#include "tests/ui/pixels.h"
#include "ui/application.h"
#include "ui/chart.h"

namespace uitest {

inline QChartView* ViewOf(const ui::Chart& chart) {
  return static_cast<QChartView*>(chart.widget());
}
inline QChart* QtChart(const ui::Chart& chart) { return ViewOf(chart)->chart(); }

// Lays the chart out as it is drawn now.
inline void LaidOut(const ui::Chart& chart) {
  ui::ProcessMessages();
  ViewOf(chart)->grab();
}

// The texts of the legend's entries that can be read: shown, and wholly inside the legend's
// rectangle and the chart's view (an entry beyond them is cut off).
inline std::vector<QString> ReadableLegendEntries(const ui::Chart& chart) {
  QChart* c = QtChart(chart);
  const QRectF legend = c->legend()->sceneBoundingRect();
  const QRectF view = ViewOf(chart)->mapToScene(ViewOf(chart)->viewport()->rect()).boundingRect();
  std::vector<QString> texts;
  if (!c->legend()->isVisible()) return texts;
  for (QGraphicsItem* item : c->scene()->items()) {
    auto* text = dynamic_cast<QGraphicsTextItem*>(item);
    if (!text || !text->isVisible() || !c->legend()->isAncestorOf(text)) continue;
    const QRectF r = text->sceneBoundingRect();
    if (legend.contains(r) && view.contains(r)) texts.push_back(text->toPlainText());
  }
  std::sort(texts.begin(), texts.end());
  return texts;
}

// A text an axis draws, where it stands in the scene.
struct AxisText {
  QString text;
  QRectF rect;
};
// The title of a shown axis and every shown axis label of the chart (Qt keeps the labels of
// an axis as a group of texts; the titles stand alone).
struct AxisTexts {
  std::vector<AxisText> titles;
  std::vector<AxisText> labels;
};
inline AxisTexts AxisTextsOf(const ui::Chart& chart) {
  QChart* c = QtChart(chart);
  std::vector<QString> titles;
  for (QAbstractAxis* axis : c->axes()) {
    if (axis->isVisible() && axis->isTitleVisible() && !axis->titleText().isEmpty()) {
      titles.push_back(axis->titleText());
    }
  }
  AxisTexts texts;
  for (QGraphicsItem* item : c->scene()->items()) {
    auto* text = dynamic_cast<QGraphicsTextItem*>(item);
    if (!text || !text->isVisible() || c->legend()->isAncestorOf(text)) continue;
    const AxisText t{text->toPlainText(), text->sceneBoundingRect()};
    if (t.text.isEmpty()) continue;  // draws nothing
    if (dynamic_cast<QGraphicsItemGroup*>(text->parentItem())) {
      texts.labels.push_back(t);
    } else if (std::find(titles.begin(), titles.end(), t.text) != titles.end()) {
      texts.titles.push_back(t);
    }
  }
  return texts;
}

// A value mark over a bar: a framed box with its text.
struct MarkBox {
  QString text;
  QRectF rect;  // in the scene
  QColor background;
  QColor frame;
  bool clipped;  // cut to its clip rectangle
  QRectF clip;   // in the scene
};
inline std::vector<MarkBox> MarkBoxes(const ui::Chart& chart) {
  std::vector<MarkBox> marks;
  for (QGraphicsItem* item : QtChart(chart)->scene()->items(Qt::AscendingOrder)) {
    auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item);
    auto* box = text ? dynamic_cast<QGraphicsRectItem*>(text->parentItem()) : nullptr;
    if (!box || !box->isVisible()) continue;
    QRectF clip;
    if (box->isClipped()) clip = box->mapToScene(box->clipPath()).boundingRect();
    marks.push_back({text->text(), box->sceneBoundingRect().adjusted(0.5, 0.5, -0.5, -0.5),
                     box->brush().color(), box->pen().color(), box->isClipped(), clip});
  }
  std::sort(marks.begin(), marks.end(),
            [](const MarkBox& a, const MarkBox& b) { return a.rect.left() < b.rect.left(); });
  return marks;
}

// What a mark should show over its bar.
struct ExpectedMark {
  const char* text;
  QRectF bar;  // the bar Qt draws, in the scene
  int offset;  // pixels from the bar's upper end to the box
  QColor background, frame;
  bool clipped;
};
inline void ExpectMarks(const std::vector<MarkBox>& marks,
                        const std::vector<ExpectedMark>& expected) {
  ASSERT_EQ(marks.size(), expected.size());
  for (std::size_t i = 0; i < marks.size(); ++i) {
    const MarkBox& m = marks[i];
    const ExpectedMark& e = expected[i];
    EXPECT_EQ(m.text, QString::fromLatin1(e.text)) << i;
    EXPECT_NEAR(m.rect.bottom(), e.bar.top() - e.offset, 1.0) << e.text;
    EXPECT_NEAR(m.rect.center().x(), e.bar.center().x(), 1.0) << e.text;
    EXPECT_EQ(m.background, e.background) << e.text;
    EXPECT_EQ(m.frame, e.frame) << e.text;
    EXPECT_EQ(m.clipped, e.clipped) << e.text;
  }
}

// The bars Qt draws in a colour, from left to right.
inline std::vector<QRectF> BarRects(const ui::Chart& chart, const QColor& colour) {
  std::vector<QRectF> bars;
  for (QGraphicsItem* item : QtChart(chart)->scene()->items()) {
    auto* rect = dynamic_cast<QGraphicsRectItem*>(item);
    if (!rect || !rect->isVisible() || rect->brush().color() != colour) continue;
    if (!rect->childItems().isEmpty()) continue;  // a mark's box, not a bar
    if (QtChart(chart)->legend()->isAncestorOf(rect)) continue;
    bars.push_back(rect->sceneBoundingRect());
  }
  std::sort(bars.begin(), bars.end(),
            [](const QRectF& a, const QRectF& b) { return a.left() < b.left(); });
  return bars;
}

// The width and height of the pixels in a colour inside the chart's plot area.
struct Extent {
  int width = 0;
  int height = 0;
  friend bool operator==(const Extent&, const Extent&) = default;
};
inline Extent PlotPixels(const ui::Chart& chart, const QColor& colour) {
  LaidOut(chart);
  const QImage image = Drawn(ViewOf(chart));
  const QRect plot = ViewOf(chart)->mapFromScene(QtChart(chart)->plotArea()).boundingRect();
  int left = image.width(), right = -1, top = image.height(), bottom = -1;
  for (int y = plot.top(); y <= plot.bottom(); ++y) {
    for (int x = plot.left(); x <= plot.right(); ++x) {
      if (image.pixelColor(x, y) != colour) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return right < 0 ? Extent{} : Extent{right - left + 1, bottom - top + 1};
}

}  // namespace uitest
