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
#include "tests/ui/chart_scene.h"
#include "tests/ui/pixels.h"
#include "ui/application.h"
#include "ui/chart_layout.h"
#include "ui/form.h"
#include "ui/page_control.h"
#include "ui/qt_text.h"

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

  // The per-horse window's vote chart at its size: two bar series on the left axis and four
  // line series on the right, each of two points (raised by the series' place when
  // `rising`). The titles of the legend's entries.
  std::vector<QString> AddVoteChartSeries(bool rising) {
    chart.SetBounds(0, 0, 594, 160);
    std::vector<QString> titles;
    const char* names[] = {"複勝/単勝",  "馬連/単勝",  "複勝投票数",
                           "単勝投票数", "馬連投票数", "枠連投票数"};
    for (int i = 0; i < 6; ++i) {
      const bool bars = i < 2;
      int s = chart.AddSeries({.kind = bars ? SeriesKind::kBar : SeriesKind::kLine,
                               .title = names[i],
                               .axis = bars ? ChartAxis::kLeft : ChartAxis::kRight,
                               .point_markers = !bars});
      const int rise = rising ? i : 0;
      chart.SetPoints(s, {Point(1 + rise, "1"), Point(2 + rise, "2")});
      titles.push_back(ui::internal::ToQt(names[i]));
    }
    return titles;
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
                   .bar_width_percent = 25});
  int hidden =
      chart.AddSeries({.kind = SeriesKind::kBar, .in_legend = false, .bar_width_percent = 25});
  int votes = chart.AddSeries({.kind = SeriesKind::kLine,
                               .title = "単勝投票数",
                               .axis = ChartAxis::kRight,
                               .point_markers = true});
  int fast = chart.AddSeries({.kind = SeriesKind::kFastLine, .point_markers = true});
  chart.SetPoints(votes, {Point(5, "1", {0, 128, 255}), Point(6, "2", {0, 128, 255})});

  std::vector<QBarSeries*> groups = QtSeries<QBarSeries>();
  ASSERT_EQ(groups.size(), 1u);  // both bar series side by side in one group
  EXPECT_DOUBLE_EQ(groups[0]->barWidth(), 0.25);
  ASSERT_EQ(groups[0]->count(), 2);
  EXPECT_EQ(groups[0]->barSets()[0]->label(), QStringLiteral("複勝/単勝"));
  EXPECT_EQ(groups[0]->barSets()[0]->color(), QColor(121, 121, 255));
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

