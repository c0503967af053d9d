// The per-horse window TForm2 in-process: opened from the main window, its table, sorts,
// charts, range menu, marks, payoffs and countdown.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAccessibleTableInterface>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <numeric>

#include "base/csv.h"
#include "fetch/records/DayLines.h"
#include "tests/records/sample_records.h"
#include "tests/support/accessible.h"
#include "tests/support/sjis_assert.h"
#include "tests/viewer/analysis_window.h"
#include "ui/qt_text.h"
#include "viewer/DispCTRLWindow.h"

namespace {

using viewer::State;
using viewertest::CellNumber;
using viewertest::FormatInt;
using viewertest::Printf;
using viewertest::WindowRace;

using HorseWindowTest = viewertest::AnalysisWindowTest;

std::vector<std::string> Column(const viewer::TForm2& w, int col, int rows) {
  std::vector<std::string> texts;
  for (int row = 1; row <= rows; ++row) texts.push_back(w.StringGrid1.Cell(col, row));
  return texts;
}

std::vector<std::string> Labels(const ui::SeriesPoints& points) {
  std::vector<std::string> labels;
  for (const ui::ChartPoint& p : points) labels.push_back(p.label);
  return labels;
}

std::vector<double> Values(const ui::SeriesPoints& points) {
  std::vector<double> values;
  for (const ui::ChartPoint& p : points) values.push_back(p.value);
  return values;
}

TEST_F(HorseWindowTest, OpensFromTheMainWindowOnceAndAnewAfterItsClose) {
  Start();
  form->Button4.Click();
  EXPECT_EQ(Texts(), std::vector<std::string>{viewer::kNoRaceChosenMessage});
  EXPECT_EQ(viewer::Form2, nullptr);
  messages.Clear();

  // A race chosen, but no racecourse button checked: nothing happens.
  form->Track1.Click();
  form->Race11.Click();
  form->Track1.UncheckGroup();
  form->Button4.Click();
  EXPECT_EQ(viewer::Form2, nullptr);
  EXPECT_EQ(State.HorseWindowOpen, 0);

  form->Track1.Click();
  form->Race11.Click();
  form->Button4.Click();
  viewer::TForm2* first = viewer::Form2;
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->Visible());
  EXPECT_EQ(State.HorseWindowOpen, 1);
  EXPECT_EQ(viewer::HorseWindowHeader.window, first);
  EXPECT_EQ(first->ClientWidth(), 815);
  EXPECT_EQ(first->ClientHeight(), 552);
  EXPECT_SJIS_EQ("馬分析表          ", first->Caption().substr(0, 18));
  EXPECT_EQ(first->Edit2.Text(), "11R");
  EXPECT_EQ(first->Edit3.Text(), "  14:01");
  EXPECT_EQ(first->Edit4.Text(), "  10:01");
  EXPECT_EQ(first->Edit5.Text(), "15:40");
  // Filled at once and sorted by win rank (単勝 red), the first chart page in front.
  EXPECT_EQ(Column(*first, 1, 4), (std::vector<std::string>{" 1", " 2", " 3", " "}));
  EXPECT_EQ(Column(*first, 7, 3), (std::vector<std::string>{"   2.5", "   3.5", "   9.9"}));
  EXPECT_EQ(first->SpeedButton4.FontColor(), ui::kRed);
  EXPECT_EQ(first->SpeedButton1.FontColor(), ui::WindowTextColor());
  EXPECT_EQ(first->PageControl1.ActivePageIndex(), 0);
  EXPECT_FALSE(first->FirstBuild);

  // Pressed again while open: the same window comes up again.
  first->Hide();
  form->Button4.Click();
  EXPECT_EQ(viewer::Form2, first);
  EXPECT_TRUE(first->Visible());

  // Closed: the flag at once, the window itself from the message loop.
  first->Close();
  EXPECT_EQ(State.HorseWindowOpen, 0);
  EXPECT_FALSE(first->Visible());
  FreeClosedWindows();
  EXPECT_EQ(viewer::Form2, nullptr);
  EXPECT_EQ(viewer::HorseWindowHeader.window, nullptr);

