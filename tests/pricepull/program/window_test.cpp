// pricepull's window in-process, against the recorded-data stand-in on sample data: a run
// at every activation, never inside a running one, and closing during a run.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "base/files.h"
#include "fetch/pricepull/OddsFetch.h"
#include "fetch/pricepull/Unit1.h"
#include "tests/storepull/fetch_fakes.h"
#include "tests/storepull/sample_card.h"
#include "tests/storepull/window_fixture.h"
#include "tests/support/sjis_assert.h"
#include "tests/support/temp_dir.h"
#include "tools/sampledata/sample_data.h"
#include "ui/application.h"

namespace pricepull {
namespace {

using testsupport::WriteFile;

using fetchtest::WatchedJVLink;

class PricePullWindow : public fetchtest::FetchWindowTest<TForm1> {
 protected:
  PricePullWindow() {
    sampledata::SampleOptions options;
    options.race_day = base::Date{2016, 3, 5};
    options.now = base::DateTime{{2016, 3, 5}, 18, 0, 0};
    options.courses = 2;
    options.races_per_course = 1;
    options.stored_days = 0;
    sampledata::SampleData sample = sampledata::MakeSampleData(options);
    sampledata::WriteSampleData(dir / "jvlink", sample);
    std::string lines;
    for (const sampledata::Race& race : sample.races) {
      keys.push_back(race.Key());
      lines += fetchtest::RaceLineBytes(sampledata::RaceRecord(race, '1'));
    }
    WriteFile(Work("jv_data/20160305/DG160305.CSV"), lines);
  }

  TForm1& Make(const std::string& argument = "20160305") {
    form = std::make_unique<TForm1>(Watched(), argument);
    return *form;
  }
  bool Exists(const std::string& path) const { return base::PathExists(Work(path)); }

  std::vector<std::string> keys;
};

TEST_F(PricePullWindow, ActivationRunsTheWholeFetch) {
  TForm1& f = Make();
  EXPECT_SJIS_EQ("Vantrel - オッズ情報の取得（Through JVLink）1.02a", f.Caption());
  EXPECT_EQ(505, f.ClientWidth());
  EXPECT_EQ(96, f.ClientHeight());
  EXPECT_SJIS_EQ("JVLink Read Status", f.GroupBox1.Caption());
  EXPECT_SJIS_EQ("Panel1", f.Panel1.Text());
  EXPECT_SJIS_EQ("画面を閉じる", f.Button1.Caption());
  EXPECT_EQ((ui::Bounds{16, 24, 353, 41}), f.Panel1.GetBounds());
  EXPECT_EQ((ui::Bounds{384, 32, 90, 25}), f.Button1.GetBounds());
  EXPECT_EQ(0, f.runs());

  f.Show();
  ui::ProcessMessages();
  EXPECT_EQ(1, f.runs());
  EXPECT_SJIS_EQ("時系列オッズの読み込みを完了しました", f.Panel1.Text());
  for (const std::string& key : keys) {
    for (const char* prefix : {"JD", "JW", "JR"}) {
      EXPECT_TRUE(Exists(OddsFilePath(key, prefix))) << key << prefix;
    }
  }
  EXPECT_TRUE(f.Visible());
  EXPECT_TRUE(messages.messages().empty());
}

TEST_F(PricePullWindow, EveryLaterActivationRunsAgainButNoneInsideARun) {
  TForm1& f = Make();
  ui::Form other;
  bool activated_inside = false;
  calls->on_read = [&] {
    if (activated_inside) return;
    activated_inside = true;  // the user activates another window and this one again
    other.Show();
    f.Activate();
  };
  f.Show();
  for (int i = 0; i < 5; ++i) ui::ProcessMessages();
  EXPECT_EQ(1, f.runs());
  EXPECT_EQ(1, calls->Count("JVInit SA402917/SD615038/Vantrel/2016"));

  other.Activate();
  ui::ProcessMessages();
  f.Activate();
  ui::ProcessMessages();
  EXPECT_EQ(2, f.runs());
  EXPECT_EQ(2, calls->Count("JVInit SA402917/SD615038/Vantrel/2016"));
  EXPECT_SJIS_EQ("時系列オッズの読み込みを完了しました", f.Panel1.Text());
}

TEST_F(PricePullWindow, CloseButtonDuringARunFinishesTheFetchThenCloses) {
  TForm1& f = Make();
  calls->on_read = [&] {
    if (f.Visible() && f.Running()) f.Button1.Click();
  };
  f.Show();
  ui::ProcessMessages();
  EXPECT_FALSE(f.Visible());
  EXPECT_TRUE(Exists(OddsFilePath(keys[0], "JD")));
  EXPECT_FALSE(Exists(OddsFilePath(keys[0], "JR")));
  EXPECT_EQ("JVClose", calls->calls.back());
  EXPECT_EQ(1, calls->Count("JVClose"));
}

TEST_F(PricePullWindow, FailuresOfTheRunAreShownInThePanel) {
  WriteFile(dir / "jvlink/faults.csv", "JVInit,1,-101\n");
  TForm1& f = Make();
  f.Show();
  ui::ProcessMessages();
  EXPECT_SJIS_EQ("JVInitエラー:-101", f.Panel1.Text());
  EXPECT_TRUE(f.Visible());

  WriteFile(dir / "jvlink/faults.csv", "");
  TForm1& g = Make("2016-3-5");
  g.Show();
  ui::ProcessMessages();
  EXPECT_SJIS_EQ("開催日の指定が正しくありません（yyyymmdd）：2016-3-5", g.Panel1.Text());
  EXPECT_FALSE(Exists("jv_data/2016-3-5"));
}

}  // namespace
}  // namespace pricepull
