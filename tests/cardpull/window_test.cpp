// cardpull's windows in-process, against the recorded-data stand-in.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "base/files.h"
#include "fetch/cardpull/Unit1.h"
#include "tests/storepull/fetch_fakes.h"
#include "tests/storepull/sample_card.h"
#include "tests/storepull/window_fixture.h"
#include "tests/support/sjis_assert.h"
#include "tests/support/temp_dir.h"

namespace cardpull {
namespace {

using testsupport::WriteFile;

using fetchtest::WatchedJVLink;

class CardPullWindow : public fetchtest::FetchWindowTest<TfrmMain> {
 protected:
  CardPullWindow() : day(fetchtest::MakeDayRecords({2016, 3, 5}, 2, '2', '1')) {
    for (std::size_t i = 0; i < day.size(); ++i) {
      std::vector<std::string> records = {day[i].race};
      records.insert(records.end(), day[i].runners.begin(), day[i].runners.end());
      records.push_back(day[i].payoff);
      WriteFile(dir / ("jvlink/realtime/0B15/20160305/race" + std::to_string(i) + ".txt"),
                fetchtest::RecordLines(records));
    }
  }

  // The window as the program makes it for the argument; the show handler runs the fetch.
  TfrmMain& Show(const std::string& argument = "20160305",
                 std::function<void(WatchedJVLink&, TfrmMain&)> watch = {}) {
    form = std::make_unique<TfrmMain>(Watched(), argument);
    if (watch) watch(*calls, *form);
    form->Show();
    return *form;
  }
  std::string Races() const {
    std::string out;
    for (const auto& r : day) out += fetchtest::RaceLineBytes(r.race);
    return out;
  }

  std::vector<fetchtest::RaceRecords> day;
};

TEST_F(CardPullWindow, ShownWindowFetchesTheCardInAModalDialog) {
  std::vector<std::string> seen;
  TfrmMain& f = Show("20160305", [&](WatchedJVLink& jv, TfrmMain& main) {
    jv.on_open = [&] {
      fetch::ReadingDialog* d = main.view.dialog();
      seen = {main.Enabled() ? "main enabled" : "main disabled",
              main.Topmost() ? "topmost" : "not topmost",
              d && d->Visible() && d->IsModal() ? "dialog modal" : "no dialog",
              d ? d->Caption() : "",
              d && d->GetCursor() == ui::Cursor::kAppStart ? "busy" : "normal",
              main.Panel1.Text()};
    };
  });
  EXPECT_EQ((std::vector<std::string>{
                "main disabled", "topmost", "dialog modal", "Cardpull - データ読み込み中", "busy",
                "開催日を選択して「データ取り込み」をクリックしてください。"}),
            seen);
  EXPECT_SJIS_EQ("Vantrel - 最新情報の取得（Through JVLink）1.07a", f.Caption());
  EXPECT_SJIS_EQ("JVLink Read Status", f.GroupBox1.Caption());
  EXPECT_SJIS_EQ("画面を閉じる", f.Button1.Caption());
  EXPECT_FALSE(f.txtOut.Visible());
  EXPECT_SJIS_EQ("開催情報を全て取り込みました。", f.Panel1.Text());
  EXPECT_SJIS_EQ(Races(), base::ReadFileBytes(Work("jv_data/20160305/DG160305.CSV")));
  EXPECT_NE(std::string::npos,
            f.txtOut.Text().find("JVRead EndOfFile :0\r\nJVClose正常終了:0\r\n"));
  EXPECT_TRUE(f.Enabled());
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(nullptr, f.view.dialog());
  EXPECT_EQ("0B15", f.DataSpec);
  EXPECT_EQ("20160305", f.Key);
  EXPECT_TRUE(messages.messages().empty());

  f.Button1.Click();
  EXPECT_FALSE(f.Visible());
}

TEST_F(CardPullWindow, FailedInitIsOnlyLogged) {
  WriteFile(dir / "jvlink/faults.csv", "JVInit,1,-101\n");
  TfrmMain& f = Show();
  EXPECT_SJIS_EQ("JVInitエラー:-101\r\n", f.txtOut.Text());
  EXPECT_SJIS_EQ("開催日を選択して「データ取り込み」をクリックしてください。", f.Panel1.Text());
  EXPECT_FALSE(f.Topmost());
  EXPECT_EQ(1u, calls->calls.size());
  EXPECT_TRUE(f.Visible());
}

TEST_F(CardPullWindow, ArgumentThatIsNoRaceDayIsRefused) {
  TfrmMain& f = Show("../x");
  EXPECT_SJIS_EQ("開催日の指定が正しくありません（yyyymmdd）：../x", f.Panel1.Text());
  EXPECT_TRUE(base::ListEntries(Work("")).empty());
  EXPECT_EQ(1u, calls->calls.size());
}

TEST_F(CardPullWindow, FailedOpenIsShownAndTheWindowStays) {
  TfrmMain& f = Show("20160306");  // no card recorded for that day
  EXPECT_SJIS_EQ("VJ-Linkがオープンできません。", f.Panel1.Text());
  EXPECT_EQ("JVClose", calls->calls.back());
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(nullptr, f.view.dialog());
}

TEST_F(CardPullWindow, CloseDuringTheFetchLetsTheCardBeReadToItsEnd) {
  // The dialog's close box: the card is read to its end, then the dialog closes.
  TfrmMain& f = Show("20160305", [](WatchedJVLink& jv, TfrmMain& main) {
    jv.on_read = [&] {
      if (main.view.dialog()) main.view.dialog()->Close();
    };
  });
  EXPECT_SJIS_EQ(Races(), base::ReadFileBytes(Work("jv_data/20160305/DG160305.CSV")));
  EXPECT_SJIS_EQ("開催情報を全て取り込みました。", f.Panel1.Text());
  EXPECT_TRUE(f.Visible());

  // The main window's close box: the same, then the window closes.
  TfrmMain& g = Show("20160305",
                     [](WatchedJVLink& jv, TfrmMain& main) { jv.on_read = [&] { main.Close(); }; });
  EXPECT_SJIS_EQ(Races(), base::ReadFileBytes(Work("jv_data/20160305/DG160305.CSV")));
  EXPECT_FALSE(g.Visible());
  EXPECT_EQ("JVClose", calls->calls.back());
}

}  // namespace
}  // namespace cardpull