  form->Button4.Click();
  ASSERT_NE(viewer::Form2, nullptr);
  EXPECT_EQ(State.HorseWindowOpen, 1);
  EXPECT_EQ(Column(*viewer::Form2, 1, 3), (std::vector<std::string>{" 1", " 2", " 3"}));
  EXPECT_TRUE(Texts().empty());
}

TEST_F(HorseWindowTest, TableTextsForNineSixteenAndEighteenRunners) {
  viewer::TForm2& w = OpenHorseWindow();
  for (int n : {9, 16, 18}) {
    SCOPED_TRACE(n);
    const viewer::RaceOddsRecord race = WindowRace(n);
    ShowRace(race);
    EXPECT_SJIS_EQ("枠", w.StringGrid1.Cell(0, 0));
    EXPECT_SJIS_EQ("着順", w.StringGrid1.Cell(18, 0));

    const std::vector<float> odds = viewertest::WinOddsAt(race, 2);
    const std::vector<double> shares = viewertest::ExpectedShares(odds);
    const std::vector<double> before = viewertest::ExpectedShares(viewertest::WinOddsAt(race, 1));
    // Rows in the order of the win odds, lowest first (win rank ascending).
    std::vector<int> order(static_cast<std::size_t>(n));
    std::iota(order.begin(), order.end(), 1);
    std::sort(order.begin(), order.end(), [&](int a, int b) { return odds[a - 1] < odds[b - 1]; });
    const std::vector<int> brackets = viewertest::CardBrackets(n);
    for (int row = 1; row <= n; ++row) {
      const int k = order[static_cast<std::size_t>(row - 1)];
      SCOPED_TRACE(k);
      auto cell = [&](int col) { return w.StringGrid1.Cell(col, row); };
      EXPECT_SJIS_EQ(viewertest::kFullWidthDigits[brackets[static_cast<std::size_t>(k - 1)]],
                     cell(0));
      EXPECT_EQ(cell(1), FormatInt("%2d", k));
      EXPECT_SJIS_EQ(viewertest::HorseName(k), cell(2));
      EXPECT_EQ(cell(6), FormatInt("%2d", row));
      EXPECT_EQ(cell(7), Printf("%6.1f", odds[k - 1]));
      EXPECT_NEAR(CellNumber(cell(8)), shares[k - 1], 0.0051);
      EXPECT_NEAR(CellNumber(cell(13)), shares[k - 1] - before[k - 1], 0.0101);
      EXPECT_NEAR(CellNumber(cell(5)), CellNumber(cell(4)) - CellNumber(cell(8)), 1e-9);
      EXPECT_SJIS_EQ("騎手" + std::string(viewertest::kFullWidthDigits[k % 10]), cell(15));
      EXPECT_SJIS_EQ(k % 2 ? "美" : "栗", cell(16));
      EXPECT_EQ(cell(18), " ");
    }
    for (int row = n + 1; row <= 18; ++row) EXPECT_EQ(w.StringGrid1.Cell(1, row), " ");
  }
}

