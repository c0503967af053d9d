// Start-up and end of the main window: the settings file beside the program, the folders
// of the current directory, the race-day list and its default day, the racecourse buttons.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>

#include "tests/support/sjis_assert.h"
#include "tests/viewer/viewer_window.h"
#include "viewer/DispCTRLWindow.h"

namespace {

using testsupport::WriteFile;
using viewer::State;
using viewertest::Lines;
using viewertest::RaceLine;

class StartupTest : public viewertest::ViewerWindowTest {};

TEST_F(StartupTest, WithoutASettingsFileItIsMadeBesideTheProgramWithTheDefaults) {
  Start();
  EXPECT_EQ(base::ReadFileBytes(SettingsFile()),
            std::string("\x0d") + "time_100a.csv" + std::string(19, '\0'));
  EXPECT_FALSE(base::PathExists(run + "/vantrel.cfg"));
  EXPECT_EQ(State.BaseFolder, run);
  EXPECT_EQ(State.TimingFolder, run + "/gt_data");
  EXPECT_EQ(State.DataFolder, run + "/jv_data");
  EXPECT_EQ(State.WorkFolder, run + "/wo_data");
  EXPECT_EQ(State.TimingFileName, "time_100a.csv");
  EXPECT_TRUE(base::DirExists(run + "/wo_data"));
  EXPECT_FALSE(base::PathExists(run + "/jv_data"));  // only read, never made
  EXPECT_FALSE(base::PathExists(run + "/gt_data"));
  EXPECT_TRUE(Texts().empty());  // an empty day list is no failure
  EXPECT_EQ(form->ComboBox1.ItemCount(), 0);
}

TEST_F(StartupTest, TheSettingsFileNamesTheTimingFileAndIsWrittenBackOnlyAtTheEnd) {
  const std::string stored = std::string("\x0c") + "time_200.csv" + std::string(20, 'x') + "tail";
  WriteFile(SettingsFile(), stored);
  WriteFile(run + "/wo_data/keep.txt", "kept");
  Start();
  EXPECT_EQ(State.TimingFileName, "time_200.csv");
  EXPECT_EQ(base::ReadFileBytes(run + "/wo_data/keep.txt"), "kept");

  State.Settings.TimingFile = "time_300b.csv";
  EXPECT_EQ(base::ReadFileBytes(SettingsFile()), stored);  // not before the end
  form.reset();
  // The record is replaced; the bytes behind it stay (the file is not truncated).
  EXPECT_EQ(base::ReadFileBytes(SettingsFile()),
            std::string("\x0d") + "time_300b.csv" + std::string(19, '\0') + "tail");
  EXPECT_TRUE(Texts().empty());
}

TEST_F(StartupTest, AShortSettingsFileIsToldOnceAndTheViewerGoesOnWithTheDefaults) {
  WriteFile(SettingsFile(), "\x05short");
  WriteFile(run + "/jv_data/20240601/DG240601.CSV", Lines({RaceLine("2024060105020401", "東京")}));
  Start();
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].kind, ui::MessageKind::kError);
  EXPECT_NE(messages.messages()[0].text.find(SettingsFile()), std::string::npos);
  EXPECT_EQ(State.TimingFileName, "time_100a.csv");
  EXPECT_EQ(State.DataFolder, run + "/jv_data");
  EXPECT_EQ(State.WorkFolder, run + "/wo_data");
  EXPECT_TRUE(base::DirExists(run + "/wo_data"));
  EXPECT_EQ(form->ComboBox1.Text(), "2024/06/01");
  EXPECT_SJIS_EQ("東京 2回 4日目", form->Track1.Caption());
  form.reset();
  EXPECT_EQ(viewer::ReadSettingsFile(SettingsFile()).TimingFile, "time_100a.csv");
}

