#include "ui/chart.h"

#include <gtest/gtest.h>

#include <QBarCategoryAxis>
#include <QBarLegendMarker>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <string>
#include <vector>

#include "base/errors.h"
#include "tests/support/sjis_assert.h"
#include "tests/ui/pixels.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/page_control.h"

namespace {

using ui::ChartAxis;
using ui::ChartPoint;
using ui::SeriesKind;

ChartPoint Point(double value, const std::string& label, ui::Color color = ui::kBlue) {
  return ChartPoint{value, label, color, false};
}

class ChartTest : public ::testing::Test {
 protected:
  ChartTest() { chart.SetBounds(0, 0, 505, 201); }
  QChart* qchart() const { return static_cast<QChartView*>(chart.widget())->chart(); }
  template <typename T>
  std::vector<T*> QtSeries() const {
    std::vector<T*> found;
    for (QAbstractSeries* s : qchart()->series()) {
      if (auto* t = qobject_cast<T*>(s)) found.push_back(t);
    }
    return found;
  }
  QBarCategoryAxis* BottomAxis() const {
    return qobject_cast<QBarCategoryAxis*>(qchart()->axes(Qt::Horizontal).at(0));
  }

  ui::Form form;
  ui::Chart chart{form};
};

TEST_F(ChartTest, SeriesAreRefilledWholeAndReadBackAsTheyWereGiven) {
  int shares = chart.AddSeries({.kind = SeriesKind::kBar, .title = "得票率"});
  int pairs = chart.AddSeries({.kind = SeriesKind::kLine, .title = "1人気-"});
  EXPECT_EQ(shares, 0);
  EXPECT_EQ(pairs, 1);
  EXPECT_EQ(chart.SeriesCount(), 2);
  EXPECT_SJIS_EQ("1人気-", chart.Style(pairs).title);

  ui::SeriesPoints bars = {Point(21.5, " 3"), Point(18.25, " 1"), Point(0, "12")};
  ui::SeriesPoints line = {ui::EmptyPoint(), Point(5.6, " 1"), Point(12.4, "12")};
  chart.SetPoints(shares, bars);
  chart.SetPoints(pairs, line);
  EXPECT_EQ(chart.Points(shares), bars);
  EXPECT_EQ(chart.Points(pairs), line);
  chart.SetPoints(shares, {Point(1, "a")});
  EXPECT_EQ(chart.Points(shares), (ui::SeriesPoints{Point(1, "a")}));
  EXPECT_EQ(chart.Points(pairs), line);  // the other series keeps its points
  chart.SetPoints(pairs, {});
  EXPECT_TRUE(chart.Points(pairs).empty());

  EXPECT_THROW(chart.SetPoints(2, {}), base::Error);
  EXPECT_THROW(chart.Points(-1), base::Error);
}

TEST_F(ChartTest, TheBottomAxisShowsTheFirstLabelAtEachPlace) {
  int first = chart.AddSeries({.kind = SeriesKind::kLine});
  int second = chart.AddSeries({.kind = SeriesKind::kBar});
  chart.SetPoints(first, {ui::EmptyPoint(), Point(1, " 7"), Point(2, "")});
  chart.SetPoints(second, {Point(3, " 3"), Point(4, "xx"), Point(5, "12"), Point(6, " 7")});
  EXPECT_FIELDS_EQ((std::vector<std::string>{" 3", " 7", "12", " 7"}), chart.BottomLabels());
  // Every place keeps its own category on Qt's axis, the repeated " 7" too.
  EXPECT_EQ(BottomAxis()->count(), 4);
  EXPECT_EQ(chart.ShownRange(ChartAxis::kBottom), (ui::AxisRange{-0.5, 3.5}));
  chart.SetPoints(second, {});
  EXPECT_FIELDS_EQ((std::vector<std::string>{"", " 7", ""}), chart.BottomLabels());
  EXPECT_EQ(BottomAxis()->count(), 3);
}

TEST_F(ChartTest, ALineBreaksAtEmptyPointsAndKeepsThePlacesOfTheOthers) {
  int line = chart.AddSeries({.kind = SeriesKind::kLine, .title = "2人気-"});
  chart.SetPoints(line, {ui::EmptyPoint(), ui::EmptyPoint(), Point(3, "a"), Point(4, "b"),
                         ui::EmptyPoint(), Point(6, "c")});
  std::vector<QLineSeries*> drawn = QtSeries<QLineSeries>();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[0]->points(), (QList<QPointF>{{2, 3}, {3, 4}}));
  EXPECT_EQ(drawn[1]->points(), (QList<QPointF>{{5, 6}}));
  chart.SetPoints(line, {Point(1, "a"), Point(2, "b")});
  EXPECT_EQ(drawn[0]->points(), (QList<QPointF>{{0, 1}, {1, 2}}));
  EXPECT_TRUE(drawn[1]->points().isEmpty());
  // Only the first piece is in the legend (as laid out for drawing).
  uitest::Drawn(chart.widget());
  EXPECT_TRUE(qchart()->legend()->markers(drawn[0]).at(0)->isVisible());
  EXPECT_FALSE(qchart()->legend()->markers(drawn[1]).at(0)->isVisible());
}