TEST_F(HorseWindowTest, AScratchedHorseAndAHorseWithoutOdds) {
  viewer::TForm2& w = OpenHorseWindow();
  viewer::RaceOddsRecord race = WindowRace(18);
  race.SetOddsWin(2, 4, 10001);  // the odds text "0": scratched
  race.SetOddsWin(2, 9, 0);      // no odds at the second time
  ShowRace(race);
  // Both have almost no votes: horse 9 (counted as odds 9999) is 17th, horse 4 last.
  const int row9 = viewertest::RowOfHorse(w.StringGrid1, 1, 9, 18);
  const int row4 = viewertest::RowOfHorse(w.StringGrid1, 1, 4, 18);
  EXPECT_EQ(row9, 17);
  EXPECT_EQ(row4, 18);
  EXPECT_EQ(w.StringGrid1.Cell(7, row9), "   0.0");
  EXPECT_SJIS_EQ("トリケシ", w.StringGrid1.Cell(15, row9));
  for (int col : {12, 13, 14}) EXPECT_EQ(w.StringGrid1.Cell(col, row9), "     0");
  for (int col : {4, 5, 7, 8, 9, 11, 12, 13, 14}) {
    EXPECT_SJIS_EQ(" ﾄﾘｹｼ", w.StringGrid1.Cell(col, row4)) << col;
  }
  EXPECT_SJIS_EQ("騎手４", w.StringGrid1.Cell(15, row4));
  // Drawn grey where the jockey is, the win odds of 0 grey too; the scratched cells plain.
  EXPECT_EQ(w.StringGrid1DrawCell(15, row9).brush, (ui::Color{233, 233, 233}));
  EXPECT_EQ(w.StringGrid1DrawCell(7, row9).brush, (ui::Color{233, 233, 233}));
  EXPECT_EQ(w.StringGrid1DrawCell(8, row4).brush, ui::kWhite);
  // The other horses' shares count horse 9 as odds 9999.
  const std::vector<double> shares = viewertest::ExpectedShares(viewertest::WinOddsAt(race, 2));
  const int row1 = viewertest::RowOfHorse(w.StringGrid1, 1, 1, 18);
  EXPECT_NEAR(CellNumber(w.StringGrid1.Cell(8, row1)), shares[0], 0.0051);
  // A scratched row gives 0 in Chart1.
  EXPECT_EQ(w.Chart1.Points(0)[static_cast<std::size_t>(row4 - 1)].value, 0);
}

TEST_F(HorseWindowTest, SortKeysReorderTheRowsAndTheChartsThatFollowThem) {
  viewer::TForm2& w = OpenHorseWindow();
  viewer::RaceOddsRecord race = WindowRace(10);
  race.SetFinishOrder(7, 1);
  race.SetFinishOrder(2, 2);
  race.SetFinishOrder(9, 3);
  ShowRace(race);
  auto numbers = [&](int col) {
    std::vector<double> v;
    for (const std::string& t : Column(w, col, 10)) v.push_back(CellNumber(t));
    return v;
  };

  // 単勝 over column 13 (win change): largest rise first, then reversed.
  w.SpeedButton8.Click();
  std::vector<double> change = numbers(13);
  EXPECT_TRUE(std::is_sorted(change.rbegin(), change.rend()));
  EXPECT_EQ(w.SpeedButton8.FontColor(), ui::kRed);
  EXPECT_EQ(w.SpeedButton4.FontColor(), ui::WindowTextColor());
  w.SpeedButton8.Click();
  change = numbers(13);
  EXPECT_TRUE(std::is_sorted(change.begin(), change.end()));

  // Chart1 and Chart2 stand in the table's order, labelled with the horse numbers; Chart3
  // keeps horse-number order.
  EXPECT_EQ(Labels(w.Chart1.Points(0)), Column(w, 1, 10));
  EXPECT_EQ(Values(w.Chart1.Points(1)), numbers(8));
  EXPECT_EQ(Labels(w.Chart2.Points(1)), Column(w, 1, 10));
  const std::vector<double> win_change = numbers(13);
  const auto top = std::max_element(win_change.begin(), win_change.end()) - win_change.begin();
  EXPECT_EQ(w.Chart2.Points(1)[static_cast<std::size_t>(top)].value, 3);
  for (int k = 1; k <= 10; ++k) {
    const ui::SeriesPoints& trend = w.Chart3.Points(k - 1);
    ASSERT_EQ(trend.size(), 2u);
    EXPECT_FLOAT_EQ(trend[1].value, viewertest::WinOdds(10, k, 2));
  }
  EXPECT_TRUE(w.Chart3.Points(10).empty());

  // 出馬: horse number ascending.
  w.SpeedButton1.Click();
  EXPECT_EQ(Column(w, 1, 10),
            (std::vector<std::string>{" 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", " 9", "10"}));
  EXPECT_EQ(Labels(w.Chart1.Points(2)), Column(w, 1, 10));
  // 結果: the first three finishers first, on the result colours; no result after them.
  w.SpeedButton11.Click();
  EXPECT_EQ(Column(w, 1, 3), (std::vector<std::string>{" 7", " 2", " 9"}));
  EXPECT_EQ(Column(w, 18, 4), (std::vector<std::string>{"  1", "  2", "  3", " "}));
  EXPECT_EQ(w.StringGrid1DrawCell(18, 1).brush, (ui::Color{255, 81, 146}));
  EXPECT_EQ(w.SpeedButton11.FontColor(), ui::kRed);
  EXPECT_EQ(w.SpeedButton1.FontColor(), ui::WindowTextColor());

  // A rebuild keeps the chosen key and direction.
  ShowRace(race);
  EXPECT_EQ(Column(w, 1, 3), (std::vector<std::string>{" 7", " 2", " 9"}));
}

