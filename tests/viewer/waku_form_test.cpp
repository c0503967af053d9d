// The bracket window TForm4 in-process: its table, sorts, colours and charts; and a race
// without runners in all three analysis windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "tests/support/sjis_assert.h"
#include "tests/viewer/analysis_window.h"

namespace {

using viewertest::CellNumber;
using viewertest::FormatInt;
using viewertest::Printf;
using viewertest::WindowRace;

using BracketWindowTest = viewertest::AnalysisWindowTest;

// The horses of each bracket 1 to 8 among n runners, as a race card groups them.
std::vector<std::vector<int>> BracketHorses(int n) {
  std::vector<std::vector<int>> horses(9);
  const std::vector<int> brackets = viewertest::CardBrackets(n);
  for (int k = 1; k <= n; ++k) horses[static_cast<std::size_t>(brackets[k - 1])].push_back(k);
  return horses;
}

std::vector<int> RowBrackets(const viewer::TForm4& w, int m) {
  std::vector<int> brackets;
  for (int row = 1; row <= m; ++row) brackets.push_back(std::stoi(w.StringGrid1.Cell(8, row)));
  return brackets;
}

// The same-bracket cell: the odds, or "   +" for 9999 and more, 0 and exactly 1.0.
std::string SameBracket(float odds) {
  return odds > 9998 || odds == 0 || odds == 1.0f ? "   +" : Printf("%7.1f", odds);
}

void ExpectBracketMatrix(const viewer::TForm4& w, const viewer::RaceOddsRecord& race, int m) {
  const std::vector<int> b = RowBrackets(w, m);
  for (int c = 1; c <= m; ++c) {
    EXPECT_SJIS_EQ(viewertest::kFullWidthDigits[b[c - 1]], w.StringGrid1.Cell(8 + c, 0));
  }
  for (int r = 1; r <= m; ++r) {
    for (int c = 1; c <= m; ++c) {
      const std::string& t = w.StringGrid1.Cell(8 + c, r);
      const int i = std::min(b[r - 1], b[c - 1]), j = std::max(b[r - 1], b[c - 1]);
      if (r == c) {
        EXPECT_EQ(t, SameBracket(race.OddsBracketQuinella(2, i, i)));
      } else if (r > c) {
        EXPECT_EQ(t, Printf("%7.1f", race.OddsBracketQuinella(2, i, j))) << r << "," << c;
      } else {
        ASSERT_EQ(t.back(), '%') << r << "," << c;
        EXPECT_NEAR(
            CellNumber(t.substr(0, t.size() - 1)),
            80.0 / race.OddsBracketQuinella(2, i, j) - 80.0 / race.OddsBracketQuinella(1, i, j),
            0.0051);
      }
    }
  }
}

TEST_F(BracketWindowTest, TableTextsForFiveEightTenAndEighteenRunners) {
  viewer::TForm4& w = OpenBracketWindow();
  for (int n : {5, 8, 10, 18}) {
    SCOPED_TRACE(n);
    viewer::RaceOddsRecord race = WindowRace(n);
    race.SetOddsBracketQuinella(2, 3, 3, 1.0f);
    race.SetOddsBracketQuinella(2, 4, 4, 1.5f);
    ShowRace(race);
    const int m = std::min(n, 8);
    const std::vector<std::vector<int>> horses = BracketHorses(n);
    // Each bracket's most popular horse: the lowest win odds.
    std::vector<int> favourite(9, 0);
    for (int b = 1; b <= m; ++b) {
      favourite[b] = *std::min_element(horses[b].begin(), horses[b].end(), [&](int x, int y) {
        return race.OddsWin(2, x) < race.OddsWin(2, y);
      });
    }
    // Rows by popularity: the favourites' odds, lowest first.
    std::vector<int> order(static_cast<std::size_t>(m));
    std::iota(order.begin(), order.end(), 1);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
      return race.OddsWin(2, favourite[a]) < race.OddsWin(2, favourite[b]);
    });
    EXPECT_EQ(RowBrackets(w, m), order);
    for (int row = 1; row <= m; ++row) {
      const int b = order[static_cast<std::size_t>(row - 1)];
      SCOPED_TRACE(b);
      EXPECT_EQ(w.StringGrid1.Cell(0, row), FormatInt("%2d", row));
      EXPECT_EQ(w.StringGrid1.Cell(1, row), FormatInt("%2d", favourite[b]));
      EXPECT_EQ(w.StringGrid1.Cell(2, row), Printf("%6.1f", race.OddsWin(2, favourite[b])));
      double sum = 0;
      for (int k : horses[b]) sum += race.QuinellaShare(2, k);
      EXPECT_NEAR(CellNumber(w.StringGrid1.Cell(4, row)), sum, 0.0051);
      const float share = n <= 8 ? race.QuinellaShare(2, b) : race.BracketQuinellaShare(2, b);
      EXPECT_EQ(w.StringGrid1.Cell(6, row), Printf("%6.2f", share));
      EXPECT_SJIS_EQ(viewertest::kFullWidthDigits[b], w.StringGrid1.Cell(7, row));
    }
    ExpectBracketMatrix(w, race, m);
    if (n == 5) {
      EXPECT_SJIS_EQ("６", w.StringGrid1.Cell(7, 6));  // the list of 1 to 6 runners
      EXPECT_EQ(w.StringGrid1.Cell(8, 6), " ");
      EXPECT_SJIS_EQ("８", w.StringGrid1.Cell(16, 0));  // headers kept over blank cells
      EXPECT_EQ(w.StringGrid1.Cell(16, 1), " ");
    }
    EXPECT_EQ(w.SpeedButton1.FontColor(), ui::kRed);
  }
}

