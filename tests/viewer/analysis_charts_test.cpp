// The three analysis windows' charts in-process, as their set-up hands them to Qt Charts at
// the windows' own sizes: legends, bar marks, grids, line and marker colours and sizes,
// axis fonts.
#include <gtest/gtest.h>

#include <QLineSeries>
#include <QValueAxis>
#include <string>
#include <vector>

#include "tests/ui/chart_scene.h"
#include "tests/viewer/analysis_window.h"
#include "ui/qt_text.h"

namespace {

using viewertest::WindowRace;
class AnalysisChartsTest : public viewertest::AnalysisWindowTest {
 protected:
  // The three analysis windows, opened in turn on the chosen race.
  struct AllWindows {
    viewer::TForm2& horse;
    viewer::TForm3* quinella;
    viewer::TForm4* bracket;
  };
  AllWindows OpenAllWindows() {
    viewer::TForm2& horse = OpenHorseWindow();
    form->Button5.Click();
    form->Button6.Click();
    return {horse, viewer::Form3, viewer::Form4};
  }
};

std::vector<QString> Sorted(std::vector<std::string> titles) {
  std::vector<QString> texts;
  for (const std::string& t : titles) texts.push_back(ui::internal::ToQt(t));
  std::sort(texts.begin(), texts.end());
  return texts;
}

// The pieces Qt draws of the chart's line series titled `title`.
std::vector<QLineSeries*> LinesTitled(const ui::Chart& chart, const std::string& title) {
  std::vector<QLineSeries*> lines;
  for (QAbstractSeries* s : uitest::QtChart(chart)->series()) {
    auto* line = qobject_cast<QLineSeries*>(s);
    if (line && line->name() == ui::internal::ToQt(title)) lines.push_back(line);
  }
  return lines;
}

QValueAxis* LeftAxis(const ui::Chart& chart) {
  for (QAbstractAxis* a : uitest::QtChart(chart)->axes(Qt::Vertical)) {
    if (a->alignment() == Qt::AlignLeft) return qobject_cast<QValueAxis*>(a);
  }
  return nullptr;
}

// Two snapshots whose vote ratios make marks of one and two digits.
viewer::RaceOddsRecord VoteRace() {
  viewer::RaceOddsRecord race = WindowRace(12);
  race.SetWinVoteTotal(1, 1000000);
  race.SetPlaceVoteTotal(1, 600000);      // 0.6
  race.SetQuinellaVoteTotal(1, 1500000);  // 1.5
  race.SetWinVoteTotal(2, 800000);
  race.SetPlaceVoteTotal(2, 987654);      // 1.23
  race.SetQuinellaVoteTotal(2, 9800000);  // 12.25
  return race;
}

TEST_F(AnalysisChartsTest, EveryShownLegendListsAllItsEntriesAtTheWindowsSize) {
  const AllWindows w = OpenAllWindows();
  ASSERT_TRUE(w.quinella && w.bracket);
  viewer::TForm2& horse = w.horse;
  viewer::TForm3& quinella = *w.quinella;
  viewer::TForm4& bracket = *w.bracket;
  ShowRace(VoteRace());
  struct {
    const char* name;
    ui::PageControl* pages;
    int page;
    const ui::Chart& chart;
    std::vector<std::string> entries;  // none: no legend
  } charts[] = {
      {"馬 Chart1", &horse.PageControl1, 0, horse.Chart1, {"複勝", "単勝", "馬連"}},
      {"馬 Chart2", &horse.PageControl1, 1, horse.Chart2, {"複勝", "単勝", "連勝"}},
      {"馬 Chart3", &horse.PageControl1, 2, horse.Chart3, {}},
      {"馬 Chart4",
       &horse.PageControl1,
       3,
       horse.Chart4,
       {"複勝/単勝", "馬連/単勝", "複勝投票数", "単勝投票数", "馬連投票数", "枠連投票数"}},
      {"馬連 Chart1", nullptr, 0, quinella.Chart1, {"得票率", "単勝", "1人気-", "2人気-"}},
      {"馬連 Chart2", nullptr, 0, quinella.Chart2, {"1人気－", "2人気－", "3人気－"}},
      {"枠 Chart1",
       &bracket.PageControl1,
       0,
       bracket.Chart1,
       {"枠連得票率", "人気馬単勝", "1人気-枠配当", "2人気-枠配当"}},
      {"枠 Chart2", &bracket.PageControl1, 1, bracket.Chart2, {}},
  };
  for (const auto& c : charts) {
    if (c.pages) c.pages->SetActivePageIndex(c.page);
    uitest::LaidOut(c.chart);
    EXPECT_EQ(c.chart.LegendVisible(), !c.entries.empty()) << c.name;
    EXPECT_EQ(uitest::ReadableLegendEntries(c.chart), Sorted(c.entries)) << c.name;
  }
}

// Vote totals of ten digits, the most a record holds: the vote chart's right axis labels
// them in full (from 1000000000 to 2200000000).
viewer::RaceOddsRecord TenDigitVoteRace() {
  viewer::RaceOddsRecord race = WindowRace(12);
  for (int s = 1; s <= 2; ++s) {
    race.SetWinVoteTotal(s, 2000000000 + 100000000 * (s - 1));
    race.SetPlaceVoteTotal(s, 1500000000);
    race.SetQuinellaVoteTotal(s, 1800000000);
    race.SetBracketQuinellaVoteTotal(s, 1000000000);
  }
  return race;
}

// Each chart's axis titles beside their labels, not across them, at the windows' sizes.
TEST_F(AnalysisChartsTest, EveryAxisTitleStandsClearOfTheAxisLabels) {
  const AllWindows w = OpenAllWindows();
  ASSERT_TRUE(w.quinella && w.bracket);
  viewer::TForm2& horse = w.horse;
  viewer::TForm3& quinella = *w.quinella;
  viewer::TForm4& bracket = *w.bracket;
  ShowRace(TenDigitVoteRace());
  struct {
    const char* name;
    ui::PageControl* pages;
    int page;
    const ui::Chart& chart;
    std::vector<std::string> titles;
    const char* widest = nullptr;  // a label shown in full
  } charts[] = {
      {"馬 Chart1", &horse.PageControl1, 0, horse.Chart1, {}},
      {"馬 Chart2", &horse.PageControl1, 1, horse.Chart2, {}},
      {"馬 Chart3", &horse.PageControl1, 2, horse.Chart3, {}},
      {"馬 Chart4", &horse.PageControl1, 3, horse.Chart4, {"売上比率", "投票数"}, "2200000000"},
      {"馬連 Chart1", nullptr, 0, quinella.Chart1, {"馬連得票率", "配当"}},
      {"馬連 Chart2", nullptr, 0, quinella.Chart2, {}},
      {"枠 Chart1", &bracket.PageControl1, 0, bracket.Chart1, {"得票率", "配当"}},
      {"枠 Chart2", &bracket.PageControl1, 1, bracket.Chart2, {"得票率"}},
  };
  for (const auto& c : charts) {
    SCOPED_TRACE(c.name);
    if (c.pages) c.pages->SetActivePageIndex(c.page);
    uitest::LaidOut(c.chart);
    const uitest::AxisTexts texts = uitest::AxisTextsOf(c.chart);
    std::vector<QString> titles;
    for (const uitest::AxisText& t : texts.titles) titles.push_back(t.text);
    std::sort(titles.begin(), titles.end());
    EXPECT_EQ(titles, Sorted(c.titles));
    for (const uitest::AxisText& title : texts.titles) {
      for (const uitest::AxisText& label : texts.labels) {
        EXPECT_FALSE(title.rect.intersects(label.rect))
            << title.text.toStdString() << " across " << label.text.toStdString();
      }
    }
    // Nor do they reach under the legend beside them.
    const QRectF legend = uitest::QtChart(c.chart)->legend()->sceneBoundingRect();
    for (const auto* all : {&texts.titles, &texts.labels}) {
      for (const uitest::AxisText& t : *all) {
        EXPECT_FALSE(c.chart.LegendVisible() && t.rect.intersects(legend)) << t.text.toStdString();
      }
    }
    if (c.widest) {
      EXPECT_TRUE(std::any_of(texts.labels.begin(), texts.labels.end(),
                              [&](const uitest::AxisText& l) { return l.text == c.widest; }));
    }
  }
}

TEST_F(AnalysisChartsTest, TheVoteRatioBarsShowTheirMarks) {
  viewer::TForm2& w = OpenHorseWindow();
  ShowRace(VoteRace());
  w.PageControl1.SetActivePageIndex(3);
  uitest::LaidOut(w.Chart4);
  const std::vector<uitest::MarkBox> marks = uitest::MarkBoxes(w.Chart4);
  const std::vector<QRectF> place = uitest::BarRects(w.Chart4, QColor(121, 121, 255));
  const std::vector<QRectF> quinella = uitest::BarRects(w.Chart4, QColor(255, 121, 121));
  ASSERT_EQ(place.size(), 2u);
  ASSERT_EQ(quinella.size(), 2u);
  const QColor place_box(200, 200, 255), place_frame(0, 128, 255);
  const QColor quinella_box(255, 200, 200), quinella_frame(255, 0, 0);
  uitest::ExpectMarks(marks, {{"0.6", place[0], 45, place_box, place_frame, false},
                              {"1.5", quinella[0], 60, quinella_box, quinella_frame, true},
                              {"1.2", place[1], 45, place_box, place_frame, false},
                              {"12.3", quinella[1], 60, quinella_box, quinella_frame, true}});
}

TEST_F(AnalysisChartsTest, TheOddsTrendHasDottedTickLinesAndASilverMinorGrid) {
  viewer::TForm2& w = OpenHorseWindow();
  w.PageControl1.SetActivePageIndex(2);
  QValueAxis* left = LeftAxis(w.Chart3);
  ASSERT_NE(left, nullptr);
  auto silver = [&w] {
    uitest::LaidOut(w.Chart3);
    return uitest::CountPixels(uitest::Drawn(w.Chart3.widget()),
                               [](const QColor& c) { return c == QColor(192, 192, 192); });
  };
  for (const char* range : {"MAX:50(Default)", "MAX:250"}) {
    EXPECT_EQ(left->gridLinePen().style(), Qt::DotLine) << range;
    EXPECT_GT(left->minorTickCount(), 0) << range;
    EXPECT_TRUE(left->isMinorGridLineVisible()) << range;
    EXPECT_EQ(left->minorGridLinePen().color(), QColor(192, 192, 192)) << range;
    EXPECT_GT(silver(), 1000) << range;
    w.MAX2001Click();
  }
  // The other charts keep plain grids.
  EXPECT_EQ(LeftAxis(w.Chart1)->gridLinePen().style(), Qt::SolidLine);
  EXPECT_FALSE(LeftAxis(w.Chart1)->isMinorGridLineVisible());
}

TEST_F(AnalysisChartsTest, LineColoursMarkerSizesAndAxisFontsAsGiven) {
  viewer::TForm2& horse = OpenHorseWindow();
  form->Button5.Click();
  form->Button6.Click();
  ShowRace(VoteRace());
  // Circles 3 pixels across (Qt's marker size is the radius) and the ellipse 3 x 2.
  struct {
    const ui::Chart& chart;
    const char* title;
    double qt_size;
    bool ellipse;
  } markers[] = {
      {horse.Chart4, "複勝投票数", 3, true},
      {horse.Chart4, "単勝投票数", 1.5, false},
      {horse.Chart4, "馬連投票数", 1.5, false},
      {horse.Chart4, "枠連投票数", 1.5, false},
      {viewer::Form3->Chart1, "単勝", 1.5, false},
      {viewer::Form4->Chart1, "人気馬単勝", 1.5, false},
  };
  for (const auto& m : markers) {
    const std::vector<QLineSeries*> lines = LinesTitled(m.chart, m.title);
    ASSERT_FALSE(lines.empty()) << m.title;
    EXPECT_TRUE(lines[0]->pointsVisible()) << m.title;
    EXPECT_EQ(lines[0]->markerSize(), m.qt_size) << m.title;
    EXPECT_EQ(lines[0]->lightMarker().isNull(), !m.ellipse) << m.title;
  }
  const QImage ellipse = LinesTitled(horse.Chart4, "複勝投票数")[0]->lightMarker();
  EXPECT_EQ(ellipse.pixelColor(ellipse.width() / 2, ellipse.height() / 2), QColor(0, 128, 255));
  EXPECT_EQ(ellipse.pixelColor(ellipse.width() / 2, 0).alpha(), 0);  // lower than wide

  // The bracket window's "2人気-枠配当": a red line through points in (0, 128, 255).
  ui::Chart& chart1 = viewer::Form4->Chart1;
  const std::vector<QLineSeries*> second = LinesTitled(chart1, "2人気-枠配当");
  ASSERT_FALSE(second.empty());
  EXPECT_EQ(second[0]->color(), QColor(255, 0, 0));
  ASSERT_GT(second[0]->count(), 0);
  EXPECT_TRUE(second[0]->pointsVisible());
  for (int j = 0; j < second[0]->count(); ++j) {
    EXPECT_EQ(second[0]->pointConfiguration(j).value(QXYSeries::PointConfiguration::Color),
              QVariant(QColor(0, 128, 255)))
        << j;
  }
  // Its bottom axis labels in bold 11 pixels.
  const QFont labels = uitest::QtChart(chart1)->axes(Qt::Horizontal).at(0)->labelsFont();
  EXPECT_TRUE(labels.bold());
  EXPECT_EQ(labels.pixelSize(), 11);
  EXPECT_FALSE(
      uitest::QtChart(viewer::Form4->Chart2)->axes(Qt::Horizontal).at(0)->labelsFont().bold());
  // The per-horse change scores have no bottom axis line.
  EXPECT_FALSE(uitest::QtChart(horse.Chart2)->axes(Qt::Horizontal).at(0)->isLineVisible());
  EXPECT_TRUE(uitest::QtChart(horse.Chart1)->axes(Qt::Horizontal).at(0)->isLineVisible());
}

}  // namespace