TEST_F(HorseWindowTest, SnapshotChartsShowTheFilledSnapshotsSideBySide) {
  viewer::TForm2& w = OpenHorseWindow();
  viewer::RaceOddsRecord race = WindowRace(9);
  race.SetLabel(4, "21500");
  race.SetSlotNumber(4, 4);
  race.SetWinVoteTotal(4, 0);  // no win votes: the ratios show 0
  race.SetPlaceVoteTotal(4, 7);
  for (int k = 1; k <= 9; ++k) race.SetOddsWin(4, k, 40.0f + k);
  ShowRace(race, 1, 4);
  EXPECT_EQ(w.Chart4.BottomLabels(), (std::vector<std::string>{"1", "2", "4"}));
  EXPECT_EQ(Values(w.Chart4.Points(0)), (std::vector<double>{0.6, 0.6, 0.0}));
  EXPECT_EQ(Values(w.Chart4.Points(2)), (std::vector<double>{600000, 1200000, 7}));
  EXPECT_EQ(Labels(w.Chart3.Points(8)), (std::vector<std::string>{"1", "2", "4"}));
  EXPECT_EQ(w.Chart3.Points(8)[2].value, 49.0);
  // Horses 8 and 9 share bracket 8's magenta.
  EXPECT_EQ(w.Chart3.Points(7)[0].color, (ui::Color{255, 0, 255}));
  EXPECT_EQ(w.Chart3.Points(8)[0].color, (ui::Color{255, 0, 255}));
  EXPECT_EQ(w.Chart3.Points(0)[0].color, ui::kWhite);
}

TEST_F(HorseWindowTest, ARightClickOnTheOddsTrendOffersItsRanges) {
  viewer::TForm2& w = OpenHorseWindow();
  EXPECT_EQ(w.Chart3.GetAxisScale(ui::ChartAxis::kLeft), ui::AxisScale::Fixed(0, 50, 10));
  w.Chart3.PressMouse(ui::MouseButton::kLeft, 20, 20);
  EXPECT_FALSE(w.PopupMenu1.Shown());
  w.Chart3.PressMouse(ui::MouseButton::kRight, 20, 20);
  ASSERT_TRUE(w.PopupMenu1.Shown());
  EXPECT_EQ((std::vector<std::string>{w.MAX251.Caption(), w.MAX50Default1.Caption(),
                                      w.MAX1001.Caption(), w.MAX2001.Caption()}),
            (std::vector<std::string>{"MAX:25", "MAX:50(Default)", "MAX:100", "MAX:250"}));
  w.MAX2001.Choose();
  EXPECT_EQ(w.Chart3.GetAxisScale(ui::ChartAxis::kLeft), ui::AxisScale::Fixed(0, 250, 10));
  EXPECT_EQ(w.Chart3.ShownRange(ui::ChartAxis::kLeft), (ui::AxisRange{0, 250}));
  // The range holds through a rebuild.
  ShowRace(WindowRace(18));
  EXPECT_EQ(w.Chart3.ShownRange(ui::ChartAxis::kLeft), (ui::AxisRange{0, 250}));
  w.Chart3.PressMouse(ui::MouseButton::kRight, 20, 20);
  w.MAX251.Choose();
  EXPECT_EQ(w.Chart3.ShownRange(ui::ChartAxis::kLeft), (ui::AxisRange{0, 25}));
}

