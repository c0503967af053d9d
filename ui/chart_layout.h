// Inside the window layer only: where a chart's plot area stands. Qt Charts (6.4) gives
// each vertical axis at most a share of the width beside the legend (40 % of it, split
// evenly among the vertical axes) and puts the axis title at the outer edge of that share;
// our labels are never shortened, so labels wider than the share run under the title.
// A chart is therefore laid out twice: with the legend taking no width, which gives each
// axis the room it asks for (up to its share of the whole width), and as Qt does it, which
// places the legend. Where the second layout leaves an axis less room than the first, the
// plot area is set to leave every axis the first layout's room, the legend keeping its
// place. Qt sizes the axes beside a set plot area from the width its own layout leaves
// them, so the legend then stays out of that layout (detached).
#pragma once
#include <QChart>
#include <QRectF>

namespace ui::internal {

// What the two layouts of a chart give, in the chart's coordinates.
struct ChartRooms {
  QRectF content;  // the chart less its margins
  QRectF beside;   // the plot area Qt lays out beside the legend
  QRectF legend;   // the legend there
  QRectF whole;    // the plot area Qt lays out when the legend takes no width
};

// The plot area that leaves each vertical axis the room it takes in `whole`, between the
// content's left edge and the legend, with the top and bottom of `beside`; `beside` itself
// where that leaves no width.
QRectF PlotAreaBesideLegend(const ChartRooms& rooms);

// A chart that lays itself out so at each layout request and resize.
class FittedChart : public QChart {
 public:
  FittedChart();
  // Lays the chart out now.
  void LayOut();

 protected:
  bool event(QEvent* event) override;

 private:
  bool laying_out_ = false;
};

}  // namespace ui::internal
