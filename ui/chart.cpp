#include "ui/chart.h"

#include <QBarCategoryAxis>
#include <QBarLegendMarker>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPen>
#include <QSet>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "base/errors.h"
#include "ui/chart_layout.h"
#include "ui/chart_marks.h"
#include "ui/dispatch.h"
#include "ui/form.h"
#include "ui/input_event.h"
#include "ui/qt_text.h"

namespace ui {
namespace {

// Between the chart's edges and its axes and legend. Small, so that a legend of six
// entries fits beside a chart 160 pixels high.
constexpr int kChartMargin = 8;
// The legend's and the bar marks' texts.
constexpr int kLegendFontPixels = 11;
// More ticks than this on an axis are not drawn: the chart chooses the distance instead.
constexpr double kMostTicks = 60;
// Appended to a bottom-axis label that is already there: Qt's category axis takes each
// text once, and two places may show the same text.
constexpr char16_t kInvisibleMark = u'\u200b';

// 1, 2 or 5 times a power of ten, near `raw`.
double RoundStep(double raw) {
  if (!(raw > 0) || !std::isfinite(raw)) return 1;
  double power = std::pow(10.0, std::floor(std::log10(raw)));
  double f = raw / power;
  double round = f < 1.5 ? 1 : f < 3.5 ? 2 : f < 7.5 ? 5 : 10;
  return round * power;
}

struct ValueRange {
  double min = 0;
  double max = 1;
  double step = 1;
};

// The range an axis shows for the scale and the lowest and highest values on it.
ValueRange RangeOf(const AxisScale& scale, std::optional<std::pair<double, double>> data) {
  double lo = data ? data->first : 0;
  double hi = data ? data->second : 1;
  if (!scale.automatic_min) lo = scale.min;
  if (!scale.automatic_max) hi = scale.max;
  if (hi <= lo && (scale.automatic_min || scale.automatic_max)) {
    if (scale.automatic_max) {
      hi = lo + 1;
    } else {
      lo = hi - 1;
    }
  }
  double step = scale.increment > 0 ? scale.increment : RoundStep((hi - lo) / 5);
  if ((hi - lo) / step > kMostTicks) step = RoundStep((hi - lo) / 5);
  if (scale.automatic_min) lo = std::floor(lo / step) * step;
  if (scale.automatic_max) hi = std::ceil(hi / step) * step;
  return ValueRange{lo, hi, step};
}

QColor PointsColour(const SeriesPoints& points, Color fallback) {
  for (const ChartPoint& p : points) {
    if (!p.empty) return internal::ToQt(p.color);
  }
  return internal::ToQt(fallback);
}

std::optional<MouseButton> ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return MouseButton::kLeft;
    case Qt::RightButton:
      return MouseButton::kRight;
    case Qt::MiddleButton:
      return MouseButton::kMiddle;
    default:
      return std::nullopt;
  }
}

Qt::MouseButton QtButton(MouseButton button) {
  switch (button) {
    case MouseButton::kRight:
      return Qt::RightButton;
    case MouseButton::kMiddle:
      return Qt::MiddleButton;
    case MouseButton::kLeft:
      break;
  }
  return Qt::LeftButton;
}

// The chart's view: a mouse press runs the chart's handler. Presses go no further: the
// chart has no part that takes them (no zoom, no panning), and Qt's own handling of a
// press fails on a chart not yet laid out.
class ChartWidget : public QChartView {
 public:
  ChartWidget(Chart* owner, QChart* chart, QWidget* parent)
      : QChartView(chart, parent), owner_(owner) {}
  std::function<void()> on_shown;

 protected:
  void showEvent(QShowEvent* event) override {
    if (on_shown) on_shown();
    QChartView::showEvent(event);
  }
  void mousePressEvent(QMouseEvent* event) override {
    std::optional<MouseButton> button = ButtonOf(event->button());
    auto handler = owner_->on_mouse_down;
    if (button && handler) {
      QPoint at = viewport()->mapTo(this, event->position().toPoint());
      internal::InputEventScope scope(event->modifiers());
      RunHandler([&] { handler(*button, at.x(), at.y()); });
    }
    event->accept();
  }

