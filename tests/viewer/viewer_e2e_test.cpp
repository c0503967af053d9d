// End to end on the sample data: the viewer starts the real cardpull and pricepull as it
// always does (bare names in its current directory, the day as the argument), then the
// racecourse and race choices turn their files into the race records. The fetch programs
// never end by themselves: each is started through a small script of its name that ends
// it (SIGTERM) once the test, polling from the viewer's message loop, has seen its files
// complete.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>

#include "base/csv.h"
#include "fetch/pricepull/OddsLines.h"
#include "fetch/records/DayLines.h"
#include "tests/e2e/expected_files.h"
#include "tests/support/sjis_assert.h"
#include "tests/viewer/viewer_window.h"
#include "tools/sampledata/sample_data.h"
#include "ui/application.h"
#include "viewer/DispCTRLWindow.h"
#include "viewer/logic/MainDisplay.h"
#include "viewer/logic/OddsReaders.h"
#include "viewer/logic/RaceChoice.h"
#include "viewer/logic/RaceHeader.h"
#include "viewer/logic/Timing.h"

namespace {

using expectedfiles::Files;
using viewer::State;

constexpr char kDay[] = "20160326";

std::string Read(const std::string& path) {
  return base::FileExists(path) ? base::ReadFileBytes(path) : std::string("<missing>");
}

class ViewerEndToEnd : public viewertest::ViewerWindowTest {
 protected:
  void SetUp() override {
    ViewerWindowTest::SetUp();
    viewertest::SetToday({2016, 3, 26});
    sampledata::SampleOptions options;
    options.race_day = base::Date{2016, 3, 26};
    options.now = base::DateTime{{2016, 3, 26}, 23, 0, 0};  // every announcement made
    options.seed = 7;
    options.courses = 2;
    options.races_per_course = 4;
    options.stored_days = 0;
    sample = sampledata::MakeSampleData(options);
    sampledata::WriteSampleData(dir / "jvlink", sample);
    setenv("JVLINK_DATA", (dir / "jvlink").c_str(), 1);
    std::filesystem::copy(VANTREL_GT_DATA, run + "/gt_data");
    base::MakeDirs(run + "/jv_data/" + kDay);  // the day is listed from the start
    WriteProgram("cardpull", VANTREL_CARDPULL);
    WriteProgram("pricepull", VANTREL_PRICEPULL);
  }
  void TearDown() override {
    unsetenv("JVLINK_DATA");
    ViewerWindowTest::TearDown();
  }

  void WriteProgram(const std::string& name, const std::string& real) {
    testsupport::WriteFile(run + "/" + name,
                           "#!/bin/sh\necho \"$*\" > " + name + ".args\n\"" + real +
                               "\" \"$@\" &\nchild=$!\n"
                               "while [ ! -e stop ]; do sleep 0.02; done\n"
                               "rm -f stop\nkill $child\nwait $child 2>/dev/null\n");
    chmod((run + "/" + name).c_str(), 0755);
  }

  // Presses the button; from the message loop of the viewer's wait, the files are
  // polled and the program ended once they hold their bytes (or after a minute).
  bool RunUntilComplete(ui::Button& button, const Files& files) {
    bool complete = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    std::function<void()> poll = [&] {
      complete = std::all_of(files.begin(), files.end(),
                             [&](const auto& f) { return Read(run + "/" + f.first) == f.second; });
      if (complete || std::chrono::steady_clock::now() > deadline) {
        testsupport::WriteFile(run + "/stop", "");
      } else {
        ui::Post(poll);
      }
    };
    ui::Post(poll);
    button.Click();
    return complete;
  }

  sampledata::SampleData sample;
};

TEST_F(ViewerEndToEnd, CardpullAndPricepullThenEveryRaceOfTheDay) {
  Start();
  form->Show();
  ASSERT_EQ(form->ComboBox1.Text(), "2016/03/26");
  ASSERT_EQ(Texts(), std::vector<std::string>{viewer::kNoRaceFileMessage});
  messages.Clear();

  ASSERT_TRUE(RunUntilComplete(form->Button3, expectedfiles::CardFiles(sample, kDay)))
      << "cardpull wrote no full card";
  EXPECT_EQ(base::ReadFileBytes(run + "/cardpull.args"), "20160326\n");
  form->ComboBox1.Pick(0);  // the racecourses of the fetched card
  ASSERT_TRUE(RunUntilComplete(
      form->Button2,
      expectedfiles::OddsFiles(sample, kDay, expectedfiles::Unannounced::kEmptyFiles)))
      << "pricepull wrote no full odds";
  EXPECT_EQ(base::ReadFileBytes(run + "/pricepull.args"), "20160326\n");
  EXPECT_TRUE(form->Enabled());
  EXPECT_FALSE(form->Topmost());

  int races = 0;
  for (int t = 1; t <= 3; ++t) {
    if (viewer::GetTrackCaption(t) == " ") continue;
    viewer::CheckTrackButton(t);
    for (int r = 1; r <= 12; ++r) {
      if (viewer::GetRaceCaption(r) == " ") continue;
      viewer::CheckRaceButton(r);
      ASSERT_TRUE(Texts().empty()) << Texts()[0];
      ++races;
      const viewer::RaceOddsRecord& race = State.CurrentRace;
      const std::string key = race.RaceKey();
      auto it = std::find_if(sample.races.begin(), sample.races.end(),
                             [&](const sampledata::Race& s) { return s.Key() == key; });
      ASSERT_NE(it, sample.races.end()) << key;
      EXPECT_EQ(race.RunnerCount(), static_cast<int>(it->runners.size()));
      EXPECT_SJIS_EQ(it->runners[0].name.substr(0, 18), race.HorseName(1));
      EXPECT_EQ(base::ReadFileBytes(viewer::RaceRecordPath(State.DayWorkFolder, key)),
                race.bytes());

      // The same files through the record functions alone give the same record.
      const std::string work = dir / ("expected/" + key);
      viewer::RaceOddsRecord expected;
      const std::string race_file = State.DayDataFolder + "/" + State.RaceFileName;
      viewer::RefreshRaceHeaders(base::ReadLines(race_file), base::FileAgeDos(race_file), work,
                                 expected);
      viewer::LoadChosenRace(
          {State.DayDataFolder, work, State.ChosenFileDate, State.ChosenTrackCode,
           State.ChosenMeetingDay, r, State.TimingFilePath},
          expected);
      EXPECT_EQ(expected.bytes(), race.bytes()) << key;

      // The second time is the last filled snapshot; its win votes are those of the
      // odds line announced at its time.
      const int s = State.Time2Snapshot;
      ASSERT_GE(s, 1);
      const std::string hhmm = race.Label(s).substr(1);
      const std::string jd = viewer::OddsFilePath(State.DayDataFolder, "JD", key);
      std::string votes;
      for (const std::string& line : base::ReadLines(jd)) {
        const std::vector<std::string> fields = base::SplitCsvLine(line);
        if (fields.at(2).substr(4) == hhmm) votes = fields.at(4);
      }
      EXPECT_EQ(form->Edit1.Text(), viewer::VoteFieldText(std::stoi(votes))) << key;
      EXPECT_EQ(viewer::GetTime2Caption(State.ChosenTime2Button),
                viewer::TimeButtonCaption(race.Label(s)));
    }
  }
  EXPECT_EQ(races, static_cast<int>(sample.races.size()));
  EXPECT_EQ(base::ListEntries(State.DayWorkFolder).size(), sample.races.size());
}

}  // namespace
