// The three analysis windows on a race whose record file holds values a table cannot be
// built from: each window's rebuild stands alone, so an error in one is told once and the
// other windows still show the chosen race; a window whose table failed shows an empty
// table that its buttons accept.
#include <gtest/gtest.h>

#include <limits>

#include "base/files.h"
#include "tests/support/sjis_assert.h"
#include "tests/viewer/analysis_window.h"
#include "viewer/logic/HorseTable.h"

namespace {

using viewertest::Printf;
using viewertest::WindowRace;

class AnalysisRebuildTest : public viewertest::AnalysisWindowTest {
 protected:
  // Race 10's record file: its one odds announcement lies before the first slot time, so a
  // race choice keeps the snapshots 1 (13:00) and 2 (14:00) stored here and shows them.
  void StoreRace10(const viewer::RaceOddsRecord& record) {
    base::MakeDirs(WorkDay());
    testsupport::WriteFile(RecordFile("05020410"), record.bytes());
  }
  // Race 10 with a place odds at the second time that is no number, as only a damaged
  // record file holds: the per-horse table cannot be built from it; the other windows do not
  // read place odds and show the race.
  static viewer::RaceOddsRecord Race10WithPlaceOddsThatAreNoNumber() {
    viewer::RaceOddsRecord race = WindowRace(3, viewertest::kTokyo10);
    race.SetOddsPlace(2, 1, std::numeric_limits<float>::quiet_NaN());
    return race;
  }
  void OpenAllWindows() {
    form->Button4.Click();
    form->Button5.Click();
    form->Button6.Click();
    ui::ProcessMessages();
  }