TEST(BarMarkText, ThousandsSeparatedWithAtMostOneDecimal) {
  struct {
    double value;
    const char* text;
  } cases[] = {
      {1.5, "1.5"},
      {12, "12"},
      {1234.5, "1,234.5"},
      {0, "0"},
      {0.04, "0"},
      {0.05, "0.1"},
      {0.25, "0.3"},
      {1.45, "1.5"},
      {999.95, "1,000"},
      {999.94, "999.9"},
      {0.6666666666, "0.7"},
      {100, "100"},
      {1000, "1,000"},
      {-1234.56, "-1,234.6"},
      {-0.04, "0"},
      {-0.05, "-0.1"},
      {1234567.89, "1,234,567.9"},
      {1e15, "1,000,000,000,000,000"},
      {99999.99, "100,000"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.text, ui::BarMarkText(c.value)) << c.value;
}

// Two bar series with value marks over the bars, as the per-horse window's vote ratios
// have them: 45 and 60 pixels above the bar, framed boxes, the second cut to the plot area.
TEST_F(ChartTest, BarMarksStandInTheirBoxesAboveTheirBars) {
  chart.SetBounds(0, 0, 594, 160);
  const QColor blue(121, 121, 255), red(255, 121, 121);
  int place = chart.AddSeries(
      {.kind = SeriesKind::kBar,
       .color = {121, 121, 255},
       .bar_width_percent = 25,
       .marks = ui::BarMarks{.background = {200, 200, 255}, .frame = {0, 128, 255}, .offset = 45}});
  int quinella = chart.AddSeries(
      {.kind = SeriesKind::kBar,
       .color = {255, 121, 121},
       .bar_width_percent = 25,
       .marks = ui::BarMarks{
           .background = {255, 200, 200}, .frame = ui::kRed, .offset = 60, .clipped = true}});
  chart.SetAxisScale(ChartAxis::kLeft, ui::AxisScale::Fixed(0, 20));
  chart.SetPoints(place, {Point(0.62, "1", {121, 121, 255}), Point(1.5, "2", {121, 121, 255}),
                          Point(12.25, "3", {121, 121, 255})});
  chart.SetPoints(quinella, {Point(3, "1", {255, 121, 121}), ui::EmptyPoint(),
                             Point(4.96, "3", {255, 121, 121})});
  uitest::LaidOut(chart);

  const std::vector<uitest::MarkBox> marks = uitest::MarkBoxes(chart);
  const std::vector<QRectF> place_bars = uitest::BarRects(chart, blue);
  const std::vector<QRectF> quinella_bars = uitest::BarRects(chart, red);
  ASSERT_EQ(place_bars.size(), 3u);
  ASSERT_EQ(quinella_bars.size(), 2u);  // the empty point draws no bar...
  ASSERT_EQ(marks.size(), 5u);          // ...and no mark
  const QColor place_box(200, 200, 255), place_frame(0, 128, 255);
  const QColor quinella_box(255, 200, 200), quinella_frame(255, 0, 0);
  uitest::ExpectMarks(marks, {{"0.6", place_bars[0], 45, place_box, place_frame, false},
                              {"3", quinella_bars[0], 60, quinella_box, quinella_frame, true},
                              {"1.5", place_bars[1], 45, place_box, place_frame, false},
                              {"12.3", place_bars[2], 45, place_box, place_frame, false},
                              {"5", quinella_bars[1], 60, quinella_box, quinella_frame, true}});
  const QRectF plot = qchart()->plotArea();
  // Bars whose marks reach above the plot area: the clipped mark is cut at its top, the other
  // is drawn whole. The value puts the middle of the boxes on the plot area's top edge.
  auto reaching_top = [&](int offset) {
    return 20 * (plot.height() - marks[0].rect.height() / 2 - offset) / plot.height();
  };
  chart.SetPoints(place, {Point(reaching_top(45), "1", {121, 121, 255})});
  chart.SetPoints(quinella, {Point(reaching_top(60), "1", {255, 121, 121})});
  uitest::LaidOut(chart);
  std::vector<uitest::MarkBox> high = uitest::MarkBoxes(chart);
  ASSERT_EQ(high.size(), 2u);
  const uitest::MarkBox& cut = high[0].clipped ? high[0] : high[1];
  const uitest::MarkBox& whole = high[0].clipped ? high[1] : high[0];
  EXPECT_LT(cut.rect.top(), plot.top());
  EXPECT_NEAR(cut.clip.top(), plot.top(), 1.0);
  EXPECT_FALSE(whole.clipped);
  EXPECT_LT(whole.rect.top(), plot.top());

  // A refill of fewer points leaves fewer marks; a higher range moves them down with the bars.
  chart.SetPoints(place, {Point(0.62, "1", {121, 121, 255}), Point(1.5, "2", {121, 121, 255}),
                          Point(12.25, "3", {121, 121, 255})});
  chart.SetPoints(quinella, {});
  chart.SetAxisScale(ChartAxis::kLeft, ui::AxisScale::Fixed(0, 40));
  uitest::LaidOut(chart);
  const std::vector<uitest::MarkBox> after = uitest::MarkBoxes(chart);
  ASSERT_EQ(after.size(), 3u);
  EXPECT_NEAR(after[2].rect.bottom(), uitest::BarRects(chart, blue)[2].top() - 45, 1.0);
  EXPECT_GT(after[2].rect.bottom(), marks[3].rect.bottom());
}

TEST_F(ChartTest, AxisStylesDottedGridSilverMinorGridHiddenLineBoldLabels) {
  int s = chart.AddSeries({.kind = SeriesKind::kLine});
  chart.SetAxisScale(ChartAxis::kLeft, ui::AxisScale::Fixed(0, 50, 10));
  chart.SetPoints(s, {Point(12, "1"), Point(20, "2")});
  auto* left = qobject_cast<QValueAxis*>(qchart()->axes(Qt::Vertical).at(0));
  const QColor silver(192, 192, 192);
  auto silver_pixels = [&] {
    uitest::LaidOut(chart);
    return uitest::CountPixels(uitest::Drawn(chart.widget()),
                               [&](const QColor& c) { return c == silver; });
  };
  EXPECT_EQ(silver_pixels(), 0);
  chart.SetAxisStyle(ChartAxis::kLeft, {.grid = ui::LineStyle::kDotted, .minor_ticks = 3});
  EXPECT_EQ(left->gridLinePen().style(), Qt::DotLine);
  EXPECT_TRUE(left->isGridLineVisible());
  EXPECT_EQ(left->minorTickCount(), 3);
  EXPECT_TRUE(left->isMinorGridLineVisible());
  EXPECT_EQ(left->minorGridLinePen().color(), silver);
  EXPECT_EQ(left->minorGridLinePen().style(), Qt::SolidLine);
  // 3 minor lines between each of the 5 steps, across the plot area.
  EXPECT_GT(silver_pixels(), 15 * static_cast<int>(qchart()->plotArea().width()) * 3 / 4);
  EXPECT_EQ(chart.GetAxisStyle(ChartAxis::kLeft).minor_ticks, 3);

  chart.SetAxisStyle(
      ChartAxis::kBottom,
      {.line_visible = false, .labels = {.name = "MS Sans Serif", .pixel_size = 11, .bold = true}});
  QAbstractAxis* bottom = BottomAxis();
  EXPECT_FALSE(bottom->isLineVisible());
  EXPECT_TRUE(bottom->labelsFont().bold());
  EXPECT_EQ(bottom->labelsFont().pixelSize(), 11);
  EXPECT_EQ(bottom->labelsFont().family(), QStringLiteral("MS Sans Serif"));
  EXPECT_FALSE(left->labelsFont().bold());
}

// A line whose pen and markers have colours of their own, as the bracket window's
// "2人気-枠配当" is drawn: a red line through points in (0, 128, 255).
TEST_F(ChartTest, ALineAndItsMarkersInTheirOwnColours) {
  chart.SetLegendVisible(false);
  chart.SetAxisScale(ChartAxis::kLeft, ui::AxisScale::Fixed(0, 50));
  int s = chart.AddSeries({.kind = SeriesKind::kLine,
                           .color = ui::kBlue,
                           .point_markers = true,
                           .line_color = ui::kRed,
                           .marker_color = ui::Color{0, 128, 255}});
  chart.SetPoints(s, {ui::EmptyPoint(), Point(10, "2", ui::kBlue), Point(30, "3", ui::kBlue),
                      Point(20, "4", ui::kBlue)});
  std::vector<QLineSeries*> lines = QtSeries<QLineSeries>();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0]->color(), QColor(255, 0, 0));
  for (int j = 0; j < 3; ++j) {
    EXPECT_EQ(lines[0]->pointConfiguration(j).value(QXYSeries::PointConfiguration::Color),
              QVariant(QColor(0, 128, 255)))
        << j;
  }
  uitest::LaidOut(chart);
  QImage drawn = uitest::Drawn(chart.widget());
  auto count = [&drawn](const QColor& colour) {
    return uitest::CountPixels(drawn, [&](const QColor& c) { return c == colour; });
  };
  EXPECT_GE(count(QColor(0, 128, 255)), 3 * 5);  // three markers
  EXPECT_GT(count(QColor(255, 0, 0)), 100);      // the line between them
  EXPECT_EQ(count(QColor(0, 0, 255)), 0);        // the series' colour draws nothing here

  // Without colours of its own a line and its markers take the points' colour.
  int plain = chart.AddSeries({.kind = SeriesKind::kLine, .point_markers = true});
  chart.SetPoints(plain, {Point(40, "2", {0, 200, 0}), Point(45, "3", {0, 200, 0})});
  EXPECT_EQ(QtSeries<QLineSeries>().back()->color(), QColor(0, 200, 0));
  EXPECT_TRUE(QtSeries<QLineSeries>().back()->pointConfiguration(0).isEmpty());
}