TEST_F(BracketWindowTest, SortKeysMoveTheMatrixColumnsWithTheirBrackets) {
  viewer::TForm4& w = OpenBracketWindow();
  const viewer::RaceOddsRecord race = WindowRace(14);
  ShowRace(race);
  auto column = [&](int col) {
    std::vector<std::string> t;
    for (int row = 1; row <= 8; ++row) t.push_back(w.StringGrid1.Cell(col, row));
    return t;
  };
  for (auto [button, col] : {std::pair{&w.SpeedButton2, 3}, std::pair{&w.SpeedButton3, 5}}) {
    button->Click();
    std::vector<std::string> key = column(col);
    EXPECT_TRUE(std::is_sorted(key.begin(), key.end())) << col;
    EXPECT_EQ(button->FontColor(), ui::kRed);
    ExpectBracketMatrix(w, race, 8);
    button->Click();
    key = column(col);
    EXPECT_TRUE(std::is_sorted(key.rbegin(), key.rend())) << col;
    ExpectBracketMatrix(w, race, 8);
  }
  w.SpeedButton4.Click();  // 出馬: by bracket, ascending
  EXPECT_EQ(RowBrackets(w, 8), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(w.SpeedButton3.FontColor(), ui::WindowTextColor());
  // Chart1 in the table's order: the favourite's odds, then the pairs of row 1 after one
  // empty point and of row 2 after two.
  EXPECT_EQ(w.Chart1.Points(1)[2].label, " 3");
  EXPECT_TRUE(w.Chart1.Points(2)[0].empty);
  EXPECT_NEAR(w.Chart1.Points(2)[5].value, race.OddsBracketQuinella(2, 1, 6), 0.051);
  EXPECT_TRUE(w.Chart1.Points(3)[1].empty);
  EXPECT_NEAR(w.Chart1.Points(3)[5].value, race.OddsBracketQuinella(2, 2, 6), 0.051);
}

TEST_F(BracketWindowTest, TheShareTrendSkipsSnapshotsWithoutVotesAndClearsMissingBrackets) {
  viewer::TForm4& w = OpenBracketWindow();
  viewer::RaceOddsRecord race = WindowRace(18);
  race.SetSlotNumber(3, 3);  // a slot without win votes
  race.SetLabel(4, "21500");
  race.SetSlotNumber(4, 4);
  race.SetWinVoteTotal(4, 5);
  race.SetBracketQuinellaShare(4, 7, 33.5f);
  ShowRace(race);
  for (int b = 1; b <= 8; ++b) {
    std::vector<std::string> labels;
    for (const ui::ChartPoint& p : w.Chart2.Points(b - 1)) labels.push_back(p.label);
    EXPECT_EQ(labels, (std::vector<std::string>{"1", "2", "4"})) << b;
  }
  EXPECT_EQ(w.Chart2.Points(6)[2].value, 33.5f);
  EXPECT_EQ(w.Chart2.Points(6)[0].color, (ui::Color{255, 128, 0}));

  // Three runners: three brackets, the other series emptied.
  ShowRace(WindowRace(3));
  EXPECT_EQ(w.Chart2.Points(2).size(), 2u);
  for (int b = 4; b <= 8; ++b) EXPECT_TRUE(w.Chart2.Points(b - 1).empty()) << b;
  // Two rows: the second favourite's pairs are only their two empty points; one row: the
  // first's only its one.
  ShowRace(WindowRace(2));
  ASSERT_EQ(w.Chart1.Points(3).size(), 2u);
  EXPECT_TRUE(w.Chart1.Points(3)[1].empty);
  ShowRace(WindowRace(1));
  ASSERT_EQ(w.Chart1.Points(2).size(), 1u);
  EXPECT_TRUE(w.Chart1.Points(2)[0].empty);
}

TEST_F(BracketWindowTest, PairOddsOf22ArePaintedInTheQuinellaWindowOnly) {
  ChooseTokyo11();
  form->Button5.Click();
  form->Button6.Click();
  viewer::RaceOddsRecord race = WindowRace(10);
  race.SetOddsQuinella(2, 1, 2, 22.0f);
  race.SetOddsBracketQuinella(2, 1, 2, 22.0f);
  race.SetOddsBracketQuinella(2, 1, 3, 8.0f);
  ShowRace(race);
  viewer::TForm3& quinella = *viewer::Form3;
  viewer::TForm4& brackets = *viewer::Form4;
  quinella.SpeedButton3.Click();
  brackets.SpeedButton4.Click();
  ASSERT_EQ(quinella.StringGrid1.Cell(6, 2), "   22.0");
  ASSERT_EQ(brackets.StringGrid1.Cell(9, 2), "   22.0");
  EXPECT_EQ(quinella.StringGrid1DrawCell(6, 2).brush, (ui::Color{255, 213, 236}));
  EXPECT_EQ(brackets.StringGrid1DrawCell(9, 2).brush, ui::kWhite);
  EXPECT_EQ(brackets.StringGrid1DrawCell(9, 3).brush, (ui::Color{255, 151, 194}));
  // A fall of a pair's share is red; the bracket digits of the headers in their colours.
  ASSERT_NE(brackets.StringGrid1.Cell(10, 1).find('-'), std::string::npos);
  EXPECT_EQ(brackets.StringGrid1DrawCell(10, 1).font, ui::kRed);
  EXPECT_EQ(brackets.StringGrid1DrawCell(11, 0).brush, (ui::Color{253, 96, 91}));
}

using AnalysisWindowsTest = viewertest::AnalysisWindowTest;

TEST_F(AnalysisWindowsTest, ARaceWithoutRunnersOrPostTimeRebuildsAllThreeQuietly) {
  ChooseTokyo11();
  form->Button4.Click();
  form->Button5.Click();
  form->Button6.Click();
  viewer::RaceOddsRecord race = WindowRace(0);
  race.SetPostTime("--:--");
  ShowRace(race);
  ui::ProcessMessages();
  EXPECT_TRUE(Texts().empty()) << testsupport::Readable(Texts());
  EXPECT_SJIS_EQ("出走馬名", viewer::Form2->StringGrid1.Cell(2, 0));
  EXPECT_EQ(viewer::Form2->StringGrid1.Cell(1, 1), " ");
  EXPECT_FALSE(viewer::Form2->Timer1.Enabled());
  EXPECT_TRUE(viewer::Form2->Chart1.Points(0).empty());
  EXPECT_EQ(viewer::Form2->Chart4.Points(0).size(), 2u);  // the snapshots still show
  EXPECT_EQ(viewer::Form3->StringGrid1.Cell(5, 1), " ");
  EXPECT_EQ(viewer::Form3->Chart1.Points(2).size(), 1u);  // its one empty point
  EXPECT_EQ(viewer::Form4->StringGrid1.Cell(8, 1), " ");
}

}  // namespace