TEST_F(HorseWindowTest, MarksSetByClicksReachTheRacesFileAndComeBackWithIt) {
  viewer::TForm2& w = OpenHorseWindow();
  ShowRace(WindowRace(18));
  w.SpeedButton4.Click();  // win rank descending: horse numbers away from their rows
  auto click = [&](int horse, ui::KeyModifiers keys) {
    w.StringGrid1.ClickCell(2, viewertest::RowOfHorse(w.StringGrid1, 1, horse, 18), keys);
  };
  click(5, {});
  click(6, {true, false, false});
  click(7, {false, true, false});
  click(8, {true, true, false});  // Alt wins over Ctrl
  click(9, {});
  click(9, {true, false, false});  // any click clears a mark
  EXPECT_EQ(viewer::CurrentMarks.Marks[5], 3);
  EXPECT_EQ(viewer::CurrentMarks.Marks[6], 2);
  EXPECT_EQ(viewer::CurrentMarks.Marks[7], 1);
  EXPECT_EQ(viewer::CurrentMarks.Marks[8], 1);
  EXPECT_EQ(viewer::CurrentMarks.Marks[9], 0);
  const int row5 = viewertest::RowOfHorse(w.StringGrid1, 1, 5, 18);
  EXPECT_EQ(w.StringGrid1DrawCell(2, row5).brush, (ui::Color{255, 213, 236}));
  // A click below the last runner changes nothing.
  ShowRace(WindowRace(9));
  const viewer::HorseMarks before = viewer::CurrentMarks.Marks;
  w.StringGrid1.ClickCell(2, 12);
  EXPECT_EQ(viewer::CurrentMarks.Marks, before);

  // Another race's rebuild writes them, under the race's own day.
  ShowRace(WindowRace(18, viewertest::kTokyo10));
  const std::vector<int> marks = {1, 0, 0, 0, 0, 3, 2, 1, 1};
  EXPECT_EQ(base::ReadFileBytes(MarkFile()),
            viewertest::MarkFileBytes(viewertest::kTokyo11, marks));
  EXPECT_EQ(viewer::CurrentMarks.Marks[5], 0);  // race 10 has none
  EXPECT_EQ(w.StringGrid1DrawCell(2, viewertest::RowOfHorse(w.StringGrid1, 1, 5, 18)).brush,
            ui::kWhite);

  // Back to race 11: its marks again, on its rows.
  ShowRace(WindowRace(18));
  EXPECT_EQ(viewer::CurrentMarks.Marks[6], 2);
  const int row6 = viewertest::RowOfHorse(w.StringGrid1, 1, 6, 18);
  EXPECT_EQ(w.StringGrid1DrawCell(1, row6).brush, (ui::Color{255, 151, 194}));
  EXPECT_EQ(w.StringGrid1DrawCell(17, row6).brush, (ui::Color{255, 151, 194}));
}

TEST_F(HorseWindowTest, MarksAreWrittenWhenTheWindowClosesAndWhenTheViewerEnds) {
  viewer::TForm2& w = OpenHorseWindow();
  w.StringGrid1.ClickCell(2, 2);  // the second row: horse 2
  // The opening's later rebuilds wrote the race's marks as they were then: none.
  EXPECT_EQ(base::ReadFileBytes(MarkFile()), viewertest::MarkFileBytes(viewertest::kTokyo11, {}));
  w.Close();
  EXPECT_EQ(base::ReadFileBytes(MarkFile()),
            viewertest::MarkFileBytes(viewertest::kTokyo11, {1, 0, 3}));

  form->Button4.Click();
  viewer::Form2->StringGrid1.ClickCell(2, 3, {true, false, false});  // horse 3
  viewer::DestroyAnalysisWindows();
  form.reset();  // the viewer ends
  EXPECT_EQ(base::ReadFileBytes(MarkFile()),
            viewertest::MarkFileBytes(viewertest::kTokyo11, {1, 0, 3, 2}));
}

