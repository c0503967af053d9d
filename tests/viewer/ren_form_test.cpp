// The quinella window TForm3 in-process, and what the buttons of the quinella and bracket
// windows share with "馬分析": opened from the main window after a race choice.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>

#include "tests/support/sjis_assert.h"
#include "tests/viewer/analysis_window.h"
#include "viewer/DispCTRLWindow.h"

namespace {

using viewer::State;
using viewertest::CellNumber;
using viewertest::FormatInt;
using viewertest::Printf;
using viewertest::WindowRace;

using QuinellaWindowTest = viewertest::AnalysisWindowTest;

// A window button of the main window with what it opens.
struct WindowCase {
  const char* name;
  ui::Button viewer::TForm1::*button;
  std::function<ui::Form*()> instance;
  uint8_t viewer::ViewerState::*open_flag;
  viewer::AnalysisHeader* header;
  const char* caption;  // the caption's first bytes after the header writes
  int width;
  int height;
};

class WindowButtonTest : public viewertest::AnalysisWindowTest,
                         public ::testing::WithParamInterface<WindowCase> {};

TEST_P(WindowButtonTest, OpensOnceAfterARaceChoiceAndAnewAfterItsClose) {
  const WindowCase& c = GetParam();
  Start();
  ui::Button& button = (*form).*c.button;
  button.Click();
  EXPECT_EQ(Texts(), std::vector<std::string>{viewer::kNoRaceChosenMessage});
  EXPECT_EQ(c.instance(), nullptr);
  messages.Clear();

  form->Track1.Click();
  form->Race11.Click();
  form->Track1.UncheckGroup();
  button.Click();
  EXPECT_EQ(c.instance(), nullptr);
  form->Track1.Click();
  form->Race11.Click();

  button.Click();
  ui::Form* first = c.instance();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->Visible());
  EXPECT_EQ(State.*c.open_flag, 1);
  EXPECT_EQ(c.header->window, first);
  EXPECT_SJIS_EQ(c.caption, first->Caption().substr(0, std::string(c.caption).size()));
  EXPECT_EQ(first->ClientWidth(), c.width);
  EXPECT_EQ(first->ClientHeight(), c.height);
  EXPECT_EQ(c.header->Edit[3]->Text(), "  14:01");

  first->Hide();
  button.Click();
  EXPECT_EQ(c.instance(), first);
  EXPECT_TRUE(first->Visible());

  first->Close();
  EXPECT_EQ(State.*c.open_flag, 0);
  FreeClosedWindows();
  EXPECT_EQ(c.instance(), nullptr);
  button.Click();
  ASSERT_NE(c.instance(), nullptr);
  EXPECT_EQ(State.*c.open_flag, 1);
  EXPECT_TRUE(Texts().empty());
}

INSTANTIATE_TEST_SUITE_P(
    , WindowButtonTest,
    ::testing::Values(WindowCase{"Quinella", &viewer::TForm1::Button5, [] { return viewer::Form3; },
                                 &viewer::ViewerState::QuinellaWindowOpen,
                                 &viewer::QuinellaWindowHeader, "馬連分析表        ", 1004, 547},
                      WindowCase{"Bracket", &viewer::TForm1::Button6, [] { return viewer::Form4; },
                                 &viewer::ViewerState::BracketWindowOpen,
                                 &viewer::BracketWindowHeader, "枠分析表          ", 623, 407}),
    [](const ::testing::TestParamInfo<WindowCase>& param) { return param.param.name; });

// The horse numbers of rows 1 to n and the matrix header over each.
std::vector<int> RowHorses(const viewer::TForm3& w, int n) {
  std::vector<int> horses;
  for (int row = 1; row <= n; ++row) horses.push_back(std::stoi(w.StringGrid1.Cell(5, row)));
  return horses;
}
std::vector<int> MatrixHeaders(const viewer::TForm3& w, int n) {
  std::vector<int> horses;
  for (int c = 1; c <= n; ++c) horses.push_back(std::stoi(w.StringGrid1.Cell(5 + c, 0)));
  return horses;
}

// Every pair cell of the shown order against the record: odds below the diagonal, the
// change of the share above it, "   +" on it.
void ExpectPairMatrix(const viewer::TForm3& w, const viewer::RaceOddsRecord& race, int n) {
  const std::vector<int> h = RowHorses(w, n);
  EXPECT_EQ(MatrixHeaders(w, n), h);
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) {
      const std::string& t = w.StringGrid1.Cell(5 + c, r);
      const int i = std::min(h[r - 1], h[c - 1]), j = std::max(h[r - 1], h[c - 1]);
      if (r == c) {
        EXPECT_EQ(t, "   +");
      } else if (r > c) {
        EXPECT_EQ(t, Printf("%7.1f", race.OddsQuinella(2, i, j))) << r << "," << c;
      } else {
        ASSERT_EQ(t.back(), '%') << r << "," << c;
        EXPECT_NEAR(CellNumber(t.substr(0, t.size() - 1)),
                    80.0 / race.OddsQuinella(2, i, j) - 80.0 / race.OddsQuinella(1, i, j), 0.0051);
      }
    }
  }
}