struct RangeCase {
  const char* name;
  SeriesKind kind;
  std::vector<double> values;
  ui::AxisScale scale;
  ui::AxisRange shown;
};

TEST_F(ChartTest, AxisRangesAreFixedOrTakenFromThePoints) {
  const RangeCase cases[] = {
      {"fixed", SeriesKind::kFastLine, {12, 97}, ui::AxisScale::Fixed(0, 30), {0, 30}},
      {"fixed with ticks", SeriesKind::kLine, {300}, ui::AxisScale::Fixed(0, 250, 10), {0, 250}},
      {"automatic line", SeriesKind::kLine, {3, 47}, {}, {0, 50}},
      {"automatic bars reach 0", SeriesKind::kBar, {-5, 234}, {}, {-50, 250}},
      {"bars above 0", SeriesKind::kBar, {1.2, 1.9}, {}, {0, 2}},
      {"minimum fixed",
       SeriesKind::kLine,
       {12.5, 20.3},
       {.automatic_min = false, .min = 0},
       {0, 25}},
      {"no point", SeriesKind::kLine, {}, {}, {0, 1}},
  };
  for (const RangeCase& c : cases) {
    ui::Form f;
    ui::Chart one{f};
    int s = one.AddSeries({.kind = c.kind, .axis = ChartAxis::kRight});
    one.SetAxisScale(ChartAxis::kRight, c.scale);
    ui::SeriesPoints points;
    for (double v : c.values) points.push_back(Point(v, ""));
    one.SetPoints(s, points);
    EXPECT_EQ(one.ShownRange(ChartAxis::kRight), c.shown) << c.name;
    EXPECT_EQ(one.GetAxisScale(ChartAxis::kRight), c.scale) << c.name;
  }
}

TEST_F(ChartTest, AFixedRangeHoldsThroughRefillsAndAnAutomaticOneFollowsThem) {
  int odds = chart.AddSeries({.kind = SeriesKind::kLine});
  int totals = chart.AddSeries({.kind = SeriesKind::kLine, .axis = ChartAxis::kRight});
  chart.SetAxisScale(ChartAxis::kLeft, ui::AxisScale::Fixed(0, 50, 10));
  chart.SetPoints(odds, {Point(2.4, "1"), Point(180.5, "2")});
  chart.SetPoints(totals, {Point(100, "1"), Point(900, "2")});
  EXPECT_EQ(chart.ShownRange(ChartAxis::kLeft), (ui::AxisRange{0, 50}));
  EXPECT_EQ(chart.ShownRange(ChartAxis::kRight), (ui::AxisRange{0, 1000}));
  chart.SetPoints(totals, {Point(12000, "1"), Point(48000, "2")});
  EXPECT_EQ(chart.ShownRange(ChartAxis::kRight), (ui::AxisRange{10000, 50000}));
  chart.SetAxisScale(ChartAxis::kLeft, ui::AxisScale::Fixed(0, 250, 10));
  EXPECT_EQ(chart.ShownRange(ChartAxis::kLeft), (ui::AxisRange{0, 250}));
  chart.SetAxisScale(ChartAxis::kLeft, {});
  EXPECT_EQ(chart.ShownRange(ChartAxis::kLeft), (ui::AxisRange{0, 200}));
  // The top axis carries no series: its range is its own.
  chart.SetAxisScale(ChartAxis::kTop, ui::AxisScale::Fixed(-5, 5));
  EXPECT_EQ(chart.ShownRange(ChartAxis::kTop), (ui::AxisRange{-5, 5}));
}

