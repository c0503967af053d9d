// storepull's windows in-process, against the recorded-data stand-in: the start date and
// storepull.cfg, the start button, the modal reading dialog and the ways to close.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "base/errors.h"
#include "base/files.h"
#include "fetch/storepull/Unit1.h"
#include "tests/storepull/fetch_fakes.h"
#include "tests/storepull/sample_card.h"
#include "tests/storepull/window_fixture.h"
#include "tests/support/sjis_assert.h"
#include "tests/support/temp_dir.h"

namespace storepull {
namespace {

using testsupport::WriteFile;

using fetchtest::WatchedJVLink;

class StorePullWindow : public fetchtest::FetchWindowTest<TfrmMain> {
 protected:
  StorePullWindow() : day(fetchtest::MakeDayRecords({2016, 5, 14}, 2)) {
    base::SetClock([] { return base::DateTime{{2016, 6, 1}, 12, 0, 0}; });
  }
  ~StorePullWindow() override { base::SetClock({}); }

  void AddFiles(bool download = false) {
    std::vector<std::string> runners;
    for (const auto& r : day) runners.insert(runners.end(), r.runners.begin(), r.runners.end());
    std::string m = download ? ",download" : "";
    WriteFile(
        dir / "jvlink/stored/RACE/files.csv",
        "RADT20160514.txt,20160514170000" + m + "\r\nSEDT20160514.txt,20160514170500" + m + "\r\n");
    WriteFile(dir / "jvlink/stored/RACE/RADT20160514.txt",
              fetchtest::RecordLines({day[0].race, day[1].race}));
    WriteFile(dir / "jvlink/stored/RACE/SEDT20160514.txt", fetchtest::RecordLines(runners));
  }

  // The main window, shown as the program shows it.
  TfrmMain& Start() {
    form = std::make_unique<TfrmMain>(Watched());
    form->reading_options.poll_milliseconds = 1;
    form->Show();
    return *form;
  }
  std::vector<std::string> Opens() const {
    std::vector<std::string> out;
    for (const std::string& c : calls->Outline()) {
      if (c.compare(0, 6, "JVOpen") == 0) out.push_back(c);
    }
    return out;
  }

