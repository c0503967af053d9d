// The fetch buttons with real child programs: small scripts named like the fetch
// programs in the current directory. Each script waits for a file "go" that the test
// makes from the viewer's message loop while it waits, after looking at the windows.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/sjis_assert.h"
#include "tests/viewer/race_day.h"
#include "ui/application.h"
#include "viewer/DispCTRLWindow.h"

namespace {

using viewer::State;

class FetchRunTest : public viewertest::RaceDayTest {
 protected:
  // A program in the current directory that writes its arguments to args.txt, waits for
  // "go" and then runs the given commands.
  void WriteProgram(const std::string& name, const std::string& commands, int mode = 0755) {
    testsupport::WriteFile(run + "/" + name,
                           "#!/bin/sh\necho \"$#:$*\" > args.txt\n"
                           "while [ ! -e go ]; do sleep 0.01; done\n" +
                               commands + "\nexit 3\n");
    chmod((run + "/" + name).c_str(), mode);
  }
  // What the windows look like while the program runs, seen from the message loop.
  void WatchTheWait() {
    ui::Post([this] {
      seen_enabled = form->Enabled();
      seen_other_enabled = other.Enabled();
      seen_topmost = form->Topmost();
      testsupport::WriteFile(run + "/go", "");
    });
  }
  std::string Args() const { return base::ReadFileBytes(run + "/args.txt"); }

  ui::Form other;  // another window of the viewer, disabled during the run too
  bool seen_enabled = true;
  bool seen_other_enabled = true;
  bool seen_topmost = false;
};

TEST_F(FetchRunTest, CardpullRunsWithTheDayWhileTheWindowsWaitThenTheChoiceIsReloaded) {
  ChooseTokyo11();
  form->Show();
  other.Show();
  // The new card renames race 11.
  std::string renamed = base::ReadFileBytes(RaceFile());
  renamed.replace(renamed.find("特別", renamed.find(viewertest::kTokyo11)), 4, "改名");
  testsupport::WriteFile(run + "/next.CSV", renamed);
  WriteProgram("cardpull", "cp next.CSV jv_data/20240601/DG240601.CSV");
  WatchTheWait();
  form->Button3.Click();

  EXPECT_EQ(Args(), "1:20240601\n");
  EXPECT_FALSE(seen_enabled);
  EXPECT_FALSE(seen_other_enabled);
  EXPECT_TRUE(seen_topmost);
  EXPECT_TRUE(form->Enabled());
  EXPECT_TRUE(other.Enabled());
  EXPECT_FALSE(form->Topmost());
  // The racecourse and the race were chosen anew on the new files.
  EXPECT_SJIS_EQ("改名", State.CurrentRace.RaceName());
  EXPECT_TRUE(form->Track1.Checked());
  EXPECT_TRUE(form->Race11.Checked());
  EXPECT_EQ(viewer::GetTime1Caption(5), "  14:01");
  EXPECT_TRUE(Texts().empty());
}

TEST_F(FetchRunTest, AnEmptyDayGivesNoArgumentAndNoChoiceNothingToReload) {
  Start();
  form->Show();
  form->ComboBox1.SetText("");
  WriteProgram("pricepull", "touch ran.txt");
  WatchTheWait();
  form->Button2.Click();
  EXPECT_EQ(Args(), "0:\n");
  EXPECT_TRUE(base::FileExists(run + "/ran.txt"));
  EXPECT_FALSE(seen_enabled);
  EXPECT_EQ(viewer::GetSelectedTrack(), 0);
  EXPECT_TRUE(Texts().empty());
}

TEST_F(FetchRunTest, StorepullRunsWithoutArgumentsAndTheDayListIsFilledAnew) {
  viewertest::SetToday({2024, 6, 2});
  testsupport::WriteFile(run + "/next.CSV",
                         viewertest::Lines({viewertest::RaceLine("2024060209010101", "阪神")}));
  Start();
  form->Show();
  ASSERT_EQ(form->ComboBox1.Text(), "2024/06/01");
  form->Track1.Click();
  WriteProgram("storepull",
               "mkdir -p jv_data/20240602 && cp next.CSV jv_data/20240602/DG240602.CSV");
  WatchTheWait();
  form->Button1.Click();
  EXPECT_EQ(Args(), "0:\n");
  EXPECT_FALSE(seen_enabled);
  EXPECT_EQ(form->ComboBox1.Items(), (std::vector<std::string>{"2024/06/02", "2024/06/01"}));
  EXPECT_EQ(form->ComboBox1.Text(), "2024/06/02");
  EXPECT_SJIS_EQ("阪神 1回 1日目", form->Track1.Caption());
  EXPECT_EQ(viewer::GetSelectedTrack(), 0);
  EXPECT_EQ(viewer::GetRaceCaption(1), " ");
  EXPECT_TRUE(Texts().empty());
}

TEST_F(FetchRunTest, AProgramThatCannotStartIsToldAndTheViewerStaysUsable) {
  ChooseTokyo11();
  form->Show();
  const std::string current = State.CurrentRace.bytes();
  WriteProgram("cardpull", "", 0644);  // not executable
  struct Case {
    ui::Button* button;
    const char* message;
  };
  for (const Case& c : {Case{&form->Button2, "pricepull.exe を起動できません"},
                        Case{&form->Button3, "開催情報の取得処理を起動できません"},
                        Case{&form->Button1, "開催情報の取得処理を起動できません"}}) {
    messages.Clear();
    c.button->Click();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].kind, ui::MessageKind::kError);
    EXPECT_SJIS_EQ(c.message, messages.messages()[0].text);
    EXPECT_TRUE(form->Enabled());
    EXPECT_FALSE(form->Topmost());
    EXPECT_EQ(State.CurrentRace.bytes(), current);  // nothing reloaded
    EXPECT_TRUE(form->Race11.Checked());
  }
  EXPECT_FALSE(base::FileExists(run + "/args.txt"));
}

TEST_F(FetchRunTest, TheEndButtonAsksFirstAndTheHiddenListEndsAtOnce) {
  Start();
  form->Show();
  form->Button7.Click();  // the recorder answers Cancel
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].kind, ui::MessageKind::kConfirmation);
  EXPECT_EQ(messages.messages()[0].text, "終了します。\r\nよろしければ”はい”を押してください");
  EXPECT_TRUE(form->Visible());
  messages.AnswerNext(true);
  form->Button7.Click();
  EXPECT_FALSE(form->Visible());

  form->Show();
  messages.Clear();
  form->ListBox2.Click();
  EXPECT_FALSE(form->Visible());
  EXPECT_TRUE(Texts().empty());
}

}  // namespace