 private:
  Chart* owner_;
};

}  // namespace

struct Chart::Impl {
  struct Entry {
    SeriesStyle style;
    SeriesPoints points;
    std::vector<QLineSeries*> segments;             // a line: one per run of non-empty points
    QBarSet* bars = nullptr;                        // bars
    std::unique_ptr<internal::BarMarkItems> marks;  // bars with value marks
    bool pending = false;                           // points not yet handed to Qt
  };

  QChart* chart = nullptr;  // owned by the view
  QMetaObject::Connection plot_area_changed;
  QWidget* view = nullptr;
  QBarCategoryAxis* bottom = nullptr;
  QValueAxis* left = nullptr;
  QValueAxis* right = nullptr;
  QValueAxis* top = nullptr;
  QBarSeries* bar_groups[2] = {nullptr, nullptr};  // the bar series of the left, right axis
  std::vector<Entry> series;
  AxisScale scales[4];
  AxisStyle styles[4];
  bool visible[4] = {true, true, true, false};
  std::vector<std::string> labels;
  std::string title;
  bool title_visible = true;

  Entry& At(int i) {
    if (i < 0 || i >= static_cast<int>(series.size())) throw base::IndexOutOfBounds(i);
    return series[static_cast<std::size_t>(i)];
  }
  QValueAxis* ValueAxis(ChartAxis axis) const {
    switch (axis) {
      case ChartAxis::kLeft:
        return left;
      case ChartAxis::kRight:
        return right;
      case ChartAxis::kTop:
        return top;
      case ChartAxis::kBottom:
        break;
    }
    return nullptr;
  }
  QAbstractAxis* AnyAxis(ChartAxis axis) const {
    QAbstractAxis* a = ValueAxis(axis);
    return a ? a : bottom;
  }
  bool Used(ChartAxis axis) const {
    return std::any_of(series.begin(), series.end(),
                       [axis](const Entry& e) { return e.style.axis == axis; });
  }

  QLineSeries* NewSegment(const Entry& e) {
    auto* line = new QLineSeries;
    line->setName(internal::ToQt(e.style.title));
    line->setColor(internal::ToQt(e.style.line_color.value_or(e.style.color)));
    line->setPointsVisible(e.style.kind == SeriesKind::kLine && e.style.point_markers);
    // Qt draws a circle of twice the marker size across, and a marker image in a square of
    // the marker size.
    const MarkerSize size = e.style.marker;
    line->setMarkerSize(size.width == size.height ? size.width / 2.0
                                                  : std::max(size.width, size.height));
    chart->addSeries(line);
    line->attachAxis(bottom);
    line->attachAxis(ValueAxis(e.style.axis));
    return line;
  }

  QBarSet* NewBars(const Entry& e) {
    int side = e.style.axis == ChartAxis::kRight ? 1 : 0;
    QBarSeries*& group = bar_groups[side];
    if (!group) {
      group = new QBarSeries;
      chart->addSeries(group);
      group->attachAxis(bottom);
      group->attachAxis(ValueAxis(e.style.axis));
    }
    auto* bars = new QBarSet(internal::ToQt(e.style.title));
    bars->setColor(internal::ToQt(e.style.color));
    bars->setBorderColor(internal::ToQt(e.style.color));
    group->append(bars);
    // The group's width comes from all its series.
    double width = 0;
    for (const Entry& other : series) {
      if (other.style.kind != SeriesKind::kBar || other.style.axis != e.style.axis) continue;
      width = std::max(width, other.style.bar_width_percent / 100.0);
    }
    group->setBarWidth(std::max(width, e.style.bar_width_percent / 100.0));
    return bars;
  }

  QBarSeries* GroupOf(const Entry& e) const {
    return bar_groups[e.style.axis == ChartAxis::kRight ? 1 : 0];
  }

  // The value marks of the bar series follow their bars: after a refill, a change of range
  // and a new plot area.
  void PlaceMarks() {
    for (Entry& e : series) {
      if (e.marks && !e.pending) e.marks->Place(e.points, GroupOf(e), e.bars);
    }
  }

