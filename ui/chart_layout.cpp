#include "ui/chart_layout.h"

#include <QEvent>
#include <QGraphicsLayout>
#include <QLegend>
#include <algorithm>

namespace ui::internal {

QRectF PlotAreaBesideLegend(const ChartRooms& rooms) {
  const qreal right_room = rooms.content.right() - rooms.whole.right();
  QRectF plot = rooms.beside;
  plot.setLeft(std::max(rooms.beside.left(), rooms.whole.left()));
  plot.setRight(std::min(rooms.beside.right(), rooms.legend.left() - right_room));
  return plot.width() > 0 ? plot : rooms.beside;
}

FittedChart::FittedChart() {
  // A detached legend shown or hidden asks for no layout by itself.
  connect(legend(), &QLegend::visibleChanged, this, [this] { layout()->invalidate(); });
}

void FittedChart::LayOut() {
  if (laying_out_) return;
  laying_out_ = true;
  QGraphicsLayout* frame = layout();
  auto pass = [frame] {
    frame->invalidate();
    frame->activate();
  };
  setPlotArea(QRectF());  // Qt's own plot area
  const bool beside_legend = legend()->isVisible() && !size().isEmpty();
  ChartRooms rooms;
  if (beside_legend) {
    // Each axis' room with the whole width to share.
    legend()->detachFromChart();
    pass();
    rooms.whole = plotArea();
  }
  // Qt's own layout, the legend beside the axes.
  if (!legend()->isAttachedToChart()) legend()->attachToChart();
  pass();
  if (beside_legend) {
    qreal left = 0, top = 0, right = 0, bottom = 0;
    frame->getContentsMargins(&left, &top, &right, &bottom);
    const QMargins m = margins();
    rooms.content = contentsRect().adjusted(left + m.left(), top + m.top(), -right - m.right(),
                                            -bottom - m.bottom());
    rooms.beside = plotArea();
    rooms.legend = legend()->geometry();
    const QRectF plot = PlotAreaBesideLegend(rooms);
    if (plot != rooms.beside) {
      // The legend keeps its place; the layout no longer takes its width from the axes.
      legend()->detachFromChart();
      legend()->setGeometry(rooms.legend);
      setPlotArea(plot);
      pass();
    }
  }
  laying_out_ = false;
}

bool FittedChart::event(QEvent* event) {
  // A layout still to do is done here; Qt's own handling then finds nothing to do.
  if (event->type() == QEvent::LayoutRequest && !layout()->isActivated()) LayOut();
  const bool handled = QChart::event(event);
  if (event->type() == QEvent::GraphicsSceneResize) LayOut();
  return handled;
}

}  // namespace ui::internal