  std::vector<fetchtest::RaceRecords> day;
};

TEST_F(StorePullWindow, FirstStartShowsOneMonthBackAndFetchesFromThatDay) {
  AddFiles();
  TfrmMain& f = Start();
  EXPECT_SJIS_EQ("Vantrel - レース情報の取得（Through JVLink）1.07a", f.Caption());
  EXPECT_TRUE(f.Topmost());
  EXPECT_FALSE(f.txtOut.Visible());
  EXPECT_SJIS_EQ("データ取込み", f.ButtonJVLinkDialog.Caption());
  EXPECT_SJIS_EQ("JVLink設定", f.ButtonJVSetUIProperties.Caption());
  EXPECT_SJIS_EQ("Race Information", f.GroupBox1.Caption());
  EXPECT_SJIS_EQ("取得開始日：", f.Label2.Caption());
  EXPECT_SJIS_EQ("（最終データ取得日が表示されています）", f.Label1.Caption());
  EXPECT_SJIS_EQ("Read Status &", f.GroupBox2.Caption());
  EXPECT_SJIS_EQ("画面を閉じる", f.Button1.Caption());
  EXPECT_SJIS_EQ("前回の続きからのデータ取得はそのまま「データ取り込み」をクリック",
                 f.Panel1.Text());
  EXPECT_EQ((base::Date{2016, 5, 1}), f.DateTimePicker1.Date());

  f.ButtonJVLinkDialog.Click();
  EXPECT_EQ((std::vector<std::string>{"JVOpen RACE 20160501000000 1"}), Opens());
  EXPECT_SJIS_EQ("開催情報を全て取り込みました。", f.Panel1.Text());
  EXPECT_EQ("20160514170500", f.ResumeStamp);
  EXPECT_EQ((base::Date{2016, 5, 14}), f.DateTimePicker1.Date());  // the last file's date
  EXPECT_SJIS_EQ(fetchtest::RaceLineBytes(day[0].race) + fetchtest::RaceLineBytes(day[1].race),
                 base::ReadFileBytes(Work("jv_data/20160514/DG160514.CSV")));
  EXPECT_TRUE(messages.messages().empty());
}

TEST_F(StorePullWindow, UnchangedStartDateResumesAtTheStamp) {
  AddFiles();
  WriteResumeStamp(Work("storepull.cfg"), "20160514170000");
  TfrmMain& f = Start();
  EXPECT_EQ((base::Date{2016, 5, 14}), f.DateTimePicker1.Date());
  EXPECT_EQ("20160514170000", f.ResumeStamp);

  f.ButtonJVLinkDialog.Click();  // only the runner file is newer than the stamp
  EXPECT_NE(std::string::npos, f.txtOut.Text().find("ReadCount:1,"));
  EXPECT_EQ("20160514170500", f.ResumeStamp);
  f.ButtonJVLinkDialog.Click();  // the picker shows the stamp's date: nothing newer
  EXPECT_SJIS_EQ("新たな開催情報はありません", f.Panel1.Text());
  f.DateTimePicker1.SetDate({2016, 5, 13});
  f.ButtonJVLinkDialog.Click();  // another date: from the beginning of that day
  EXPECT_EQ(
      (std::vector<std::string>{"JVOpen RACE 20160514170000 1", "JVOpen RACE 20160514170500 1",
                                "JVOpen RACE 20160513000000 1"}),
      Opens());
  EXPECT_EQ(3, calls->Count("JVInit SA402917/SD615038/Vantrel/2016"));
  EXPECT_EQ(3, calls->Count("JVClose"));
}

TEST_F(StorePullWindow, CloseButtonWritesTheStampTheCloseBoxDoesNot) {
  AddFiles();
  Start().ButtonJVLinkDialog.Click();
  form->Close();  // the close box
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(base::FileExists(Work("storepull.cfg")));

  Start().ButtonJVLinkDialog.Click();
  form->Button1.Click();
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(std::string("\x0e"
                        "20160514170500",
                        15),
            base::ReadFileBytes(Work("storepull.cfg")));
}

TEST_F(StorePullWindow, CloseButtonWritesBackTheStampThatWasReadAndNoEmptyOne) {
  Start().Button1.Click();  // no file, no fetch: nothing to write
  EXPECT_FALSE(base::FileExists(Work("storepull.cfg")));

  WriteFile(Work("storepull.cfg"), std::string("\x08"
                                               "20160514xxxxxx",
                                               15));
  Start().Button1.Click();
  EXPECT_EQ(std::string("\x08"
                        "20160514\0\0\0\0\0\0",
                        15),
            base::ReadFileBytes(Work("storepull.cfg")));

  // A fetch that ends without a last stamp empties the stamp: the file stays as it was.
  AddFiles();
  WriteFile(dir / "jvlink/faults.csv", "JVRead,2,-502\n");
  Start().ButtonJVLinkDialog.Click();
  form->Button1.Click();
  EXPECT_EQ(std::string("\x08"
                        "20160514\0\0\0\0\0\0",
                        15),
            base::ReadFileBytes(Work("storepull.cfg")));
}

TEST_F(StorePullWindow, DamagedConfigIsShownAndTheStartDateFallsBack) {
  WriteFile(Work("storepull.cfg"), std::string("\x0e"
                                               "2016AB14170000",
                                               15));
  TfrmMain& f = Start();
  EXPECT_SJIS_EQ(
      "storepull.cfgの日付が正しくありません（2016AB14170000）。取得開始日を1か月前にしました",
      f.Panel1.Text());
  EXPECT_EQ((base::Date{2016, 5, 1}), f.DateTimePicker1.Date());
  EXPECT_TRUE(f.Topmost());
}

// Only a storepull.cfg that is not there is missing. One that cannot be read (a file whose
// reading fails: the process's memory at address 0), cannot be looked at (a link to
// itself) or is a folder is told in a box, before the window is made topmost, and the start
// date is the one of a missing file; closing writes nothing over it.
TEST_F(StorePullWindow, AConfigThatCannotBeReadIsToldAndTheStartDateFallsBack) {
  const std::string loop = Work("loop.cfg");
  std::filesystem::create_symlink("loop.cfg", loop);
  base::MakeDirs(Work("folder.cfg"));
  for (const std::string& config : {std::string("/proc/self/mem"), loop, Work("folder.cfg")}) {
    SCOPED_TRACE(config);
    messages.Clear();
    bool topmost_when_told = true;
    messages.on_message = [&](const ui::Message&) { topmost_when_told = form->Topmost(); };
    form = std::make_unique<TfrmMain>(Watched(), config);
    form->Show();
    ASSERT_EQ(1u, messages.messages().size());
    EXPECT_EQ(ui::MessageKind::kError, messages.messages()[0].kind);
    const std::string& text = messages.messages()[0].text;
    EXPECT_NE(std::string::npos, text.find("\"" + config + "\"")) << text;
    EXPECT_NE(std::string::npos, text.find("取得開始日を1か月前にしました")) << text;
    EXPECT_FALSE(topmost_when_told);
    EXPECT_TRUE(form->Topmost());
    EXPECT_EQ((base::Date{2016, 5, 1}), form->DateTimePicker1.Date());
    EXPECT_TRUE(form->ResumeStamp.empty());
    form->Button1.Click();
    EXPECT_EQ(1u, messages.messages().size());
    messages.on_message = nullptr;
  }
  EXPECT_TRUE(std::filesystem::is_symlink(loop));
  EXPECT_TRUE(base::DirExists(Work("folder.cfg")));
}

TEST_F(StorePullWindow, FailedWriteOfTheConfigIsShownAndTheWindowStays) {
  AddFiles();
  TfrmMain& f = Start();
  f.ButtonJVLinkDialog.Click();
  base::MakeDirs(Work("storepull.cfg/x"));  // a folder where the file goes
  f.Button1.Click();
  ASSERT_EQ(1u, messages.messages().size());
  EXPECT_EQ(ui::MessageKind::kError, messages.messages()[0].kind);
  EXPECT_NE(std::string::npos, messages.messages()[0].text.find("storepull.cfg"));
  EXPECT_TRUE(f.Visible());
}

TEST_F(StorePullWindow, SettingsButtonShowsTheComponentDialogWithoutJVInit) {
  WriteFile(dir / "jvlink/faults.csv", "JVSetUIProperties,2,-100\n");
  TfrmMain& f = Start();
  f.ButtonJVSetUIProperties.Click();
  ASSERT_EQ(1u, messages.messages().size());
  EXPECT_NE(std::string::npos, messages.messages()[0].text.find("JVLink（記録データ版）"));
  EXPECT_SJIS_EQ("JVSetUIProperties正常終了:0\r\n", f.txtOut.Text());
  EXPECT_EQ((std::vector<std::string>{"JVSetUIProperties"}), calls->calls);

  f.ButtonJVSetUIProperties.Click();
  EXPECT_SJIS_EQ("JVSetUIProperties正常終了:0\r\nJVSetUIPropertiesエラー:-100\r\n",
                 f.txtOut.Text());
}

TEST_F(StorePullWindow, ReadingDialogIsModalOverTheDisabledMainWindow) {
  AddFiles(true);
  TfrmMain& f = Start();
  std::vector<std::string> seen;
  calls->on_read = [&] {
    if (!seen.empty()) return;
    fetch::ReadingDialog* d = f.view.dialog();
    seen = {f.Enabled() ? "main enabled" : "main disabled",
            d && d->Visible() && d->IsModal() ? "dialog modal" : "no dialog", d ? d->Caption() : "",
            d && d->GetCursor() == ui::Cursor::kAppStart ? "busy" : "normal", f.Panel1.Text()};
  };
  f.ButtonJVLinkDialog.Click();
  EXPECT_EQ((std::vector<std::string>{"main disabled", "dialog modal", "ダウンロード中．．．(2/2)",
                                      "busy", "データを登録中です"}),
            seen);
  EXPECT_TRUE(f.Enabled());
  EXPECT_EQ(nullptr, f.view.dialog());
  EXPECT_SJIS_EQ("開催情報を全て取り込みました。", f.Panel1.Text());
  EXPECT_TRUE(f.Visible());
}

TEST_F(StorePullWindow, FailedInitShowsNoDialog) {
  AddFiles();
  WriteFile(dir / "jvlink/faults.csv", "JVInit,1,-101\n");
  TfrmMain& f = Start();
  f.ButtonJVLinkDialog.Click();
  EXPECT_SJIS_EQ("SiDの設定が無いか、値が正しくありません", f.Panel1.Text());
  EXPECT_SJIS_EQ("JVInitエラー:-101\r\n", f.txtOut.Text());
  EXPECT_EQ(1u, calls->calls.size());
  f.ButtonJVLinkDialog.Click();  // the user may try again
  EXPECT_SJIS_EQ("開催情報を全て取り込みました。", f.Panel1.Text());
}

TEST_F(StorePullWindow, DialogCloseBoxStopsTheFetchAtTheEndOfTheFile) {
  AddFiles();
  TfrmMain& f = Start();
  calls->on_read = [&] {
    if (f.view.dialog()) f.view.dialog()->Close();
  };
  f.ButtonJVLinkDialog.Click();
  EXPECT_SJIS_EQ("データの取得を中止しました", f.Panel1.Text());
  EXPECT_EQ("", f.ResumeStamp);
  EXPECT_TRUE(base::FileExists(Work("jv_data/20160514/DG160514.CSV")));
  EXPECT_FALSE(base::FileExists(Work("jv_data/20160514/DE160514.CSV")));
  EXPECT_EQ(nullptr, f.view.dialog());
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ("JVClose", calls->calls.back());
}

TEST_F(StorePullWindow, MainCloseBoxDuringTheFetchClosesTheWindowAfterIt) {
  AddFiles();
  TfrmMain& f = Start();
  calls->on_read = [&] { f.Close(); };
  f.ButtonJVLinkDialog.Click();
  EXPECT_FALSE(f.Visible());
  EXPECT_EQ("JVClose", calls->calls.back());
  EXPECT_TRUE(base::FileExists(Work("jv_data/20160514/DG160514.CSV")));
  EXPECT_FALSE(base::FileExists(Work("storepull.cfg")));
}

TEST_F(StorePullWindow, FailureBelowTheResultsIsShownAndTheDialogStillCloses) {
  AddFiles();
  TfrmMain& f = Start();
  calls->on_read = [&] {
    calls->on_read = nullptr;
    throw base::Error("the component failed");
  };
  f.ButtonJVLinkDialog.Click();
  ASSERT_EQ(1u, messages.messages().size());
  EXPECT_EQ("the component failed", messages.messages()[0].text);
  EXPECT_EQ(nullptr, f.view.dialog());
  EXPECT_TRUE(f.Enabled());
  EXPECT_TRUE(f.Visible());
}

}  // namespace
}  // namespace storepull