  // The legend lists the first segment of each line and each bar series in it.
  void ApplyLegend() {
    QLegend* legend = chart->legend();
    // The legend's width may change, and Qt does not lay out a legend beside a set plot
    // area (ui/chart_layout.h).
    chart->layout()->invalidate();
    for (const Entry& e : series) {
      for (std::size_t k = 0; k < e.segments.size(); ++k) {
        for (QLegendMarker* m : legend->markers(e.segments[k])) {
          m->setVisible(k == 0 && e.style.in_legend);
        }
      }
      if (!e.bars) continue;
      for (QBarSeries* group : bar_groups) {
        if (!group) continue;
        for (QLegendMarker* m : legend->markers(group)) {
          auto* marker = static_cast<QBarLegendMarker*>(m);
          if (marker->barset() == e.bars) marker->setVisible(e.style.in_legend);
        }
      }
    }
  }

  void FillLine(Entry& e) {
    std::vector<QList<QPointF>> runs(1);
    for (std::size_t i = 0; i < e.points.size(); ++i) {
      const ChartPoint& p = e.points[i];
      if (p.empty) {
        if (!runs.back().isEmpty()) runs.emplace_back();
      } else {
        runs.back().append(QPointF(static_cast<double>(i), p.value));
      }
    }
    if (runs.size() > 1 && runs.back().isEmpty()) runs.pop_back();
    bool added = false;
    while (e.segments.size() < runs.size()) {
      e.segments.push_back(NewSegment(e));
      added = true;
    }
    const QColor points_colour = PointsColour(e.points, e.style.color);
    const QColor colour = e.style.line_color ? internal::ToQt(*e.style.line_color) : points_colour;
    const bool ellipses = e.style.marker.width != e.style.marker.height;
    for (std::size_t k = 0; k < e.segments.size(); ++k) {
      QLineSeries* line = e.segments[k];
      line->replace(k < runs.size() ? runs[k] : QList<QPointF>());
      if (line->color() != colour) line->setColor(colour);
      line->setBrush(points_colour);
      if (!line->pointsVisible() || k >= runs.size()) continue;
      if (ellipses) {
        // Qt draws circles only: an ellipse is an image, in one colour for the series.
        const QColor fill =
            e.style.marker_color ? internal::ToQt(*e.style.marker_color) : points_colour;
        QImage marker = internal::EllipseMarker(e.style.marker, fill);
        if (line->lightMarker() != marker) line->setLightMarker(marker);
        continue;
      }
      line->clearPointsConfiguration(QXYSeries::PointConfiguration::Color);
      for (qsizetype j = 0; j < runs[k].size(); ++j) {
        auto index = static_cast<std::size_t>(runs[k][j].x());
        QColor own = internal::ToQt(e.style.marker_color.value_or(e.points[index].color));
        if (own != colour) {
          line->setPointConfiguration(static_cast<int>(j), QXYSeries::PointConfiguration::Color,
                                      own);
        }
      }
    }
    if (added) ApplyLegend();
  }

  void FillBars(Entry& e) {
    QList<qreal> values;
    values.reserve(static_cast<qsizetype>(e.points.size()));
    for (const ChartPoint& p : e.points) values.append(p.empty ? 0 : p.value);
    if (e.bars->count() > 0) e.bars->remove(0, e.bars->count());
    e.bars->append(values);
    QColor colour = PointsColour(e.points, e.style.color);
    e.bars->setColor(colour);
    e.bars->setBorderColor(colour);
  }

  std::vector<std::string> BottomLabels() const {
    std::size_t count = 0;
    for (const Entry& e : series) count = std::max(count, e.points.size());
    std::vector<std::string> result(count);
    for (std::size_t i = 0; i < count; ++i) {
      for (const Entry& e : series) {
        if (i < e.points.size() && !e.points[i].empty && !e.points[i].label.empty()) {
          result[i] = e.points[i].label;
          break;
        }
      }
    }
    return result;
  }

