// End to end on the sample data: the viewer starts the real cardpull and pricepull as it
// always does (bare names in its current directory, the day as the argument), then the
// racecourse and race choices turn their files into the race records, and the three
// analysis windows show the race of the most runners as worked out here from its record
// alone, with the payoffs of the day's payoff file. The fetch programs
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
#include "tests/viewer/analysis_window.h"
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

// The analysis windows' tables checked against the record alone, worked out here.
void ExpectHorseTable(const viewer::TForm2& w, const viewer::RaceOddsRecord& race, int t1, int t2) {
  const int n = race.RunnerCount();
  std::vector<float> odds, before;
  for (int k = 1; k <= n; ++k) {
    odds.push_back(race.OddsWin(t2, k));
    before.push_back(race.OddsWin(t1, k));
  }
  const std::vector<double> shares = viewertest::ExpectedShares(odds);
  const std::vector<double> earlier = viewertest::ExpectedShares(before);
  const std::vector<int> brackets = viewertest::CardBrackets(n);
  int last_rank = 0;
  for (int row = 1; row <= n; ++row) {
    const int rank = std::stoi(w.StringGrid1.Cell(6, row));
    EXPECT_LE(last_rank, rank) << "rows by win rank";
    last_rank = rank;
  }
  for (int k = 1; k <= n; ++k) {
    SCOPED_TRACE(k);
    const int row = viewertest::RowOfHorse(w.StringGrid1, 1, k, n);
    ASSERT_GE(row, 1);
    auto cell = [&](int col) { return w.StringGrid1.Cell(col, row); };
    EXPECT_SJIS_EQ(viewertest::kFullWidthDigits[brackets[static_cast<std::size_t>(k - 1)]],
                   cell(0));
    const float o = odds[static_cast<std::size_t>(k - 1)];
    if (o > 10000) {
      EXPECT_SJIS_EQ(" ﾄﾘｹｼ", cell(7));
      continue;
    }
    EXPECT_EQ(cell(7), viewertest::Printf("%6.1f", o));
    const std::size_t i = static_cast<std::size_t>(k - 1);
    EXPECT_NEAR(std::stod(cell(8)), shares[i], 0.0051);
    if (o != 0) {
      EXPECT_NEAR(std::stod(cell(13)), shares[i] - earlier[i], 0.0101);
    }
    EXPECT_SJIS_EQ(o == 0 ? "トリケシ" : race.JockeyName(k), cell(15));
    const int finish = race.FinishOrder(k);
    EXPECT_EQ(cell(18), finish == 0 ? " " : viewertest::FormatInt("%3d", finish));
  }
}

void ExpectQuinellaTable(const viewer::TForm3& w, const viewer::RaceOddsRecord& race, int t2) {
  const int n = race.RunnerCount();
  std::vector<int> h(1, 0);
  for (int row = 1; row <= n; ++row) h.push_back(std::stoi(w.StringGrid1.Cell(5, row)));
  for (int r = 1; r <= n; ++r) {
    SCOPED_TRACE(h[r]);
    const float o = race.OddsWin(t2, h[r]);
    int popularity = 1;
    for (int m = 1; m <= n; ++m) popularity += race.OddsWin(t2, m) < o || o == 0 ? 1 : 0;
    EXPECT_EQ(w.StringGrid1.Cell(0, r), viewertest::FormatInt("%2d", popularity));
    EXPECT_EQ(w.StringGrid1.Cell(1, r), viewertest::Printf("%6.1f", o));
    EXPECT_EQ(w.StringGrid1.Cell(3, r), viewertest::Printf("%6.2f", race.QuinellaShare(t2, h[r])));
    EXPECT_EQ(std::stoi(w.StringGrid1.Cell(5 + r, 0)), h[r]);
    for (int c = 1; c < r; ++c) {
      const float pair = race.OddsQuinella(t2, std::min(h[r], h[c]), std::max(h[r], h[c]));
      EXPECT_EQ(w.StringGrid1.Cell(5 + c, r), viewertest::Printf("%7.1f", pair)) << c;
    }
  }
}