// Circles and ellipses as wide and high as given (to a pixel: where a marker falls between
// pixels decides whether its edge rows are drawn).
TEST_F(ChartTest, MarkersAreDrawnAtTheirSizes) {
  const QColor colour(0, 128, 255);
  for (ui::MarkerSize size : {ui::MarkerSize{3, 3}, ui::MarkerSize{3, 2}, ui::MarkerSize{},
                              ui::MarkerSize{9, 9}, ui::MarkerSize{9, 5}}) {
    ui::Form f;
    ui::Chart one{f};
    one.SetBounds(0, 0, 300, 160);
    one.SetLegendVisible(false);
    one.SetAxisScale(ChartAxis::kLeft, ui::AxisScale::Fixed(0, 50));
    int s = one.AddSeries({.kind = SeriesKind::kLine, .point_markers = true, .marker = size});
    one.SetPoints(s, {Point(25, "1", {0, 128, 255})});  // one point: no line, the marker alone
    const uitest::Extent drawn = uitest::PlotPixels(one, colour);
    EXPECT_NEAR(drawn.width, size.width, 1) << size.width << "x" << size.height;
    EXPECT_NEAR(drawn.height, size.height, 1) << size.width << "x" << size.height;
    if (size.width > size.height) {
      EXPECT_GT(drawn.width, drawn.height);
    }
  }
  EXPECT_EQ(ui::MarkerSize{}, (ui::MarkerSize{6, 6}));
}