  void UpdateLabels() {
    std::vector<std::string> now = BottomLabels();
    if (now == labels) return;
    labels = std::move(now);
    QStringList categories;
    QSet<QString> seen;
    for (const std::string& label : labels) {
      QString text = internal::ToQt(label);
      if (text.isEmpty()) text = QString(QChar(kInvisibleMark));
      while (seen.contains(text)) text += QChar(kInvisibleMark);
      seen.insert(text);
      categories.append(text);
    }
    bottom->setCategories(categories);
  }

  // The range a value axis shows for its scale and the points of its series.
  ValueRange RangeOn(ChartAxis axis) const {
    std::optional<std::pair<double, double>> data;
    auto take = [&data](double v) {
      if (!data) {
        data = std::make_pair(v, v);
      } else {
        data->first = std::min(data->first, v);
        data->second = std::max(data->second, v);
      }
    };
    for (const Entry& e : series) {
      if (e.style.axis != axis) continue;
      for (const ChartPoint& p : e.points) {
        if (!p.empty) take(p.value);
      }
      if (e.style.kind == SeriesKind::kBar && !e.points.empty()) take(0);
    }
    return RangeOf(scales[static_cast<int>(axis)], data);
  }

  void UpdateRange(ChartAxis axis) {
    QValueAxis* value_axis = ValueAxis(axis);
    if (!value_axis) return;
    ValueRange r = RangeOn(axis);
    value_axis->setTickType(QValueAxis::TicksDynamic);
    value_axis->setTickAnchor(0);
    // Qt lays the ticks out at once at each change of range or distance (and nothing is
    // laid out when neither changes). When the new range would meet the old distance with
    // too many ticks (0-5 in ones, then 0-1,200,000 would make a million on the way), a
    // distance wide enough for both ranges comes first.
    const double old_step = value_axis->tickInterval();
    if (!(old_step > 0) || (r.max - r.min) / old_step > kMostTicks) {
      value_axis->setTickInterval(std::max(value_axis->max() - value_axis->min(), r.max - r.min));
    }
    value_axis->setRange(r.min, r.max);
    value_axis->setTickInterval(r.step);
  }

  // A chart on a page that is not shown hands its points to Qt when it is shown: Qt lays
  // out the axes of a hidden chart at every refill all the same.
  bool Deferred() const { return view->window()->isVisible() && !view->isVisible(); }

  void Fill(Entry& e) {
    e.pending = false;
    if (e.bars) {
      FillBars(e);
    } else {
      FillLine(e);
    }
  }

  void ApplyPending() {
    bool any = false;
    for (Entry& e : series) {
      if (!e.pending) continue;
      Fill(e);
      any = true;
    }
    if (!any) return;
    UpdateLabels();
    UpdateRange(ChartAxis::kLeft);
    UpdateRange(ChartAxis::kRight);
    PlaceMarks();
  }

  void ApplyAxisStyle(ChartAxis axis) {
    const AxisStyle& style = styles[static_cast<int>(axis)];
    QAbstractAxis* a = AnyAxis(axis);
    a->setLineVisible(style.line_visible);
    QPen grid = a->gridLinePen();
    grid.setStyle(style.grid == LineStyle::kDotted ? Qt::DotLine : Qt::SolidLine);
    a->setGridLinePen(grid);
    if (auto* values = qobject_cast<QValueAxis*>(a)) {
      values->setMinorTickCount(style.minor_ticks);
      QPen minor = values->minorGridLinePen();
      minor.setStyle(Qt::SolidLine);
      minor.setColor(internal::ToQt(style.minor_grid));
      values->setMinorGridLinePen(minor);
      values->setMinorGridLineVisible(style.minor_ticks > 0);
    }
    QFont font = a->labelsFont();
    if (!style.labels.name.empty()) font.setFamily(internal::ToQt(style.labels.name));
    if (style.labels.pixel_size > 0) font.setPixelSize(style.labels.pixel_size);
    font.setBold(style.labels.bold);
    a->setLabelsFont(font);
  }

  void ApplyAxisVisibility() {
    bottom->setVisible(visible[static_cast<int>(ChartAxis::kBottom)]);
    for (ChartAxis axis : {ChartAxis::kLeft, ChartAxis::kRight}) {
      ValueAxis(axis)->setVisible(visible[static_cast<int>(axis)] && Used(axis));
    }
    top->setVisible(visible[static_cast<int>(ChartAxis::kTop)]);
  }
};