// A folder in place of the mark file holds no marks: it is set aside once, as a damaged
// record file is, and the race's marks are made anew.
TEST_F(HorseWindowTest, AFolderInPlaceOfTheMarkFileIsSetAsideOnceAndMadeAnew) {
  base::MakeDirs(MarkFile() + "/inside");
  viewer::TForm2& w = OpenHorseWindow();
  ui::ProcessMessages();
  ASSERT_EQ(Texts().size(), 1u) << testsupport::Readable(Texts());
  EXPECT_EQ(Texts()[0], "\"" + MarkFile() + "\" is not a file. It is kept as \"" + MarkFile() +
                            ".damaged\", and the race shows no marks.");
  EXPECT_TRUE(base::DirExists(MarkFile() + ".damaged/inside"));
  w.StringGrid1.ClickCell(2, 2);  // horse 2
  ShowRace(WindowRace(18, viewertest::kTokyo10));
  ShowRace(WindowRace(18));
  ui::ProcessMessages();
  EXPECT_EQ(Texts().size(), 1u) << testsupport::Readable(Texts());
  EXPECT_EQ(base::ReadFileBytes(MarkFile()),
            viewertest::MarkFileBytes(viewertest::kTokyo11, {1, 0, 3}));
  EXPECT_EQ(viewer::CurrentMarks.Marks[2], 3);
}

// Only a mark file that is not there is missing: one behind a link that cannot be followed
// is told, the race shows no marks, and no save writes over it.
TEST_F(HorseWindowTest, AMarkFileThatCannotBeLookedAtIsToldAndNotWrittenOver) {
  base::MakeDirs(WorkDay());
  std::filesystem::create_symlink(MarkFile(), MarkFile());
  viewer::TForm2& w = OpenHorseWindow();
  ui::ProcessMessages();
  ASSERT_EQ(Texts().size(), 1u) << testsupport::Readable(Texts());
  EXPECT_NE(Texts()[0].find("\"" + MarkFile() + "\""), std::string::npos) << Texts()[0];
  EXPECT_NE(Texts()[0].find(std::strerror(ELOOP)), std::string::npos) << Texts()[0];
  EXPECT_EQ(viewer::CurrentMarks.Marks, (viewer::HorseMarks{1}));  // entry 0 only
  w.StringGrid1.ClickCell(2, 2);
  ShowRace(WindowRace(18, viewertest::kTokyo10));
  EXPECT_TRUE(std::filesystem::is_symlink(MarkFile()));
}

TEST_F(HorseWindowTest, PayoffsFromTheDaysPayoffFileReplaceTheOtherTexts) {
  viewer::TForm2& w = OpenHorseWindow();
  EXPECT_EQ(w.Memo1.Lines().at(1), "【この欄の表示内容】");
  const records::LineResult payoff =
      records::FormatPayoffLine(samples::PayoffRecord().Set(12, viewertest::kTokyo11));
  ASSERT_TRUE(payoff.ok()) << payoff.error;
  testsupport::WriteFile(Day() + "/DH240601.CSV",
                         viewertest::Lines({"2024060105020401,x", payoff.line}));
  base::SetClock([] { return base::DateTime{{2024, 6, 1}, 16, 0, 0}; });  // after post time
  ShowRace(WindowRace(18));

  // The expected entries straight from the file's fields.
  const std::vector<std::string> f = base::SplitCsvLine(payoff.line);
  auto yen = [](const std::string& amount) {
    std::string digits = std::to_string(std::stoll(amount));
    for (int p = static_cast<int>(digits.size()) - 3; p > 0; p -= 3) digits.insert(p, ",");
    return "￥" + digits;
  };
  ASSERT_EQ(w.Memo1.Lines().size(), 8u);
  EXPECT_SJIS_EQ("[単] " + f[7] + ":" + yen(f[8]) + " ", w.Memo1.Lines()[0]);
  EXPECT_SJIS_EQ("[枠] " + f[23] + ":" + yen(f[24]) + " ", w.Memo1.Lines()[2]);
  EXPECT_EQ(w.Memo1.Lines()[7].rfind("[３単] " + f[67] + ":" + yen(f[68]), 0), 0u);
  EXPECT_EQ(w.Memo1.FontColor(), ui::kBlue);
  EXPECT_EQ(w.Memo1.FontSize(), 10);
  EXPECT_FALSE(w.Timer1.Enabled());
}