// Six entries beside a chart 160 pixels high, as the per-horse window's vote chart has them.
TEST_F(ChartTest, TheLegendListsEveryEntryAtTheChartsSize) {
  std::vector<QString> titles = AddVoteChartSeries(true);
  // A series that is not listed takes no room.
  chart.AddSeries({.kind = SeriesKind::kBar, .title = "x", .in_legend = false});
  std::sort(titles.begin(), titles.end());
  uitest::LaidOut(chart);
  EXPECT_EQ(uitest::ReadableLegendEntries(chart), titles);
}

// The vote chart's axes at its size, with labels from four digits to eleven characters on
// either side: each title stands beside its labels, the labels are shown whole, nothing
// reaches under the legend, and the legend lists every entry.
TEST_F(ChartTest, AxisTitlesStandBesideTheirLabelsWhateverTheirWidth) {
  std::vector<QString> entries = AddVoteChartSeries(false);
  std::sort(entries.begin(), entries.end());
  chart.SetAxisTitle(ChartAxis::kLeft, "売上比率");
  chart.SetAxisTitle(ChartAxis::kRight, "投票数");
  const ui::AxisScale narrow = ui::AxisScale::Fixed(0, 20);
  struct {
    ui::AxisScale left, right;
    const char* widest;  // a label shown whole
  } cases[] = {
      {narrow, ui::AxisScale::Fixed(0, 5000), "5000"},
      {narrow, ui::AxisScale::Fixed(0, 5000000), "5000000"},
      {narrow, ui::AxisScale::Fixed(0, 2500000000), "2500000000"},
      {narrow, ui::AxisScale::Fixed(-2500000000, 2500000000), "-2000000000"},
      {ui::AxisScale::Fixed(-2500000000, 2500000000), ui::AxisScale::Fixed(0, 20), "-2000000000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.widest);
    chart.SetAxisScale(ChartAxis::kLeft, c.left);
    chart.SetAxisScale(ChartAxis::kRight, c.right);
    uitest::LaidOut(chart);
    const uitest::AxisTexts texts = uitest::AxisTextsOf(chart);
    ASSERT_EQ(texts.titles.size(), 2u);
    const QRectF legend = qchart()->legend()->sceneBoundingRect();
    for (const uitest::AxisText& title : texts.titles) {
      EXPECT_FALSE(title.rect.intersects(legend)) << title.text.toStdString();
      for (const uitest::AxisText& label : texts.labels) {
        EXPECT_FALSE(title.rect.intersects(label.rect))
            << title.text.toStdString() << " across " << label.text.toStdString();
      }
    }
    for (const uitest::AxisText& label : texts.labels) {
      EXPECT_FALSE(label.rect.intersects(legend)) << label.text.toStdString();
    }
    EXPECT_TRUE(std::any_of(texts.labels.begin(), texts.labels.end(),
                            [&](const uitest::AxisText& l) { return l.text == c.widest; }));
    EXPECT_EQ(uitest::ReadableLegendEntries(chart), entries);
  }
  // Narrow labels again: the plot area is as wide as it was before the wide ones.
  chart.SetAxisScale(ChartAxis::kLeft, narrow);
  chart.SetAxisScale(ChartAxis::kRight, cases[0].right);
  uitest::LaidOut(chart);
  const QRectF plot = qchart()->plotArea();
  chart.SetAxisScale(ChartAxis::kRight, cases[2].right);
  uitest::LaidOut(chart);
  EXPECT_LT(qchart()->plotArea().width(), plot.width());
  chart.SetAxisScale(ChartAxis::kRight, cases[0].right);
  uitest::LaidOut(chart);
  EXPECT_EQ(qchart()->plotArea(), plot);
  // Without the legend the plot area takes its width; the right axis keeps its room.
  chart.SetAxisScale(ChartAxis::kRight, cases[2].right);
  uitest::LaidOut(chart);
  const qreal room = qchart()->legend()->geometry().left() - qchart()->plotArea().right();
  chart.SetLegendVisible(false);
  uitest::LaidOut(chart);
  EXPECT_NEAR(qchart()->plotArea().right(),
              qchart()->size().width() - qchart()->margins().right() - room, 0.5);
}

// The plot area beside a legend at 494 in a chart whose content runs from 8 to 586: each
// axis keeps the room it takes when the legend takes no width.
TEST(PlotAreaBesideLegend, LeavesEachAxisItsRoom) {
  const QRectF content(8, 8, 578, 144), legend(494, 8, 92, 144);
  auto edges = [](qreal left, qreal right) {
    return QRectF(QPointF(left, 16), QPointF(right, 131));
  };
  struct {
    const char* name;
    QRectF whole, beside, plot;
  } cases[] = {
      {"room enough", edges(51, 481), edges(51, 389), edges(51, 389)},
      {"right axis short of room", edges(51, 481), edges(51, 397), edges(51, 389)},
      {"left axis short of room", edges(60, 570), edges(51, 470), edges(60, 470)},
      {"both", edges(60, 481), edges(51, 397), edges(60, 389)},
      {"no width left", edges(400, 481), edges(51, 397), edges(51, 397)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ui::internal::PlotAreaBesideLegend({content, c.beside, legend, c.whole}), c.plot)
        << c.name;
  }
}

TEST_F(ChartTest, ASetUpGivesTheSeriesAxesTitleLegendAndBackground) {
  ui::Chart set{form};
  set.SetUp(
      {.series = {{.kind = SeriesKind::kBar, .title = "得票率"},
                  {.kind = SeriesKind::kLine, .title = "単勝", .axis = ChartAxis::kRight}},
       .axes = {{.axis = ChartAxis::kLeft,
                 .scale = ui::AxisScale::Fixed(0, 50, 10),
                 .title = "馬連得票率",
                 .style = {.minor_ticks = 2}},
                {.axis = ChartAxis::kRight, .visible = false},
                {.axis = ChartAxis::kTop, .scale = ui::AxisScale::Fixed(-5, 5), .visible = true}},
       .title = "馬連",
       .title_visible = false,
       .legend_visible = false,
       .background = ui::Color{223, 223, 223}});
  ASSERT_EQ(set.SeriesCount(), 2);
  EXPECT_SJIS_EQ("単勝", set.Style(1).title);
  EXPECT_EQ(set.Style(1).axis, ChartAxis::kRight);
  EXPECT_EQ(set.GetAxisScale(ChartAxis::kLeft), ui::AxisScale::Fixed(0, 50, 10));
  EXPECT_EQ(set.GetAxisStyle(ChartAxis::kLeft).minor_ticks, 2);
  EXPECT_EQ(set.GetAxisScale(ChartAxis::kTop), ui::AxisScale::Fixed(-5, 5));
  EXPECT_FALSE(set.AxisVisible(ChartAxis::kRight));
  EXPECT_TRUE(set.AxisVisible(ChartAxis::kTop));
  EXPECT_FALSE(set.LegendVisible());
  QChart* qt = uitest::QtChart(set);
  EXPECT_TRUE(qt->title().isEmpty());
  EXPECT_EQ(qt->axes(Qt::Vertical).at(0)->titleText(), QStringLiteral("馬連得票率"));
  EXPECT_EQ(qt->backgroundBrush().color(), QColor(223, 223, 223));
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