namespace {

QChartView* ViewOf(const Control& c) { return static_cast<QChartView*>(c.widget()); }

}  // namespace

Chart::Chart(Container& parent)
    : Control(parent, new ChartWidget(this, new internal::FittedChart, parent.client_widget())),
      impl_(std::make_unique<Impl>()) {
  auto* view = static_cast<ChartWidget*>(ViewOf(*this));
  view->on_shown = [this] { impl_->ApplyPending(); };
  // Drawn without smoothing, as the charts of this system always were; it also draws a
  // chart in half the time.
  view->setRenderHint(QPainter::Antialiasing, false);
  Impl& d = *impl_;
  d.view = view;
  d.chart = view->chart();
  d.chart->setAnimationOptions(QChart::NoAnimation);
  d.chart->setBackgroundRoundness(0);
  d.chart->layout()->setContentsMargins(0, 0, 0, 0);  // the background fills the control
  d.chart->setMargins(QMargins(kChartMargin, kChartMargin, kChartMargin, kChartMargin));
  d.chart->legend()->setAlignment(Qt::AlignRight);
  QFont legend_font = d.chart->legend()->font();
  legend_font.setPixelSize(kLegendFontPixels);
  d.chart->legend()->setFont(legend_font);
  d.plot_area_changed =
      QObject::connect(d.chart, &QChart::plotAreaChanged, [this] { impl_->PlaceMarks(); });
  d.bottom = new QBarCategoryAxis;
  d.left = new QValueAxis;
  d.right = new QValueAxis;
  d.top = new QValueAxis;
  d.chart->addAxis(d.bottom, Qt::AlignBottom);
  d.chart->addAxis(d.left, Qt::AlignLeft);
  d.chart->addAxis(d.right, Qt::AlignRight);
  d.chart->addAxis(d.top, Qt::AlignTop);
  for (QValueAxis* axis : {d.left, d.right, d.top}) axis->setLabelFormat(QStringLiteral("%.10g"));
  // Labels are short numbers and horse numbers: measured once, never shortened step by step.
  // Their axes take the room they need (ui/chart_layout.h).
  for (QAbstractAxis* axis : d.chart->axes()) {
    axis->setTruncateLabels(false);
    // Lines one pixel wide whatever the scale (a pen of width 0): they look the same as the
    // theme's pens of width 1, and the scene need not stroke every grid and tick line to
    // find its bounds at each drawing.
    auto cosmetic = [](QPen pen) {
      pen.setWidthF(0);
      return pen;
    };
    axis->setLinePen(cosmetic(axis->linePen()));
    axis->setGridLinePen(cosmetic(axis->gridLinePen()));
    axis->setMinorGridLinePen(cosmetic(axis->minorGridLinePen()));
  }
  d.right->setGridLineVisible(false);
  d.top->setGridLineVisible(false);
  for (ChartAxis axis : {ChartAxis::kLeft, ChartAxis::kRight, ChartAxis::kTop}) {
    d.UpdateRange(axis);
  }
  d.ApplyAxisVisibility();
}

Chart::~Chart() { QObject::disconnect(impl_->plot_area_changed); }

void Chart::SetUp(const ChartSetup& setup) {
  for (const SeriesStyle& style : setup.series) AddSeries(style);
  for (const AxisSetup& a : setup.axes) {
    if (a.scale) SetAxisScale(a.axis, *a.scale);
    if (!a.title.empty()) SetAxisTitle(a.axis, a.title);
    if (a.visible) SetAxisVisible(a.axis, *a.visible);
    SetAxisStyle(a.axis, a.style);
  }
  SetTitle(setup.title);
  SetTitleVisible(setup.title_visible);
  SetLegendVisible(setup.legend_visible);
  if (setup.background) SetBackgroundColor(*setup.background);
}