void ExpectBracketTable(const viewer::TForm4& w, const viewer::RaceOddsRecord& race, int t2) {
  const int n = race.RunnerCount();
  const std::vector<int> brackets = viewertest::CardBrackets(n);
  for (int row = 1; row <= std::min(n, 8); ++row) {
    const int b = std::stoi(w.StringGrid1.Cell(8, row));
    SCOPED_TRACE(b);
    std::vector<int> horses;
    double share = 0;
    for (int k = 1; k <= n; ++k) {
      if (brackets[static_cast<std::size_t>(k - 1)] != b) continue;
      horses.push_back(k);
      share += race.QuinellaShare(t2, k);
    }
    // The favourite: of two the lower odds (the second on equal odds), of three the lowest
    // (the first on equal odds).
    int favourite = horses[0];
    for (int k : horses) {
      const float a = race.OddsWin(t2, k), f = race.OddsWin(t2, favourite);
      if (horses.size() == 2 ? a <= f : a < f) favourite = k;
    }
    EXPECT_EQ(w.StringGrid1.Cell(1, row), viewertest::FormatInt("%2d", favourite));
    EXPECT_EQ(w.StringGrid1.Cell(2, row), viewertest::Printf("%6.1f", race.OddsWin(t2, favourite)));
    EXPECT_NEAR(std::stod(w.StringGrid1.Cell(4, row)), share, 0.0051);
    const float bracket_share =
        n <= 8 ? race.QuinellaShare(t2, b) : race.BracketQuinellaShare(t2, b);
    EXPECT_EQ(w.StringGrid1.Cell(6, row), viewertest::Printf("%6.2f", bracket_share));
  }
}

// The payoff memo's win and quinella lines from the race's line of the payoff file (every
// race of the sample day has been run).
void ExpectPayoffMemo(const viewer::TForm2& w, const std::string& payoff_file,
                      const std::string& key) {
  std::vector<std::string> f;
  for (const std::string& line : base::ReadLines(payoff_file)) {
    std::vector<std::string> fields = base::SplitCsvLine(line);
    if (fields.at(0).substr(0, 16) == key) f = fields;
  }
  ASSERT_FALSE(f.empty()) << "no payoff line for " << key;
  auto yen = [](const std::string& amount) {
    std::string digits = std::to_string(std::stoll(amount));
    for (int p = static_cast<int>(digits.size()) - 3; p > 0; p -= 3) digits.insert(p, ",");
    return "￥" + digits;
  };
  auto line = [&](std::string text, int first, int entries, const std::string& none) {
    for (int e = 0; e < entries; ++e) {
      const std::string& combination = f.at(static_cast<std::size_t>(first + 2 * e));
      if (combination == none) continue;
      text += combination + ":" + yen(f.at(static_cast<std::size_t>(first + 2 * e + 1))) + " ";
    }
    return text;
  };
  ASSERT_EQ(w.Memo1.Lines().size(), 8u);
  EXPECT_SJIS_EQ(line("[単] ", 7, 3, "  "), w.Memo1.Lines()[0]);
  EXPECT_SJIS_EQ(line("[馬] ", 29, 3, "  -  "), w.Memo1.Lines()[3]);
  EXPECT_EQ(w.Memo1.FontColor(), ui::kBlue);
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
  std::pair<int, int> largest{0, 0};  // the racecourse and race of the most runners
  int most_runners = 0;
  for (int t = 1; t <= 3; ++t) {
    if (viewer::GetTrackCaption(t) == " ") continue;
    viewer::CheckTrackButton(t);
    for (int r = 1; r <= 12; ++r) {
      if (viewer::GetRaceCaption(r) == " ") continue;
      viewer::CheckRaceButton(r);
      ASSERT_TRUE(Texts().empty()) << Texts()[0];
      ++races;
      const viewer::RaceOddsRecord& race = State.CurrentRace;
      if (race.RunnerCount() > most_runners) {
        most_runners = race.RunnerCount();
        largest = {t, r};
      }
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

  // The three analysis windows on the race of the most runners, first against last time.
  viewer::CheckTrackButton(largest.first);
  viewer::CheckRaceButton(largest.second);
  form->Button4.Click();
  form->Button5.Click();
  form->Button6.Click();
  ASSERT_TRUE(viewer::Form2 && viewer::Form3 && viewer::Form4);
  const viewer::RaceOddsRecord& race = State.CurrentRace;
  ASSERT_EQ(race.RunnerCount(), most_runners);
  {
    SCOPED_TRACE("per-horse");
    ExpectHorseTable(*viewer::Form2, race, State.Time1Snapshot, State.Time2Snapshot);
  }
  {
    SCOPED_TRACE("quinella");
    ExpectQuinellaTable(*viewer::Form3, race, State.Time2Snapshot);
  }
  {
    SCOPED_TRACE("bracket");
    ExpectBracketTable(*viewer::Form4, race, State.Time2Snapshot);
  }
  ExpectPayoffMemo(*viewer::Form2, State.DayDataFolder + "/DH160326.CSV", race.RaceKey());
  EXPECT_TRUE(Texts().empty());
}

}  // namespace