TEST_F(ChartTest, AnAutomaticRangeThatGrowsAThousandfoldKeepsItsTicksFew) {
  int totals = chart.AddSeries({.kind = SeriesKind::kLine, .axis = ChartAxis::kRight});
  auto* axis = qobject_cast<QValueAxis*>(qchart()->axes(Qt::Vertical, nullptr).at(1));
  ASSERT_NE(axis, nullptr);
  // Every layout of the ticks, at each change of range or distance, stays within bounds.
  double most_ticks = 0;
  auto count = [&] {
    most_ticks = std::max(most_ticks, (axis->max() - axis->min()) / axis->tickInterval());
  };
  QObject::connect(axis, &QValueAxis::rangeChanged, count);
  QObject::connect(axis, &QValueAxis::tickIntervalChanged, count);
  for (const std::vector<double>& values :
       std::vector<std::vector<double>>{{1, 5}, {2000, 20000}, {3, 4}, {-20000, 1}}) {
    ui::SeriesPoints points;
    for (double v : values) points.push_back(Point(v, ""));
    chart.SetPoints(totals, points);
  }
  EXPECT_EQ(chart.ShownRange(ChartAxis::kRight), (ui::AxisRange{-20000, 5000}));
  EXPECT_LE(most_ticks, 60);
}

TEST_F(ChartTest, AChartOnAPageNotShownGetsItsPointsDrawnWhenThePageIsShown) {
  ui::Form window;
  ui::PageControl pages{window};
  ui::TabSheet first{pages};
  ui::TabSheet second{pages};
  ui::Chart hidden{second};
  int line = hidden.AddSeries({.kind = SeriesKind::kLine});
  window.Show();
  ui::ProcessMessages();
  hidden.SetPoints(line, {Point(12, " 1"), Point(40, " 2")});
  // Read back as given while its page is not shown...
  EXPECT_EQ(hidden.Points(line).size(), 2u);
  EXPECT_FIELDS_EQ((std::vector<std::string>{" 1", " 2"}), hidden.BottomLabels());
  EXPECT_EQ(hidden.ShownRange(ChartAxis::kLeft), (ui::AxisRange{10, 40}));
  QChart* qt = static_cast<QChartView*>(hidden.widget())->chart();
  auto* drawn = qobject_cast<QLineSeries*>(qt->series().at(0));
  ASSERT_NE(drawn, nullptr);
  EXPECT_EQ(drawn->count(), 0);
  // ...and drawn once the page comes to the front.
  pages.SetActivePageIndex(1);
  ui::ProcessMessages();
  EXPECT_EQ(drawn->points(), (QList<QPointF>{{0, 12}, {1, 40}}));
  auto* bottom = qobject_cast<QBarCategoryAxis*>(qt->axes(Qt::Horizontal).at(0));
  EXPECT_EQ(bottom->count(), 2);
  auto* left = qobject_cast<QValueAxis*>(qt->axes(Qt::Vertical).at(0));
  EXPECT_EQ(left->max(), 40);
}

TEST_F(ChartTest, TheSeriesStyleReachesTheDrawing) {
  chart.AddSeries({.kind = SeriesKind::kBar,
                   .title = "複勝/単勝",
                   .color = {121, 121, 255},
                   .bar_width_percent = 25,
                   .marks = true});
  int hidden = chart.AddSeries(
      {.kind = SeriesKind::kBar, .in_legend = false, .bar_width_percent = 25, .marks = false});
  int votes = chart.AddSeries({.kind = SeriesKind::kLine,
                               .title = "単勝投票数",
                               .axis = ChartAxis::kRight,
                               .point_markers = true});
  int fast = chart.AddSeries({.kind = SeriesKind::kFastLine, .point_markers = true});
  chart.SetPoints(votes, {Point(5, "1", {0, 128, 255}), Point(6, "2", {0, 128, 255})});

  std::vector<QBarSeries*> groups = QtSeries<QBarSeries>();
  ASSERT_EQ(groups.size(), 1u);  // both bar series side by side in one group
  EXPECT_DOUBLE_EQ(groups[0]->barWidth(), 0.25);
  EXPECT_TRUE(groups[0]->isLabelsVisible());
  ASSERT_EQ(groups[0]->count(), 2);
  EXPECT_EQ(groups[0]->barSets()[0]->label(), QStringLiteral("複勝/単勝"));
  EXPECT_EQ(groups[0]->barSets()[0]->color(), QColor(121, 121, 255));
  EXPECT_EQ(groups[0]->barSets()[1]->labelColor().alpha(), 0);  // no marks
  uitest::Drawn(chart.widget());  // the legend is laid out for drawing
  for (QLegendMarker* m : qchart()->legend()->markers(groups[0])) {
    bool is_hidden = static_cast<QBarLegendMarker*>(m)->barset() == groups[0]->barSets()[1];
    EXPECT_EQ(m->isVisible(), !is_hidden);
  }
  std::vector<QLineSeries*> lines = QtSeries<QLineSeries>();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(lines[0]->pointsVisible());
  EXPECT_FALSE(lines[1]->pointsVisible());            // a fast line never has markers
  EXPECT_EQ(lines[0]->color(), QColor(0, 128, 255));  // the colour of its points
  (void)hidden;
  (void)fast;
  EXPECT_TRUE(chart.AxisVisible(ChartAxis::kRight));
  EXPECT_EQ(qchart()->animationOptions(), QChart::NoAnimation);
}

