// Inside the window layer only: what Qt Charts does not draw by itself. The value marks of
// a bar series (framed boxes over the bars, placed as items on the chart) and markers that
// are ellipses rather than circles.
#pragma once
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QFont>
#include <QGraphicsRectItem>
#include <QImage>
#include <QPointer>
#include <vector>

#include "ui/chart_data.h"

namespace ui::internal {

// The marks of one bar series, one box per non-empty point.
class BarMarkItems {
 public:
  BarMarkItems(QChart* chart, const BarMarks& style, const QFont& font);
  ~BarMarkItems();
  BarMarkItems(const BarMarkItems&) = delete;
  BarMarkItems& operator=(const BarMarkItems&) = delete;

  // Shows the marks of `points`, the values of `bars` in `group`, over their bars as the
  // chart lays them out now.
  void Place(const SeriesPoints& points, QBarSeries* group, QBarSet* bars);

 private:
  QGraphicsRectItem* Box(std::size_t i);

  QPointer<QChart> chart_;  // its items go with it
  BarMarks style_;
  QFont font_;
  QGraphicsRectItem* layer_;  // the boxes' parent: clips them to the plot area when asked
  std::vector<QGraphicsRectItem*> boxes_;
};

// A marker image of an ellipse `size.width` x `size.height` in `colour`, for a series whose
// marker size is the larger of the two (Qt draws the image in a square of that size).
QImage EllipseMarker(MarkerSize size, const QColor& colour);

}  // namespace ui::internal