  // The win odds of race 10 at its second time as the quinella and bracket tables show
  // them, by popularity.
  static std::vector<std::string> Race10WinOdds() {
    std::vector<float> odds = viewertest::WinOddsAt(WindowRace(3, viewertest::kTokyo10), 2);
    std::sort(odds.begin(), odds.end());
    std::vector<std::string> texts;
    for (float o : odds) texts.push_back(Printf("%6.1f", o));
    return texts;
  }
  template <class Window>
  static std::vector<std::string> Column(const Window& w, int col, int rows) {
    std::vector<std::string> texts;
    for (int row = 1; row <= rows; ++row) texts.push_back(w.StringGrid1.Cell(col, row));
    return texts;
  }
  // Every data row of the per-horse table blank, the header row in place.
  static void ExpectEmptyHorseTable(const viewer::TForm2& w) {
    EXPECT_SJIS_EQ("馬", w.StringGrid1.Cell(1, 0));
    for (int row = 1; row < viewer::kHorseTableRows; ++row) {
      for (int col = 0; col < viewer::kHorseTableColumns; ++col) {
        EXPECT_EQ(w.StringGrid1.Cell(col, row), " ") << col << "," << row;
      }
    }
    EXPECT_TRUE(w.Chart1.Points(0).empty());
    EXPECT_TRUE(w.Chart3.Points(0).empty());
  }
  // Every button of the per-horse window: the sort keys, a row's mark, the range menu.
  static void PressEveryButton(viewer::TForm2& w) {
    for (ui::SpeedButton* b : {&w.SpeedButton1, &w.SpeedButton2, &w.SpeedButton3, &w.SpeedButton4,
                               &w.SpeedButton5, &w.SpeedButton6, &w.SpeedButton7, &w.SpeedButton8,
                               &w.SpeedButton9, &w.SpeedButton11, &w.SpeedButton4}) {
      b->Click();
    }
    w.StringGrid1.ClickCell(2, 1);
    w.Chart3.PressMouse(ui::MouseButton::kRight, 30, 30);
    w.MAX2001.Choose();
    ui::ProcessMessages();
  }
  // The one box of a failed per-horse table for race 10.
  void ExpectOneFailureOfTheHorseTable() {
    ASSERT_EQ(messages.messages().size(), 1u) << testsupport::Readable(Texts());
    EXPECT_EQ(messages.messages()[0].kind, ui::MessageKind::kError);
    EXPECT_EQ(Texts()[0].rfind(std::string("馬分析表 ") + viewertest::kTokyo10 + ": ", 0), 0u)
        << testsupport::Readable(Texts());
  }
};

TEST_F(AnalysisRebuildTest, AnErrorInOneWindowLeavesTheOthersOnTheChosenRace) {
  StoreRace10(Race10WithPlaceOddsThatAreNoNumber());
  ChooseTokyo11();
  OpenAllWindows();
  ASSERT_TRUE(Texts().empty()) << testsupport::Readable(Texts());

  form->Race10.Click();
  ui::ProcessMessages();
  ExpectOneFailureOfTheHorseTable();
  // The quinella and bracket windows show race 10, header and table.
  for (viewer::AnalysisForm* w :
       std::initializer_list<viewer::AnalysisForm*>{viewer::Form3, viewer::Form4}) {
    const viewer::AnalysisHeader& h = *w->kind().header;
    EXPECT_EQ(h.Edit[2]->Text(), "10R");
    EXPECT_EQ(h.Edit[3]->Text(), "  14:00");
    EXPECT_EQ(h.Edit[4]->Text(), "  13:00");
  }
  EXPECT_EQ(Column(*viewer::Form3, 1, 3), Race10WinOdds());
  EXPECT_EQ(Column(*viewer::Form4, 2, 3), Race10WinOdds());
  // The per-horse window has its header and memo for race 10 and an empty table.
  viewer::TForm2& horse = *viewer::Form2;
  EXPECT_EQ(horse.Edit2.Text(), "10R");
  EXPECT_EQ(horse.Edit3.Text(), "  14:00");
  EXPECT_EQ(horse.Edit4.Text(), "  13:00");
  EXPECT_EQ(horse.Edit5.Text(), "15:40");
  ExpectEmptyHorseTable(horse);

  // Race 11 again: every window shows it, without a word.
  messages.Clear();
  form->Race11.Click();
  ui::ProcessMessages();
  EXPECT_TRUE(Texts().empty()) << testsupport::Readable(Texts());
  EXPECT_EQ(Column(horse, 7, 3), (std::vector<std::string>{"   2.5", "   3.5", "   9.9"}));
  EXPECT_EQ(Column(*viewer::Form3, 1, 3), (std::vector<std::string>{"   2.5", "   3.5", "   9.9"}));
}

TEST_F(AnalysisRebuildTest, AWindowWhoseTableFailedAcceptsItsButtons) {
  StoreRace10(Race10WithPlaceOddsThatAreNoNumber());
  Start();
  form->Track1.Click();
  form->Race10.Click();
  form->Button4.Click();
  ui::ProcessMessages();
  ExpectOneFailureOfTheHorseTable();
  viewer::TForm2& horse = *viewer::Form2;
  ExpectEmptyHorseTable(horse);

  // Sorts, a mark and the range menu: no word, the table stays empty.
  PressEveryButton(horse);
  EXPECT_EQ(messages.messages().size(), 1u) << testsupport::Readable(Texts());
  ExpectEmptyHorseTable(horse);
  EXPECT_EQ(horse.SpeedButton4.FontColor(), ui::kRed);

  // The other windows open on the race as usual.
  form->Button5.Click();
  form->Button6.Click();
  ui::ProcessMessages();
  EXPECT_EQ(messages.messages().size(), 1u) << testsupport::Readable(Texts());
  EXPECT_EQ(Column(*viewer::Form3, 1, 3), Race10WinOdds());
  EXPECT_EQ(Column(*viewer::Form4, 2, 3), Race10WinOdds());

  // Each new choice of a time tries the table again and tells its failure once.
  messages.Clear();
  form->Time12.Click();  // the second time as first time: the table is tried again
  ui::ProcessMessages();
  ExpectOneFailureOfTheHorseTable();
}

TEST_F(AnalysisRebuildTest, SortsAfterARacecoursePressWorkOnTheRaceTheTableShows) {
  ChooseTokyo11();
  OpenAllWindows();
  // The day's last race gets 12 runners: after the racecourse press it is the record in
  // memory, while the windows still show race 11 with its three.
  std::vector<std::string> races = base::ReadLines(RaceFile());
  races.back() = viewertest::RaceLine("2024060108031002", "京都", 12);
  testsupport::WriteFile(RaceFile(), viewertest::Lines(races));
  form->Track1.UncheckGroup();
  form->Track1.Click();
  ASSERT_EQ(viewer::State.CurrentRace.RunnerCount(), 12);

  viewer::TForm2& horse = *viewer::Form2;
  horse.SpeedButton1.Click();  // 出馬: by horse number
  viewer::Form3->SpeedButton3.Click();
  viewer::Form4->SpeedButton4.Click();
  ui::ProcessMessages();
  EXPECT_TRUE(Texts().empty()) << testsupport::Readable(Texts());
  EXPECT_EQ(Column(horse, 1, 4), (std::vector<std::string>{" 1", " 2", " 3", " "}));
  EXPECT_EQ(horse.Chart1.Points(0).size(), 3u);
  EXPECT_EQ(viewer::Form3->Chart1.Points(0).size(), 3u);
  EXPECT_EQ(viewer::Form4->Chart1.Points(0).size(), 3u);
}

}  // namespace