int Chart::AddSeries(const SeriesStyle& style) {
  Impl& d = *impl_;
  Impl::Entry e;
  e.style = style;
  if (e.style.axis != ChartAxis::kRight) e.style.axis = ChartAxis::kLeft;
  if (e.style.kind == SeriesKind::kBar) {
    e.bars = d.NewBars(e);
    if (e.style.marks) {
      e.marks = std::make_unique<internal::BarMarkItems>(d.chart, *e.style.marks,
                                                         d.chart->legend()->font());
    }
  } else {
    e.segments.push_back(d.NewSegment(e));
  }
  d.series.push_back(std::move(e));
  d.ApplyLegend();
  d.ApplyAxisVisibility();
  return static_cast<int>(d.series.size()) - 1;
}

int Chart::SeriesCount() const { return static_cast<int>(impl_->series.size()); }

const SeriesStyle& Chart::Style(int series) const { return impl_->At(series).style; }

void Chart::SetPoints(int series, SeriesPoints points) {
  Impl& d = *impl_;
  Impl::Entry& e = d.At(series);
  if (e.points == points) return;  // a refill with the same points draws nothing new
  e.points = std::move(points);
  if (d.Deferred()) {
    e.pending = true;
    return;
  }
  d.Fill(e);
  d.UpdateLabels();
  d.UpdateRange(e.style.axis);
  d.PlaceMarks();
}

const SeriesPoints& Chart::Points(int series) const { return impl_->At(series).points; }

std::vector<std::string> Chart::BottomLabels() const { return impl_->BottomLabels(); }

void Chart::SetAxisScale(ChartAxis axis, const AxisScale& scale) {
  impl_->scales[static_cast<int>(axis)] = scale;
  impl_->UpdateRange(axis);
  impl_->PlaceMarks();
}

const AxisScale& Chart::GetAxisScale(ChartAxis axis) const {
  return impl_->scales[static_cast<int>(axis)];
}

AxisRange Chart::ShownRange(ChartAxis axis) const {
  if (impl_->ValueAxis(axis)) {
    ValueRange r = impl_->RangeOn(axis);
    return AxisRange{r.min, r.max};
  }
  return AxisRange{-0.5, static_cast<double>(impl_->BottomLabels().size()) - 0.5};
}

void Chart::SetAxisStyle(ChartAxis axis, const AxisStyle& style) {
  impl_->styles[static_cast<int>(axis)] = style;
  impl_->ApplyAxisStyle(axis);
}

const AxisStyle& Chart::GetAxisStyle(ChartAxis axis) const {
  return impl_->styles[static_cast<int>(axis)];
}

void Chart::SetAxisTitle(ChartAxis axis, const std::string& title) {
  impl_->AnyAxis(axis)->setTitleText(internal::ToQt(title));
}

void Chart::SetAxisVisible(ChartAxis axis, bool visible) {
  impl_->visible[static_cast<int>(axis)] = visible;
  impl_->ApplyAxisVisibility();
}

bool Chart::AxisVisible(ChartAxis axis) const { return impl_->visible[static_cast<int>(axis)]; }

void Chart::SetTitle(const std::string& title) {
  impl_->title = title;
  impl_->chart->setTitle(impl_->title_visible ? internal::ToQt(title) : QString());
}

void Chart::SetTitleVisible(bool visible) {
  impl_->title_visible = visible;
  SetTitle(impl_->title);
}

void Chart::SetLegendVisible(bool visible) { impl_->chart->legend()->setVisible(visible); }

bool Chart::LegendVisible() const { return impl_->chart->legend()->isVisible(); }

void Chart::SetBackgroundColor(Color color) {
  impl_->chart->setBackgroundBrush(internal::ToQt(color));
}

void Chart::PressMouse(MouseButton button, int x, int y, KeyModifiers modifiers) {
  if (!Usable()) return;
  QChartView* view = ViewOf(*this);
  QPoint at = view->viewport()->mapFrom(view, QPoint(x, y));
  Qt::MouseButton qt_button = QtButton(button);
  Qt::KeyboardModifiers keys = internal::ToQt(modifiers);
  QPointF global = view->viewport()->mapToGlobal(QPointF(at));
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, qt_button, qt_button, keys);
  QCoreApplication::sendEvent(view->viewport(), &press);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, qt_button, Qt::NoButton,
                      keys);
  QCoreApplication::sendEvent(view->viewport(), &release);
}

}  // namespace ui
