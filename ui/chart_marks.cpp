#include "ui/chart_marks.h"

#include <QBrush>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QPainter>
#include <QPen>
#include <algorithm>

#include "ui/qt_text.h"

namespace ui::internal {

namespace {

constexpr qreal kPadX = 2;  // between a mark's frame and its text
constexpr qreal kPadY = 1;
// A marker image holds this many pixels per pixel drawn, so that its ellipse keeps its shape.
constexpr int kMarkerScale = 4;

}  // namespace

BarMarkItems::BarMarkItems(QChart* chart, const BarMarks& style, const QFont& font)
    : chart_(chart), style_(style), font_(font), layer_(new QGraphicsRectItem(chart)) {
  layer_->setPen(Qt::NoPen);
  layer_->setBrush(Qt::NoBrush);
  layer_->setFlag(QGraphicsItem::ItemClipsChildrenToShape, style.clipped);
  // Over the series, under the legend.
  layer_->setZValue(chart->legend()->zValue() - 0.5);
}

BarMarkItems::~BarMarkItems() {
  if (chart_) delete layer_;
}

QGraphicsRectItem* BarMarkItems::Box(std::size_t i) {
  while (boxes_.size() <= i) {
    auto* box = new QGraphicsRectItem(layer_);
    QPen frame(ToQt(style_.frame));
    frame.setWidthF(0);
    box->setPen(frame);
    box->setBrush(ToQt(style_.background));
    auto* text = new QGraphicsSimpleTextItem(box);
    text->setFont(font_);
    text->setPos(kPadX, kPadY);
    boxes_.push_back(box);
  }
  return boxes_[i];
}

void BarMarkItems::Place(const SeriesPoints& points, QBarSeries* group, QBarSet* bars) {
  if (!chart_) return;
  const QList<QBarSet*> sets = group->barSets();
  const qreal set_count = std::max<qreal>(1, static_cast<qreal>(sets.size()));
  const qreal set = std::max<qreal>(0, static_cast<qreal>(sets.indexOf(bars)));
  const qreal width = group->barWidth();
  // Without clipping the layer's empty rectangle clips nothing.
  layer_->setRect(style_.clipped ? chart_->plotArea() : QRectF());
  std::size_t shown = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const ChartPoint& p = points[i];
    if (p.empty) continue;
    QGraphicsRectItem* box = Box(shown++);
    auto* text = static_cast<QGraphicsSimpleTextItem*>(box->childItems().front());
    const QString mark = ToQt(BarMarkText(p.value));
    if (text->text() != mark) text->setText(mark);
    const QRectF r = text->boundingRect();
    const qreal w = r.width() + 2 * kPadX;
    const qreal h = r.height() + 2 * kPadY;
    // The middle of this series' bar in its slot, at the bar's upper end.
    const qreal x = static_cast<qreal>(i) - width / 2 + (set + 0.5) * width / set_count;
    const QPointF end = chart_->mapToPosition(QPointF(x, std::max(p.value, 0.0)), group);
    box->setRect(0, 0, w, h);
    box->setPos(end.x() - w / 2, end.y() - style_.offset - h);
    box->setVisible(true);
  }
  for (std::size_t i = shown; i < boxes_.size(); ++i) boxes_[i]->setVisible(false);
}

QImage EllipseMarker(MarkerSize size, const QColor& colour) {
  const int side = std::max({size.width, size.height, 1}) * kMarkerScale;
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);  // without smoothing, as the charts draw
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  const qreal w = size.width * kMarkerScale;
  const qreal h = size.height * kMarkerScale;
  painter.drawEllipse(QRectF((side - w) / 2, (side - h) / 2, w, h));
  return image;
}

}  // namespace ui::internal