TEST_F(HorseWindowTest, CountdownToPostTimeUnderASetClock) {
  viewer::TForm2& w = OpenHorseWindow();  // 12:00: no countdown
  EXPECT_FALSE(w.Timer1.Enabled());
  auto at = [](int h, int m, int s) {
    base::SetClock([=] { return base::DateTime{{2024, 6, 1}, h, m, s}; });
  };
  auto rebuild = [&] { ShowRace(WindowRace(18)); };

  at(14, 40, 0);  // one hour before post time exactly
  rebuild();
  EXPECT_FALSE(w.Timer1.Enabled());
  at(14, 40, 1);
  rebuild();
  EXPECT_TRUE(w.Timer1.Enabled());
  EXPECT_EQ(w.Timer1.Interval(), 1000);

  at(15, 35, 10);
  w.Timer1.Tick();
  ASSERT_EQ(w.Memo1.Lines().size(), 5u);
  EXPECT_SJIS_EQ("発走時間まで4分50秒です", w.Memo1.Lines()[3]);
  EXPECT_EQ(w.Memo1.Lines()[1], "2024/06/01 15:35:10");
  EXPECT_EQ(w.Memo1.FontSize(), 15);
  at(15, 40, 0);
  w.Timer1.Tick();
  EXPECT_SJIS_EQ("発走時間まで0分0秒です", w.Memo1.Lines()[3]);
  at(15, 40, 1);
  w.Timer1.Tick();
  EXPECT_EQ(w.Memo1.Lines(), (std::vector<std::string>{"　", "発走時間が過ぎました。", "　",
                                                       "投票は締め切られています"}));
  EXPECT_EQ(w.Memo1.FontSize(), 12);
  EXPECT_EQ(w.Memo1.FontColor(), ui::kRed);
  EXPECT_FALSE(w.Timer1.Enabled());

  // A rebuild after post time: the red text in 10 points, no timer; another day: neither.
  rebuild();
  EXPECT_SJIS_EQ("発走時間が過ぎました。", w.Memo1.Lines().at(1));
  EXPECT_EQ(w.Memo1.FontSize(), 10);
  base::SetClock([] { return base::DateTime{{2024, 6, 2}, 15, 35, 0}; });
  rebuild();
  EXPECT_SJIS_EQ("【この欄の表示内容】", w.Memo1.Lines().at(1));
  EXPECT_FALSE(w.Timer1.Enabled());
}

TEST_F(HorseWindowTest, AFailedFileOperationIsToldOnceAndTheWindowStaysUsable) {
  viewer::TForm2& w = OpenHorseWindow();
  w.StringGrid1.ClickCell(2, 1);
  // The mark file's place is taken by a folder: it cannot be written.
  std::filesystem::remove(MarkFile());
  base::MakeDirs(MarkFile());
  // A payoff line whose amount is no number.
  std::vector<std::string> f(80, "1");
  f[0] = viewertest::kTokyo11;
  f[8] = "x";
  std::string line;
  for (const std::string& field : f) line += (line.empty() ? "" : ",") + field;
  testsupport::WriteFile(Day() + "/DH240601.CSV", viewertest::Lines({line}));

  viewer::CheckTime1Button(2);  // a header change: rebuilds up to four times
  ui::ProcessMessages();
  // The failed write of the marks, then the folder set aside when they are read back.
  ASSERT_EQ(messages.messages().size(), 3u) << testsupport::Readable(Texts());
  EXPECT_NE(Texts()[0].find(MarkFile()), std::string::npos);
  EXPECT_NE(Texts()[1].find("\"" + MarkFile() + ".damaged\""), std::string::npos);
  EXPECT_NE(Texts()[2].find("DH240601.CSV"), std::string::npos);
  // The rebuild went on: table, memo and charts are there, the window answers.
  EXPECT_EQ(Column(w, 1, 3), (std::vector<std::string>{" 1", " 2", " 3"}));
  EXPECT_EQ(w.Chart1.Points(0).size(), 3u);
  EXPECT_SJIS_EQ("【この欄の表示内容】", w.Memo1.Lines().at(1));
  w.SpeedButton1.Click();
  EXPECT_EQ(w.SpeedButton1.FontColor(), ui::kRed);
}

