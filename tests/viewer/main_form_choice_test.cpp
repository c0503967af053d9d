// Day, racecourse, race and odds times through the main window on a hand-made race day:
// the race records in wo_data, the captions, the vote fields, the messages, and the
// restores of a stored choice (each must end).
#include <gtest/gtest.h>

#include "tests/support/sjis_assert.h"
#include "tests/viewer/race_day.h"
#include "viewer/DispCTRLWindow.h"
#include "viewer/logic/OddsReaders.h"
#include "viewer/logic/RaceHeader.h"

namespace {

using viewer::RaceOddsRecord;
using viewer::State;
using viewertest::Int32At;
using viewertest::ShortStringAt;

using ChoiceTest = viewertest::RaceDayTest;

const std::vector<std::string> kFiveTimes{"  10:01", "  11:01", "  12:01",
                                          "  13:01", "  14:01", " "};

TEST_F(ChoiceTest, ARacecourseWritesTheHeaderOfEveryRaceOfTheDay) {
  Start();
  ASSERT_TRUE(Texts().empty());
  EXPECT_FALSE(base::PathExists(WorkDay()));
  form->Track1.Click();
  EXPECT_EQ(State.ChosenTrackIndex, 1);
  EXPECT_EQ(State.ChosenTrackCode, "05");
  EXPECT_EQ(State.ChosenMeetingDay, "0204");
  EXPECT_EQ(form->Track1.FontColor(), ui::kRed);

  // One record for every line, 京都's races too.
  std::vector<std::string> names = base::ListEntries(WorkDay());
  std::sort(names.begin(), names.end());
  ASSERT_EQ(names.size(), 13u);
  EXPECT_EQ(names.front(), "05020401.ods");
  EXPECT_EQ(names.back(), "08031002.ods");

  const std::string bytes = base::ReadFileBytes(RecordFile("05020411"));
  ASSERT_EQ(bytes.size(), RaceOddsRecord::kSize);
  EXPECT_EQ(ShortStringAt(bytes, 0), viewertest::kTokyo11);
  EXPECT_EQ(Int32At(bytes, 20), 0);  // HeaderPending
  EXPECT_EQ(Int32At(bytes, 24), base::FileAgeDos(RaceFile()));
  EXPECT_EQ(Int32At(bytes, 28), 0);
  EXPECT_EQ(Int32At(bytes, 32), 12);  // weather 1, turf going 2
  EXPECT_EQ(Int32At(bytes, 36), 9);
  EXPECT_EQ(Int32At(bytes, 40), 9);
  EXPECT_SJIS_EQ("芝", ShortStringAt(bytes, 44));
  EXPECT_SJIS_EQ("左", ShortStringAt(bytes, 47));
  EXPECT_EQ(ShortStringAt(bytes, 50), "2400");
  EXPECT_SJIS_EQ("第1", ShortStringAt(bytes, 55));
  EXPECT_SJIS_EQ("特別", ShortStringAt(bytes, 59));
  EXPECT_SJIS_EQ("３歳", ShortStringAt(bytes, 120));
  EXPECT_EQ(Int32At(bytes, 184), 3);
  EXPECT_EQ(ShortStringAt(bytes, 188), "15:40");
  EXPECT_EQ(ShortStringAt(bytes, 194), std::string(18, ' '));  // a fresh record's name
  for (int s = 1; s <= 6; ++s) {
    EXPECT_EQ(ShortStringAt(bytes, RaceOddsRecord::SnapshotOffset(s)), "90000");
  }
  EXPECT_SJIS_EQ("右", ShortStringAt(base::ReadFileBytes(RecordFile("08031001")), 47));
  // The buffer holds the last line's record.
  EXPECT_EQ(State.CurrentRace.RaceKey(), "2024060108031002");

  const std::vector<std::string> captions{" 1R", " 2R", " 3R", " 4R", " 5R", " 6R",
                                          " 7R", " 8R", " 9R", "10R", "11R", " "};
  for (int i = 1; i <= 12; ++i) EXPECT_EQ(viewer::GetRaceCaption(i), captions[i - 1]) << i;
  EXPECT_EQ(viewer::GetSelectedRace(), 0);

  form->Track2.Click();
  EXPECT_EQ(State.ChosenTrackCode, "08");
  EXPECT_EQ(State.ChosenMeetingDay, "0310");
  EXPECT_EQ(form->Track1.FontColor(), ui::ButtonTextColor());
  EXPECT_EQ(viewer::GetRaceCaption(2), " 2R");
  EXPECT_EQ(viewer::GetRaceCaption(3), " ");
  EXPECT_TRUE(Texts().empty());
}

TEST_F(ChoiceTest, ARaceFillsItsRecordAndChoosesTheFirstAndTheLastTime) {
  ChooseTokyo11();
  ASSERT_TRUE(Texts().empty()) << Texts()[0];
  EXPECT_EQ(State.ChosenRaceIndex, 11);
  EXPECT_EQ(form->Race11.FontColor(), ui::kRed);
  EXPECT_EQ(State.TimingFilePath, run + "/gt_data/time_100a.csv");
  EXPECT_EQ(TimeCaptions(1), kFiveTimes);
  EXPECT_EQ(TimeCaptions(2), kFiveTimes);
  EXPECT_EQ(State.ChosenTime1Button, 1);
  EXPECT_EQ(State.ChosenTime2Button, 5);
  EXPECT_TRUE(form->Time11.Checked());
  EXPECT_TRUE(form->Time25.Checked());
  EXPECT_EQ(form->Time11.FontColor(), ui::kRed);
  EXPECT_EQ(form->Time25.FontColor(), ui::kRed);
  EXPECT_EQ(State.Time1Snapshot, 1);
  EXPECT_EQ(State.Time2Snapshot, 5);
  EXPECT_EQ(VoteFields(),
            (std::vector<std::string>{"   1000005", "      2005", "      3005", "      3005"}));

  // The stored record is the one in memory.
  const std::string bytes = base::ReadFileBytes(RecordFile("05020411"));
  EXPECT_EQ(bytes, State.CurrentRace.bytes());
  EXPECT_SJIS_EQ("アイ", ShortStringAt(bytes, 194));
  EXPECT_SJIS_EQ("オカ", ShortStringAt(bytes, 194 + 19 * 2));
  EXPECT_EQ(ShortStringAt(bytes, 194 + 19 * 3), "");  // rows above the runner count
  EXPECT_EQ(Int32At(bytes, 28), base::FileAgeDos(Day() + "/DE240601.CSV"));
  const std::size_t s1 = RaceOddsRecord::SnapshotOffset(1);
  EXPECT_EQ(ShortStringAt(bytes, s1), "21001");
  EXPECT_EQ(Int32At(bytes, s1 + 8), 1);
  EXPECT_EQ(Int32At(bytes, s1 + 12), 1000001);
  EXPECT_EQ(ShortStringAt(bytes, RaceOddsRecord::SnapshotOffset(5)), "21401");
  EXPECT_EQ(ShortStringAt(bytes, RaceOddsRecord::SnapshotOffset(6)), "90000");

  // Again with unchanged files: the same record and captions.
  form->Race11.SetChecked(false);
  form->Race11.Click();
  EXPECT_EQ(base::ReadFileBytes(RecordFile("05020411")), bytes);
  EXPECT_EQ(TimeCaptions(1), kFiveTimes);

  // Another racecourse press keeps the runners and snapshots already stored.
  form->Track2.Click();
  form->Track1.Click();
  const std::string again = base::ReadFileBytes(RecordFile("05020411"));
  EXPECT_EQ(ShortStringAt(again, s1), "21001");
  EXPECT_SJIS_EQ("アイ", ShortStringAt(again, 194));
  EXPECT_EQ(Int32At(again, 28), 0);  // the header fill clears the runner file's age
  EXPECT_TRUE(Texts().empty());
}

TEST_F(ChoiceTest, TheFirstTimeRerunsTheSecondWithTheNewFirstSnapshot) {
  ChooseTokyo11();
  form->Time13.Click();
  EXPECT_EQ(State.ChosenTime1Button, 3);
  EXPECT_EQ(State.Time1Snapshot, 3);
  EXPECT_EQ(State.Time2Snapshot, 5);
  EXPECT_EQ(form->Time13.FontColor(), ui::kRed);
  EXPECT_EQ(form->Time11.FontColor(), ui::ButtonTextColor());
  EXPECT_EQ(VoteFields()[0], "   1000005");
  form->Time22.Click();
  EXPECT_EQ(State.ChosenTime2Button, 2);
  EXPECT_EQ(State.Time2Snapshot, 2);
  EXPECT_EQ(VoteFields(),
            (std::vector<std::string>{"   1000002", "      2002", "      3002", "      3002"}));
  EXPECT_EQ(form->Time25.FontColor(), ui::ButtonTextColor());
}

// An analysis window's header fields: each change of a field is recorded.
class HeaderWindow {
 public:
  explicit HeaderWindow(std::vector<std::string>& log, const std::string& name) {
    for (int k = 1; k <= 9; ++k) {
      edits.push_back(std::make_unique<ui::Edit>(form));
      edits.back()->on_change = [&log, name, k] { log.push_back(name + std::to_string(k)); };
      header.Edit[k] = edits.back().get();
    }
    header.window = &form;
    form.on_close = [&log, name](ui::CloseAction&) { log.push_back(name + " closed"); };
  }
  std::string Text(int k) const { return edits[k - 1]->Text(); }
  ui::Form form;
  std::vector<std::unique_ptr<ui::Edit>> edits;
  viewer::AnalysisHeader header;
};

TEST_F(ChoiceTest, TheSecondTimeWritesTheHeadersOfTheOpenWindowsInTheirOrder) {
  std::vector<std::string> log;
  HeaderWindow horse(log, "H"), quinella(log, "Q"), bracket(log, "B");
  viewer::HorseWindowHeader = horse.header;
  viewer::QuinellaWindowHeader = quinella.header;
  viewer::BracketWindowHeader = bracket.header;
  ChooseTokyo11();
  EXPECT_TRUE(log.empty());  // no window is open

  State.HorseWindowOpen = State.QuinellaWindowOpen = State.BracketWindowOpen = 1;
  form->Time13.Click();
  EXPECT_EQ(log,
            (std::vector<std::string>{"H6", "H8", "H7", "H1", "H2", "H4", "H3", "H9", "H6", "Q5",
                                      "Q6", "Q7", "Q1", "Q2", "Q3", "Q4", "B1", "B2", "B3", "B4"}));
  EXPECT_SJIS_EQ("東京 2回 4日目", horse.Text(1));
  EXPECT_EQ(horse.Text(2), "11R");
  EXPECT_EQ(horse.Text(3), "  14:01");
  EXPECT_EQ(horse.Text(4), "  12:01");
  EXPECT_SJIS_EQ("芝・稍重", horse.Text(6));
  EXPECT_EQ(horse.Text(7), "2400");
  EXPECT_SJIS_EQ("左", horse.Text(8));
  EXPECT_SJIS_EQ("天候：晴", horse.Text(9));
  EXPECT_SJIS_EQ("芝", quinella.Text(5));
  EXPECT_SJIS_EQ("左", quinella.Text(6));
  EXPECT_EQ(bracket.Text(4), "  12:01");
  EXPECT_EQ(bracket.Text(5), "");
  EXPECT_SJIS_EQ("馬分析表          特別３歳", horse.form.Caption().substr(0, 26));

  // The same choice again: the watched fields do not change, only the going of the
  // per-horse surface field is written off and on.
  log.clear();
  viewer::CheckTime2Button(0);
  viewer::CheckTime2Button(5);
  EXPECT_EQ(log, (std::vector<std::string>{"H6", "H6"}));

  // A race without an odds file closes the open windows, per-horse first.
  log.clear();
  form->Race1.Click();
  EXPECT_EQ(log, (std::vector<std::string>{"H closed", "Q closed", "B closed"}));
}

TEST_F(ChoiceTest, ARecordFileThatHoldsNoRecordIsSetAsideAndTheDayGoesOn) {
  // Race 5's record cut short, race 6's place taken by a folder, a damaged race 5 set aside
  // earlier, and the leftover of a viewer killed while it wrote race 11's marks.
  const std::string leftover = WorkDay() + "/05020411.mrk.tmp~";
  testsupport::WriteFile(RecordFile("05020405"), "short");
  testsupport::WriteFile(RecordFile("05020405") + ".damaged", "earlier");
  base::MakeDirs(RecordFile("05020406"));
  testsupport::WriteFile(leftover, "torn");
  Start();
  form->Track1.Click();

  // One message names each file and the name it is kept as.
  ASSERT_EQ(messages.messages().size(), 1u) << testsupport::Readable(Texts());
  const std::string text = Texts()[0];
  for (const std::string& name : {RecordFile("05020405"), RecordFile("05020405") + ".damaged.2",
                                  RecordFile("05020406"), RecordFile("05020406") + ".damaged"}) {
    EXPECT_NE(text.find("\"" + name + "\""), std::string::npos) << name << ": " << text;
  }
  EXPECT_EQ("earlier", base::ReadFileBytes(RecordFile("05020405") + ".damaged"));
  EXPECT_EQ("short", base::ReadFileBytes(RecordFile("05020405") + ".damaged.2"));
  EXPECT_TRUE(base::DirExists(RecordFile("05020406") + ".damaged"));
  EXPECT_FALSE(base::PathExists(leftover));
  // The records are made anew, every race button has its caption, the races work.
  for (const char* race : {"05020405", "05020406", "05020407"}) {
    EXPECT_EQ(base::ReadFileBytes(RecordFile(race)).size(), RaceOddsRecord::kSize) << race;
  }
  EXPECT_EQ(form->RaceButtons.Caption(5), " 5R");
  EXPECT_EQ(form->RaceButtons.Caption(11), "11R");
  form->Race11.Click();
  EXPECT_EQ(TimeCaptions(1), kFiveTimes);

  // Told once: the next press finds nothing to set aside.
  form->Track1.UncheckGroup();
  form->Track1.Click();
  EXPECT_EQ(messages.messages().size(), 1u) << testsupport::Readable(Texts());
}

TEST_F(ChoiceTest, ARaceWithoutAnOddsFileChangesNothingElse) {
  ChooseTokyo11();
  const std::string current = State.CurrentRace.bytes();
  form->Race1.Click();
  EXPECT_EQ(Texts(), std::vector<std::string>{viewer::kNoOddsFileMessage});
  EXPECT_EQ(State.ChosenRaceIndex, 11);
  EXPECT_EQ(State.CurrentRace.bytes(), current);
  EXPECT_TRUE(form->Race1.Checked());
  EXPECT_EQ(form->Race11.FontColor(), ui::kRed);
  EXPECT_EQ(form->Race1.FontColor(), ui::ButtonTextColor());
  EXPECT_EQ(TimeCaptions(1), kFiveTimes);
}

TEST_F(ChoiceTest, AFolderInPlaceOfTheOddsFileSaysWhatItIs) {
  ChooseTokyo11();
  const std::string odds = viewer::OddsFilePath(State.DayDataFolder, "JD", "2024060105020401");
  base::MakeDirs(odds);
  form->Race1.Click();
  EXPECT_EQ(Texts(), std::vector<std::string>{"\"" + odds + "\" is not a file"});
  EXPECT_EQ(State.ChosenRaceIndex, 11);
}

TEST_F(ChoiceTest, ARaceBeforeItsFirstSnapshotTimeIsToldAndTheOldRaceMarkedAgain) {
  ChooseTokyo11();
  form->Race10.Click();
  EXPECT_EQ(Texts(), std::vector<std::string>{viewer::kNoSnapshotMessage});
  EXPECT_EQ(State.ChosenRaceIndex, 11);
  EXPECT_TRUE(form->Race10.Checked());
  EXPECT_EQ(form->Race11.FontColor(), ui::kRed);
  EXPECT_EQ(form->Race10.FontColor(), ui::ButtonTextColor());
  EXPECT_EQ(TimeCaptions(1), std::vector<std::string>(6, " "));
  EXPECT_EQ(TimeCaptions(2), std::vector<std::string>(6, " "));
  EXPECT_TRUE(form->Time11.Checked());  // checked state and stored indexes unchanged
  EXPECT_TRUE(form->Time25.Checked());
  EXPECT_EQ(State.ChosenTime2Button, 5);
  // The new record is stored all the same.
  const std::string bytes = base::ReadFileBytes(RecordFile("05020410"));
  EXPECT_EQ(bytes, State.CurrentRace.bytes());
  EXPECT_NE(Int32At(bytes, 28), 0);

  // Blank time buttons whose stored buttons are blank too: each restore ends with the row
  // unchecked.
  form->Time11.SetChecked(false);
  form->Time12.Click();
  EXPECT_EQ(viewer::GetSelectedTime1(), 0);
  form->Time23.Click();
  EXPECT_EQ(viewer::GetSelectedTime2(), 0);
  EXPECT_EQ(Texts().size(), 1u);
}

TEST_F(ChoiceTest, BlankButtonsRestoreTheStoredChoice) {
  // Before any choice: nothing is checked.
  Start();
  form->Track3.Click();
  EXPECT_EQ(viewer::GetSelectedTrack(), 0);
  EXPECT_EQ(viewer::GetSelectedRace(), 0);
  form->Race12.Click();
  EXPECT_EQ(viewer::GetSelectedRace(), 0);

  form->Track1.Click();
  form->Race11.Click();
  form->Time13.Click();
  // A blank racecourse: the stored racecourse and race are chosen again.
  form->Track3.Click();
  EXPECT_TRUE(form->Track1.Checked());
  EXPECT_TRUE(form->Race11.Checked());
  EXPECT_EQ(TimeCaptions(1), kFiveTimes);
  EXPECT_EQ(State.ChosenTime1Button, 1);  // the race choice takes the first time again
  // A blank race: the stored race.
  form->Race12.Click();
  EXPECT_TRUE(form->Race11.Checked());
  // Blank times: the stored times.
  form->Time13.Click();
  form->Time16.Click();
  EXPECT_TRUE(form->Time13.Checked());
  EXPECT_EQ(State.ChosenTime1Button, 3);
  form->Time26.Click();
  EXPECT_TRUE(form->Time25.Checked());

  // 京都 has two races: the stored race 11 is blank there, a blank race checks nothing.
  form->Track2.Click();
  form->Race5.Click();
  EXPECT_EQ(viewer::GetSelectedRace(), 0);
  EXPECT_EQ(State.ChosenRaceIndex, 11);
  EXPECT_TRUE(Texts().empty());
}

TEST_F(ChoiceTest, AStoredRacecourseThatIsBlankOnAnotherDayChecksNothing) {
  testsupport::WriteFile(run + "/jv_data/20240525/DG240525.CSV",
                         viewertest::Lines({viewertest::RaceLine("2024052505020301", "東京")}));
  Start();
  form->Track2.Click();  // 京都, stored as button 2
  form->ComboBox1.Pick(1);
  ASSERT_EQ(form->ComboBox1.Text(), "2024/05/25");
  EXPECT_EQ(form->Track2.Caption(), " ");
  form->Track2.Click();
  EXPECT_EQ(viewer::GetSelectedTrack(), 0);
  EXPECT_EQ(viewer::GetSelectedRace(), 0);
  form->Track1.Click();
  EXPECT_EQ(viewer::GetRaceCaption(1), " 1R");
  EXPECT_TRUE(Texts().empty());
}

}  // namespace