TEST_F(ChartTest, TitleLegendAxesAndBackground) {
  chart.SetTitle("馬連得票率/単勝・組み合わせ馬連");
  EXPECT_EQ(qchart()->title(), QStringLiteral("馬連得票率/単勝・組み合わせ馬連"));
  chart.SetTitleVisible(false);
  EXPECT_TRUE(qchart()->title().isEmpty());
  chart.SetTitleVisible(true);
  EXPECT_EQ(qchart()->title(), QStringLiteral("馬連得票率/単勝・組み合わせ馬連"));

  chart.SetLegendVisible(false);
  EXPECT_FALSE(chart.LegendVisible());
  chart.SetAxisTitle(ChartAxis::kLeft, "売上比率");
  EXPECT_EQ(qchart()->axes(Qt::Vertical).at(0)->titleText(), QStringLiteral("売上比率"));
  // The right axis shows only while a series uses it; the top axis only when asked for.
  auto shown = [this](Qt::Alignment side) {
    for (QAbstractAxis* a : qchart()->axes()) {
      if (a->alignment() == side) return a->isVisible();
    }
    return false;
  };
  EXPECT_FALSE(shown(Qt::AlignRight));
  EXPECT_FALSE(shown(Qt::AlignTop));
  chart.AddSeries({.axis = ChartAxis::kRight});
  chart.SetAxisVisible(ChartAxis::kTop, true);
  EXPECT_TRUE(shown(Qt::AlignRight));
  EXPECT_TRUE(shown(Qt::AlignTop));
  chart.SetAxisVisible(ChartAxis::kRight, false);
  EXPECT_FALSE(shown(Qt::AlignRight));
  EXPECT_FALSE(chart.AxisVisible(ChartAxis::kRight));

  chart.SetBackgroundColor({217, 217, 217});
  QImage image = uitest::Drawn(chart.widget());
  EXPECT_EQ(image.pixelColor(2, 2), QColor(217, 217, 217));
}

TEST_F(ChartTest, BarsAreDrawnInTheirPointsColour) {
  int s = chart.AddSeries({.kind = SeriesKind::kBar});
  chart.SetAxisScale(ChartAxis::kLeft, ui::AxisScale::Fixed(0, 10));
  auto red = [this] {
    return uitest::CountPixels(uitest::Drawn(chart.widget()), [](const QColor& c) {
      return c.red() > 200 && c.green() < 60 && c.blue() < 60;
    });
  };
  EXPECT_EQ(red(), 0);
  chart.SetPoints(s, {Point(8, "1", ui::kRed), Point(5, "2", ui::kRed)});
  EXPECT_GT(red(), 200);
}

struct Press {
  ui::MouseButton button;
  int x, y;
  ui::KeyModifiers keys;
  friend bool operator==(const Press&, const Press&) = default;
};

TEST_F(ChartTest, APressRunsTheHandlerWithButtonPlaceAndKeys) {
  std::vector<Press> seen;
  chart.on_mouse_down = [&](ui::MouseButton button, int x, int y) {
    seen.push_back({button, x, y, ui::HeldModifiers()});
  };
  const std::vector<Press> presses = {{ui::MouseButton::kRight, 40, 30, {}},
                                      {ui::MouseButton::kLeft, 200, 100, {.ctrl = true}},
                                      {ui::MouseButton::kMiddle, 0, 0, {.shift = true}}};
  for (const Press& p : presses) chart.PressMouse(p.button, p.x, p.y, p.keys);
  EXPECT_EQ(seen, presses);
  chart.SetEnabled(false);
  chart.PressMouse(ui::MouseButton::kRight, 40, 30);
  EXPECT_EQ(seen.size(), presses.size());
}

}  // namespace