// A damaged payoff line is told with its file and line once; the odds-time choices after it
// rebuild the window without telling it again, until the file changes.
TEST_F(HorseWindowTest, APayoffFailureIsToldOnceWithItsLine) {
  std::vector<std::string> f(80, "1");
  f[0] = viewertest::kTokyo11;
  f[10] = "nan";
  std::string line;
  for (const std::string& field : f) line += (line.empty() ? "" : ",") + field;
  const std::string payoffs = Day() + "/DH240601.CSV";
  testsupport::WriteFile(payoffs, viewertest::Lines({"2024060105020401,x", line}));
  viewer::TForm2& w = OpenHorseWindow();
  ui::ProcessMessages();
  ASSERT_EQ(Texts().size(), 1u) << testsupport::Readable(Texts());
  EXPECT_EQ(Texts()[0], "'nan' is not a valid floating point value (" + payoffs + " line 2)");

  for (int t : {2, 3, 1}) {
    viewer::CheckTime1Button(t);
    ui::ProcessMessages();
  }
  const std::string second_time = w.Edit3.Text();
  viewer::CheckTime2Button(4);
  ui::ProcessMessages();
  EXPECT_EQ(Texts().size(), 1u) << testsupport::Readable(Texts());
  EXPECT_NE(w.Edit3.Text(), second_time);  // the rebuilds went on

  // A new state of the file (a fetch wrote it again, still damaged) is told once more.
  std::filesystem::last_write_time(
      payoffs, std::filesystem::last_write_time(payoffs) - std::chrono::hours(1));
  viewer::CheckTime1Button(2);
  ui::ProcessMessages();
  EXPECT_EQ(Texts().size(), 2u) << testsupport::Readable(Texts());
}

TEST_F(HorseWindowTest, AMarkFileShorterThanARecordIsKeptAndNeverWrittenOver) {
  base::MakeDirs(WorkDay());
  testsupport::WriteFile(MarkFile(), "short");
  viewer::TForm2& w = OpenHorseWindow();
  ui::ProcessMessages();
  ASSERT_EQ(messages.messages().size(), 1u) << testsupport::Readable(Texts());
  EXPECT_NE(Texts()[0].find("\"" + MarkFile() + ".damaged\""), std::string::npos) << Texts()[0];
  EXPECT_EQ(base::ReadFileBytes(MarkFile() + ".damaged"), "short");
  EXPECT_EQ(viewer::CurrentMarks.Marks, viewer::HorseMarks{1});  // no marks

  // The race's marks reach a new file; the kept one stays as it was.
  w.StringGrid1.ClickCell(2, viewertest::RowOfHorse(w.StringGrid1, 1, 2, 3));
  ShowRace(WindowRace(3, viewertest::kTokyo10));
  EXPECT_EQ(base::ReadFileBytes(MarkFile()),
            viewertest::MarkFileBytes(viewertest::kTokyo11, {1, 0, 3}));
  EXPECT_EQ(base::ReadFileBytes(MarkFile() + ".damaged"), "short");
  ui::ProcessMessages();
  EXPECT_EQ(messages.messages().size(), 1u) << testsupport::Readable(Texts());
}

TEST_F(HorseWindowTest, TheTableIsReadableThroughTheAccessibleInterface) {
  viewer::TForm2& w = OpenHorseWindow();
  QAccessibleInterface* table = testsupport::AccessibleOf(w.StringGrid1);
  ASSERT_NE(table, nullptr);
  ASSERT_NE(table->tableInterface(), nullptr);
  QAccessibleInterface* name = table->tableInterface()->cellAt(1, 2);
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(ui::internal::ToSjis(name->text(QAccessible::Name)), w.StringGrid1.Cell(2, 1));
}

}  // namespace