TEST_F(QuinellaWindowTest, TableTextsForFiveEightTenAndEighteenRunners) {
  viewer::TForm3& w = OpenQuinellaWindow();
  for (int n : {5, 8, 10, 18}) {
    SCOPED_TRACE(n);
    const viewer::RaceOddsRecord race = WindowRace(n);
    ShowRace(race);
    EXPECT_SJIS_EQ("オッズ", w.StringGrid1.Cell(1, 0));
    // By popularity: the win odds, lowest first.
    std::vector<int> order(static_cast<std::size_t>(n));
    std::iota(order.begin(), order.end(), 1);
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return race.OddsWin(2, a) < race.OddsWin(2, b); });
    EXPECT_EQ(RowHorses(w, n), order);
    const std::vector<int> brackets = viewertest::CardBrackets(n);
    for (int row = 1; row <= n; ++row) {
      const int k = order[static_cast<std::size_t>(row - 1)];
      EXPECT_EQ(w.StringGrid1.Cell(0, row), FormatInt("%2d", row));
      EXPECT_EQ(w.StringGrid1.Cell(1, row), Printf("%6.1f", race.OddsWin(2, k)));
      EXPECT_EQ(w.StringGrid1.Cell(2, row), FormatInt("%2d", row));  // shares follow the odds
      EXPECT_EQ(w.StringGrid1.Cell(3, row), Printf("%6.2f", race.QuinellaShare(2, k)));
      EXPECT_SJIS_EQ(viewertest::kFullWidthDigits[brackets[static_cast<std::size_t>(k - 1)]],
                     w.StringGrid1.Cell(4, row));
    }
    ExpectPairMatrix(w, race, n);
    // The matrix columns of horses above n keep their headers over blank cells.
    for (int c = n + 1; c <= 18; ++c) {
      EXPECT_EQ(w.StringGrid1.Cell(5 + c, 0), std::to_string(c));
      EXPECT_EQ(w.StringGrid1.Cell(5 + c, 1), " ");
    }
    if (n == 5) {
      EXPECT_SJIS_EQ("６", w.StringGrid1.Cell(4, 6));  // the list of 1 to 6 runners
    }
    EXPECT_EQ(w.SpeedButton1.FontColor(), ui::kRed);
  }
}