// Only a settings file that is not there is made: one behind a link that cannot be
// followed, or a folder in its place, is told, and the viewer goes on with the defaults
// without writing them over it, at the start or at the end.
TEST_F(StartupTest, ASettingsFileThatCannotBeLookedAtIsToldAndNotWrittenOver) {
  const struct {
    const char* what;
    std::function<void(const std::string& path)> make;
  } cases[] = {
      {"a link to itself",
       [](const std::string& path) { std::filesystem::create_symlink("vantrel.cfg", path); }},
      {"a folder", [](const std::string& path) { base::MakeDirs(path + "/inside"); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(SettingsFile());
    c.make(SettingsFile());
    messages.Clear();
    Start();
    ASSERT_EQ(messages.messages().size(), 1u) << testsupport::Readable(Texts());
    EXPECT_EQ(messages.messages()[0].kind, ui::MessageKind::kError);
    EXPECT_NE(Texts()[0].find("\"" + SettingsFile() + "\""), std::string::npos) << Texts()[0];
    EXPECT_EQ(State.TimingFileName, "time_100a.csv");
    form.reset();  // the write-back at the end fails and says so
    ASSERT_EQ(messages.messages().size(), 2u) << testsupport::Readable(Texts());
    EXPECT_NE(Texts()[1].find("\"" + SettingsFile() + "\""), std::string::npos) << Texts()[1];
  }
  EXPECT_TRUE(base::DirExists(SettingsFile() + "/inside"));
  std::filesystem::remove_all(SettingsFile());
  std::filesystem::create_symlink("vantrel.cfg", SettingsFile());
  Start();
  form.reset();
  EXPECT_TRUE(std::filesystem::is_symlink(SettingsFile()));
}

TEST_F(StartupTest, ASettingsFileRemovedWhileRunningIsWrittenAnewAtTheEnd) {
  Start();
  State.Settings.TimingFile = "time_300b.csv";
  std::remove(SettingsFile().c_str());
  form.reset();
  EXPECT_EQ(viewer::ReadSettingsFile(SettingsFile()).TimingFile, "time_300b.csv");
  EXPECT_TRUE(Texts().empty());
}

TEST_F(StartupTest, AStartFromTheProgramFolderKeepsTheSettingsThereAndTheDataToo) {
  cd.reset();
  cd.emplace(prog);
  Start();
  EXPECT_EQ(State.BaseFolder, prog);
  EXPECT_TRUE(base::FileExists(prog + "/vantrel.cfg"));
  EXPECT_TRUE(base::DirExists(prog + "/wo_data"));
  EXPECT_FALSE(base::PathExists(run + "/wo_data"));
}

// The default day against "today" 2024/06/01.
struct DayCase {
  const char* name;
  std::vector<std::string> folders;
  std::vector<std::string> items;  // newest first
  std::string chosen;              // empty: no day
};
// A failing case names itself.
void PrintTo(const DayCase& c, std::ostream* os) { *os << c.name; }

class DefaultDayTest : public viewertest::ViewerWindowTest,
                       public ::testing::WithParamInterface<DayCase> {};

TEST_P(DefaultDayTest, ListsTheDaysNewestFirstAndChoosesTheDefault) {
  for (const auto& f : GetParam().folders) base::MakeDirs(run + "/jv_data/" + f);
  Start();
  EXPECT_EQ(form->ComboBox1.Items(), GetParam().items);
  EXPECT_EQ(form->ComboBox1.Text(), GetParam().chosen);
  if (!GetParam().chosen.empty()) {
    const std::string day = GetParam().chosen.substr(0, 4) + GetParam().chosen.substr(5, 2) +
                            GetParam().chosen.substr(8, 2);
    EXPECT_EQ(State.ChosenFileDate, day.substr(2));
    EXPECT_EQ(State.DayDataFolder, run + "/jv_data/" + day);
    EXPECT_EQ(State.DayWorkFolder, run + "/wo_data/" + day);
    EXPECT_EQ(State.RaceFileName, "DG" + day.substr(2) + ".CSV");
    // None of these days has a race file.
    EXPECT_SJIS_EQ("開催情報ファイルがありません", Texts().at(0));
  } else {
    EXPECT_TRUE(State.ChosenFileDate.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Days, DefaultDayTest,
    ::testing::Values(
        DayCase{"BeforeAndAfter",
                {"20240529", "20240530", "20240605"},
                {"2024/06/05", "2024/05/30", "2024/05/29"},
                "2024/05/30"},
        DayCase{"TodayFirst", {"20240601", "20240525"}, {"2024/06/01", "2024/05/25"}, "2024/06/01"},
        DayCase{"FirstThreeAfterToday",
                {"20240602", "20240603", "20240604", "20240605", "20240525"},
                {"2024/06/05", "2024/06/04", "2024/06/03", "2024/06/02", "2024/05/25"},
                "2024/06/03"},
        DayCase{"OneDayAfterToday", {"20240608"}, {"2024/06/08"}, "2024/06/08"},
        DayCase{"TwoDaysAfterToday",
                {"20240608", "20240609"},
                {"2024/06/09", "2024/06/08"},
                "2024/06/08"},
        DayCase{"NoDays", {}, {}, ""}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(StartupTest, AnEntryThatIsNoDateStopsTheDefaultChoiceWithAClearMessage) {
  base::MakeDirs(run + "/jv_data/20240601");
  WriteFile(run + "/jv_data/backup", "");
  Start();
  EXPECT_EQ(form->ComboBox1.Items(), (std::vector<std::string>{"back/up/", "2024/06/01"}));
  EXPECT_EQ(form->ComboBox1.Text(), "");
  EXPECT_TRUE(State.ChosenFileDate.empty());
  ASSERT_EQ(Texts().size(), 1u);
  EXPECT_NE(Texts()[0].find("'back/up/' is not a valid date"), std::string::npos);
}

// Racecourse buttons of one day.
class TrackButtonsTest : public viewertest::ViewerWindowTest {
 protected:
  void StartWithRaceLines(const std::vector<std::string>& lines) {
    WriteFile(run + "/jv_data/20240601/DG240601.CSV", Lines(lines));
    Start();
  }
  std::vector<std::string> Captions() const {
    return {form->Track1.Caption(), form->Track2.Caption(), form->Track3.Caption()};
  }
};

TEST_F(TrackButtonsTest, OneRacecourse) {
  StartWithRaceLines({RaceLine("2024060105020401", "東京"), RaceLine("2024060105020402", "東京")});
  EXPECT_SJIS_EQ("東京 2回 4日目", form->Track1.Caption());
  EXPECT_EQ(form->Track2.Caption(), " ");
  EXPECT_EQ(form->Track3.Caption(), " ");
  EXPECT_EQ(form->ListBox1.Count(), 0);
  EXPECT_EQ(viewer::GetSelectedTrack(), 0);
  EXPECT_TRUE(Texts().empty());
}

TEST_F(TrackButtonsTest, TwoRacecoursesInAscendingKeyOrder) {
  StartWithRaceLines({RaceLine("2024060108031001", "京都"), RaceLine("2024060105020101", "東京")});
  EXPECT_SJIS_EQ("東京 2回 1日目", form->Track1.Caption());
  EXPECT_SJIS_EQ("京都 3回10日目", form->Track2.Caption());
  EXPECT_EQ(form->Track3.Caption(), " ");
}

TEST_F(TrackButtonsTest, FourRacecoursesLeaveTheFourthWithoutAButton) {
  StartWithRaceLines({RaceLine("2024060110010101", "小倉"), RaceLine("2024060101010101", "札幌"),
                      RaceLine("2024060105010101", "東京"), RaceLine("2024060108010101", "京都")});
  EXPECT_SJIS_EQ("札幌 1回 1日目", form->Track1.Caption());
  EXPECT_SJIS_EQ("東京 1回 1日目", form->Track2.Caption());
  EXPECT_SJIS_EQ("京都 1回 1日目", form->Track3.Caption());
  EXPECT_EQ(form->ListBox1.Count(), 0);
}

TEST_F(TrackButtonsTest, AnUnknownRacecourseCodeGetsNoButtonAndTakesNoPlace) {
  StartWithRaceLines({RaceLine("2024060111010101", "他場"), RaceLine("2024060105010101", "東京")});
  EXPECT_SJIS_EQ("東京 1回 1日目", form->Track1.Caption());
  EXPECT_EQ(form->Track2.Caption(), " ");
}

TEST_F(TrackButtonsTest, LinesOfKindNineOnlyGiveNoButtonAndNoMessage) {
  StartWithRaceLines({RaceLine("2024060105020401", "東京", 3, "15:40", "9"),
                      RaceLine("2024060108020401", "京都", 3, "15:40", "9")});
  EXPECT_EQ(Captions(), (std::vector<std::string>{" ", " ", " "}));
  EXPECT_TRUE(Texts().empty());
}

TEST_F(TrackButtonsTest, AnInterruptedRacecourseGetsASecondButton) {
  StartWithRaceLines({RaceLine("2024060105020401", "東京"), RaceLine("2024060108020401", "京都"),
                      RaceLine("2024060105020402", "東京")});
  EXPECT_SJIS_EQ("東京 2回 4日目", form->Track1.Caption());
  EXPECT_SJIS_EQ("東京 2回 4日目", form->Track2.Caption());
  EXPECT_SJIS_EQ("京都 2回 4日目", form->Track3.Caption());
}

TEST_F(TrackButtonsTest, AMissingRaceFileIsToldAtEveryKeystrokeThatLeavesOne) {
  base::MakeDirs(run + "/jv_data/20240602");
  viewertest::SetToday({2024, 6, 2});
  StartWithRaceLines({RaceLine("2024060105020401", "東京")});
  EXPECT_EQ(form->ComboBox1.Text(), "2024/06/02");
  EXPECT_EQ(Texts(), std::vector<std::string>{viewer::kNoRaceFileMessage});
  EXPECT_EQ(Captions(), (std::vector<std::string>{" ", " ", " "}));

  messages.Clear();
  form->ComboBox1.Pick(1);  // 2024/06/01 has one
  EXPECT_TRUE(Texts().empty());
  EXPECT_SJIS_EQ("東京 2回 4日目", form->Track1.Caption());
  form->ComboBox1.Type("\b\b2");  // "2024/06/0", "2024/06/", "2024/06/2"
  EXPECT_EQ(Texts().size(), 3u);
  EXPECT_EQ(form->Track1.Caption(), " ");
  EXPECT_EQ(State.DayDataFolder, run + "/jv_data/2024062");
}

// "開催情報ファイルがありません" is for a race file that is not there; a day folder that cannot
// be looked into (here a link to itself) is told with its own cause.
TEST_F(TrackButtonsTest, ADayFolderThatCannotBeLookedIntoIsToldItsCause) {
  base::MakeDirs(run + "/jv_data");
  std::filesystem::create_directory_symlink("20240601", run + "/jv_data/20240601");
  Start();
  EXPECT_EQ(form->ComboBox1.Text(), "2024/06/01");
  ASSERT_EQ(Texts().size(), 1u);
  EXPECT_NE(Texts()[0], viewer::kNoRaceFileMessage);
  EXPECT_NE(Texts()[0].find(run + "/jv_data/20240601/DG240601.CSV"), std::string::npos)
      << Texts()[0];
  EXPECT_NE(Texts()[0].find(std::strerror(ELOOP)), std::string::npos) << Texts()[0];
  EXPECT_EQ(Captions(), (std::vector<std::string>{" ", " ", " "}));
}

}  // namespace