TEST_F(QuinellaWindowTest, SortKeysMoveTheMatrixColumnsWithTheirHorses) {
  viewer::TForm3& w = OpenQuinellaWindow();
  const viewer::RaceOddsRecord race = WindowRace(10);
  ShowRace(race);
  auto column = [&](int col) {
    std::vector<std::string> t;
    for (int row = 1; row <= 10; ++row) t.push_back(w.StringGrid1.Cell(col, row));
    return t;
  };
  w.SpeedButton2.Click();  // 馬連: share rank ascending
  std::vector<std::string> ranks = column(2);
  EXPECT_TRUE(std::is_sorted(ranks.begin(), ranks.end()));
  ExpectPairMatrix(w, race, 10);
  w.SpeedButton2.Click();  // again: descending
  ranks = column(2);
  EXPECT_TRUE(std::is_sorted(ranks.rbegin(), ranks.rend()));
  EXPECT_EQ(w.SpeedButton2.FontColor(), ui::kRed);
  EXPECT_EQ(w.SpeedButton1.FontColor(), ui::WindowTextColor());
  ExpectPairMatrix(w, race, 10);
  w.SpeedButton3.Click();  // 出馬: a new key starts ascending
  EXPECT_EQ(RowHorses(w, 10), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  ExpectPairMatrix(w, race, 10);

  // The charts follow the table's order: labels from the horse-number column, the pairs of
  // the first row's horse after one empty point.
  EXPECT_EQ(w.Chart1.Points(0).size(), 10u);
  EXPECT_EQ(w.Chart1.Points(0)[3].label, " 4");
  EXPECT_NEAR(w.Chart1.Points(1)[3].value, race.OddsWin(2, 4), 0.051);
  const ui::SeriesPoints& favourite = w.Chart1.Points(2);
  ASSERT_EQ(favourite.size(), 10u);
  EXPECT_TRUE(favourite[0].empty);
  EXPECT_NEAR(favourite[4].value, race.OddsQuinella(2, 1, 5), 0.051);
  EXPECT_TRUE(w.Chart1.Points(3)[1].empty);
  EXPECT_EQ(w.Chart2.Points(0)[0].value, 0);  // the first horse with itself
  EXPECT_NEAR(w.Chart2.Points(1)[4].value,
              80.0 / race.OddsQuinella(2, 2, 5) - 80.0 / race.OddsQuinella(1, 2, 5), 0.0051);
}

TEST_F(QuinellaWindowTest, ChartsOfOneAndTwoRunners) {
  viewer::TForm3& w = OpenQuinellaWindow();
  ShowRace(WindowRace(2));
  EXPECT_EQ(w.Chart1.Points(2).size(), 2u);  // the empty point, then the pair 1-2
  ASSERT_EQ(w.Chart1.Points(3).size(), 2u);  // the two empty points only
  EXPECT_TRUE(w.Chart1.Points(3)[0].empty && w.Chart1.Points(3)[1].empty);
  EXPECT_EQ(w.Chart2.Points(1).size(), 2u);
  EXPECT_TRUE(w.Chart2.Points(2).empty());  // no third row
  ShowRace(WindowRace(1));
  ASSERT_EQ(w.Chart1.Points(2).size(), 1u);
  EXPECT_TRUE(w.Chart1.Points(2)[0].empty);
  EXPECT_TRUE(w.Chart2.Points(1).empty());
}

TEST_F(QuinellaWindowTest, AMarkSetHereShowsInThePerHorseWindowAndReachesTheFile) {
  ChooseTokyo11();
  form->Button4.Click();
  form->Button5.Click();
  viewer::TForm3& w = *viewer::Form3;
  ShowRace(WindowRace(18));
  const int row = viewertest::RowOfHorse(w.StringGrid1, 5, 12, 18);
  w.StringGrid1.ClickCell(8, row, {true, false, false});  // Ctrl
  EXPECT_EQ(viewer::CurrentMarks.Marks[12], 2);
  EXPECT_EQ(w.StringGrid1DrawCell(5, row).brush, (ui::Color{255, 151, 194}));
  EXPECT_EQ(w.StringGrid1DrawCell(1, row).brush, (ui::Color{255, 151, 194}));
  EXPECT_NE(w.StringGrid1DrawCell(3, row).brush, (ui::Color{255, 151, 194}));
  const viewer::TForm2& horses = *viewer::Form2;
  const int horse_row = viewertest::RowOfHorse(horses.StringGrid1, 1, 12, 18);
  EXPECT_EQ(horses.StringGrid1DrawCell(2, horse_row).brush, (ui::Color{255, 151, 194}));
  // Alt on another horse, then the window closes: the file holds both.
  w.StringGrid1.ClickCell(8, viewertest::RowOfHorse(w.StringGrid1, 5, 3, 18), {false, true, false});
  w.Close();
  std::vector<int> marks(19, 0);
  marks[3] = 1;
  marks[12] = 2;
  EXPECT_EQ(base::ReadFileBytes(MarkFile()),
            viewertest::MarkFileBytes(viewertest::kTokyo11, marks));
}

TEST_F(QuinellaWindowTest, ARightClickOffersTheOddsScales) {
  viewer::TForm3& w = OpenQuinellaWindow();
  EXPECT_EQ(w.Chart1.ShownRange(ui::ChartAxis::kRight), (ui::AxisRange{0, 100}));
  w.Chart1.PressMouse(ui::MouseButton::kLeft, 30, 30);
  EXPECT_FALSE(w.PopupMenu1.Shown());
  w.Chart1.PressMouse(ui::MouseButton::kRight, 30, 30);
  ASSERT_TRUE(w.PopupMenu1.Shown());
  EXPECT_EQ((std::vector<std::string>{w.N501.Caption(), w.N1001.Caption(), w.N2001.Caption(),
                                      w.N4001.Caption()}),
            (std::vector<std::string>{"MAX:50", "MAX:100(Default)", "MAX:200", "MAX:500"}));
  w.N4001.Choose();
  EXPECT_EQ(w.Chart1.ShownRange(ui::ChartAxis::kRight), (ui::AxisRange{0, 500}));
  EXPECT_EQ(w.Chart1.ShownRange(ui::ChartAxis::kLeft), (ui::AxisRange{0, 50}));
  ShowRace(WindowRace(18));
  EXPECT_EQ(w.Chart1.ShownRange(ui::ChartAxis::kRight), (ui::AxisRange{0, 500}));
}

}  // namespace
