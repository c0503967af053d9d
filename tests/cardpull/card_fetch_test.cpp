// cardpull's start and reading dialog against the recorded-data stand-in.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "base/files.h"
#include "fetch/cardpull/CardFetch.h"
#include "fetch/jvlink/RecordedJVLink.h"
#include "tests/storepull/fetch_fakes.h"
#include "tests/storepull/sample_card.h"
#include "tests/support/record_builder.h"
#include "tests/support/sjis_assert.h"
#include "tests/support/temp_dir.h"

namespace cardpull {
namespace {

using fetchtest::CallRecorder;
using fetchtest::RecordingView;
using testsupport::WriteFile;

constexpr char kDay[] = "20160305";
constexpr char kRaceFile[] = "jv_data/20160305/DG160305.CSV";
constexpr char kRunnerFile[] = "jv_data/20160305/DE160305.CSV";
constexpr char kPayoffFile[] = "jv_data/20160305/DH160305.CSV";

class CardFetch : public fetchtest::RecordedFetchTest {
 protected:
  CardFetch() : day(fetchtest::MakeDayRecords({2016, 3, 5}, 2, '2', '1')) {}

  // One recorded file of the day's card.
  void AddFile(const std::string& name, const std::vector<std::string>& records) {
    WriteFile(data() + "/realtime/0B15/" + kDay + "/" + name, fetchtest::RecordLines(records));
  }
  void AddCard() {
    for (std::size_t i = 0; i < day.size(); ++i) {
      std::vector<std::string> records = {day[i].race};
      records.insert(records.end(), day[i].runners.begin(), day[i].runners.end());
      records.push_back(day[i].payoff);
      AddFile("race" + std::to_string(i) + ".txt", records);
    }
  }

  // The main window's show handler up to the dialog, then the dialog.
  std::optional<RunEnd> Run(const std::string& key = kDay) {
    testsupport::ScopedCurrentDir cd(work());
    Connect();
    if (!InitJVLink(*calls, view) || !CheckKey(key, view)) return std::nullopt;
    return RunReadingDialog(*calls, view, key);
  }

  std::vector<fetchtest::RaceRecords> day;
};

TEST_F(CardFetch, WritesTheDayFilesOfTheWholeCard) {
  AddCard();
  EXPECT_EQ(RunEnd::kEndOfData, Run());

  std::string races, runners, payoffs;
  int records = 0;
  for (const auto& r : day) {
    races += fetchtest::RaceLineBytes(r.race);
    for (const std::string& s : r.runners) runners += fetchtest::RunnerLineBytes(s);
    payoffs += fetchtest::PayoffLineBytes(r.payoff);
    records += 2 + static_cast<int>(r.runners.size());
  }
  EXPECT_SJIS_EQ(races, Output(kRaceFile));
  EXPECT_SJIS_EQ(runners, Output(kRunnerFile));
  EXPECT_SJIS_EQ(payoffs, Output(kPayoffFile));

  EXPECT_SJIS_EQ(
      "JVInit正常終了:0\r\nJVRTOpen正常終了:0\r\nRead File:-1\r\nRead File:-1\r\n"
      "JVRead EndOfFile :0\r\nJVClose正常終了:0\r\n",
      view.log);
  std::vector<std::string> statuses;
  for (int i = 0; i < records; ++i) statuses.push_back("開催情報を取得中  " + std::to_string(i));
  statuses.push_back("開催情報を全て取り込みました。");
  EXPECT_EQ(statuses, view.Texts("status"));
  int first = 2 + static_cast<int>(day[0].runners.size());
  EXPECT_EQ((std::vector<std::string>{"データ読込み中．．．．0",
                                      "データ読込み中．．．．" + std::to_string(first),
                                      "データ読込み中．．．．" + std::to_string(records),
                                      "データ読込み完了．．．．" + std::to_string(records)}),
            view.Texts("caption"));
  EXPECT_EQ((std::vector<std::string>{"JVInit SA402917/SD615038/Vantrel/2016",
                                      "JVRTOpen 0B15 20160305", "JVClose"}),
            calls->Outline());
  EXPECT_EQ(calls->Count("JVRead 110000"), view.pumps);
  EXPECT_EQ("cursor:app", view.events[1]);
  EXPECT_EQ("cursor:normal", view.events[view.events.size() - 3]);
  EXPECT_EQ("close", view.events.back());
}

TEST_F(CardFetch, DayWithoutRecordsChangesNothing) {
  base::MakeDirs(data() + "/realtime/0B15/" + kDay);
  WriteFile(work() + "/" + kRaceFile, "old\r\n");
  EXPECT_EQ(RunEnd::kEndOfData, Run());
  EXPECT_EQ("old\r\n", Output(kRaceFile));
  EXPECT_FALSE(Exists(kRunnerFile));
  EXPECT_SJIS_EQ("開催情報を全て取り込みました。", view.LastStatus());
  EXPECT_SJIS_EQ("データ読込み完了．．．．0", view.Texts("caption").back());
}

TEST_F(CardFetch, DayFilesAreReplacedAtTheEndAndAnEmptyOneKeepsTheOld) {
  std::string we = testsupport::RecordBuilder(42).Set(1, "WE1").Set(12, day[0].key).str();
  std::string jg = testsupport::RecordBuilder(80).Set(1, "JG1").Set(12, day[0].key).str();
  AddFile("a.txt", {we});
  AddFile("b.txt", {jg, day[0].race});  // a file switch opens nothing new
  // Without old day files the run makes all three, the runner and payoff files empty.
  EXPECT_EQ(RunEnd::kEndOfData, Run());
  EXPECT_SJIS_EQ(fetchtest::RaceLineBytes(day[0].race), Output(kRaceFile));
  EXPECT_EQ("", Output(kRunnerFile));
  EXPECT_EQ("", Output(kPayoffFile));
  // Records of other kinds are counted.
  EXPECT_SJIS_EQ("データ読込み完了．．．．3", view.Texts("caption").back());
  EXPECT_SJIS_EQ("開催情報を取得中  2", view.Texts("status")[2]);

  // Over old day files, a file to which the run wrote no line keeps the old one.
  for (const char* f : {kRaceFile, kRunnerFile, kPayoffFile})
    WriteFile(work() + "/" + f, "old\r\n");
  view = RecordingView();
  EXPECT_EQ(RunEnd::kEndOfData, Run());
  EXPECT_SJIS_EQ(fetchtest::RaceLineBytes(day[0].race), Output(kRaceFile));
  EXPECT_EQ("old\r\n", Output(kRunnerFile));
  EXPECT_EQ("old\r\n", Output(kPayoffFile));
  EXPECT_EQ(3u, base::ListEntries(work() + "/jv_data/" + kDay).size());  // nothing temporary
}

TEST_F(CardFetch, FailedOpenIsShownAndJVCloseIsStillCalled) {
  for (const char* faults : {"", "JVRTOpen,1,-502\n"}) {
    Faults(faults);
    view = RecordingView();
    EXPECT_EQ(RunEnd::kOpenFailed, Run());  // no card recorded for the day: -1
    int rc = *faults ? -502 : -1;
    EXPECT_SJIS_EQ(
        "JVInit正常終了:0\r\nJVRTOpenエラー:" + std::to_string(rc) + "\r\nJVClose正常終了:0\r\n",
        view.log);
    EXPECT_SJIS_EQ("VJ-Linkがオープンできません。", view.LastStatus());
    EXPECT_EQ("JVClose", calls->calls.back());
    EXPECT_EQ("close", view.events.back());
    EXPECT_FALSE(Exists("jv_data"));
  }
}

TEST_F(CardFetch, ReadErrorMidwayKeepsThePreviousDayFilesWholeAndIsShown) {
  AddCard();
  EXPECT_EQ(RunEnd::kEndOfData, Run());
  const std::string races = Output(kRaceFile), runners = Output(kRunnerFile),
                    payoffs = Output(kPayoffFile);
  ASSERT_FALSE(runners.empty());
  // The next run fails after the first race and two of its runners.
  Faults("JVRead,4,-502\n");
  view = RecordingView();
  EXPECT_EQ(RunEnd::kReadError, Run());
  EXPECT_SJIS_EQ(races, Output(kRaceFile));
  EXPECT_SJIS_EQ(runners, Output(kRunnerFile));
  EXPECT_SJIS_EQ(payoffs, Output(kPayoffFile));
  EXPECT_EQ(3u, base::ListEntries(work() + "/jv_data/" + kDay).size());  // nothing temporary
  EXPECT_NE(std::string::npos, view.log.find("JVReadエラー:-502\r\nJVClose正常終了:0\r\n"));
  EXPECT_SJIS_EQ("JVReadエラー:-502   20160305", view.LastStatus());
  EXPECT_EQ("close", view.events.back());
}

TEST_F(CardFetch, RunKilledMidwayLeavesThePreviousDayFilesWhole) {
  AddCard();
  for (const char* f : {kRaceFile, kRunnerFile, kPayoffFile})
    WriteFile(work() + "/" + f, std::string("old ") + f + "\r\n");
  // Killed after the first race and some of its runners were written.
  EXPECT_TRUE(fetchtest::RunKilledAtPump(view, 5, [this] { Run(); }));
  for (const char* f : {kRaceFile, kRunnerFile, kPayoffFile})
    EXPECT_EQ(std::string("old ") + f + "\r\n", Output(f));
  EXPECT_EQ(3u, fetchtest::TemporaryFiles(work() + "/jv_data/" + kDay).size());

  // The next run replaces them whole and removes what the killed run left.
  view = RecordingView();
  EXPECT_EQ(RunEnd::kEndOfData, Run());
  std::string races;
  for (const auto& r : day) races += fetchtest::RaceLineBytes(r.race);
  EXPECT_SJIS_EQ(races, Output(kRaceFile));
  EXPECT_EQ(3u, base::ListEntries(work() + "/jv_data/" + kDay).size());
}

TEST_F(CardFetch, ReadErrorOnAFirstFetchLeavesNoDayFile) {
  AddCard();
  Faults("JVRead,3,-502\n");
  EXPECT_EQ(RunEnd::kReadError, Run());
  EXPECT_TRUE(base::ListEntries(work() + "/jv_data/" + kDay).empty());
  EXPECT_SJIS_EQ("JVReadエラー:-502   20160305", view.LastStatus());
}

TEST_F(CardFetch, FailedInitIsOnlyLogged) {
  AddCard();
  Faults("JVInit,1,-101\n");
  EXPECT_FALSE(Run());
  EXPECT_SJIS_EQ("JVInitエラー:-101\r\n", view.log);
  EXPECT_TRUE(view.Texts("status").empty());
  EXPECT_EQ(1u, calls->calls.size());
}

TEST_F(CardFetch, ArgumentThatIsNoRaceDayIsRefused) {
  AddCard();
  for (const char* key :
       {"", "2016030", "201603051", "20161301", "20160230", "../../x1", "2016030a", "20160305/"}) {
    view = RecordingView();
    EXPECT_FALSE(Run(key)) << key;
    EXPECT_SJIS_EQ("開催日の指定が正しくありません（yyyymmdd）：" + std::string(key),
                   view.LastStatus());
    EXPECT_EQ(1u, calls->calls.size());  // JVInit only
  }
  EXPECT_TRUE(base::ListEntries(work()).empty());
}

TEST_F(CardFetch, RecordWithoutANumberIsLoggedSkippedAndCounted) {
  std::string bad = day[0].runners[0];
  bad.replace(28, 2, "  ");  // no horse number
  AddFile("a.txt", {day[0].race, bad, day[0].runners[1]});
  EXPECT_EQ(RunEnd::kEndOfData, Run());
  EXPECT_NE(std::string::npos,
            view.log.find("レコードを変換できません:runner record \"" + day[0].key + "\""));
  EXPECT_SJIS_EQ(fetchtest::RunnerLineBytes(day[0].runners[1]), Output(kRunnerFile));
  EXPECT_SJIS_EQ("データ読込み完了．．．．3", view.Texts("caption").back());
  EXPECT_NE(std::string::npos, view.log.find("JVRead EndOfFile :0\r\nJVClose正常終了:0\r\n"));
  // The end says so, not only the hidden log; each further skipped record is counted.
  EXPECT_SJIS_EQ("レコードを変換できません：" + day[0].key, view.LastStatus());
  std::string bad2 = day[0].runners[1];
  bad2.replace(28, 2, "  ");
  AddFile("a.txt", {day[0].race, bad, bad2});
  view = RecordingView();
  EXPECT_EQ(RunEnd::kEndOfData, Run());
  EXPECT_SJIS_EQ("レコードを変換できません：" + day[0].key + "（ほか1件）", view.LastStatus());
}

TEST_F(CardFetch, FolderOrFileThatCannotBeMadeEndsTheRunCleanly) {
  AddCard();
  struct Case {
    const char* in_the_way;
    bool folder;
    const char* status;
  } cases[] = {
      {"jv_data", false, "フォルダを作成できません：jv_data"},
      {"jv_data/20160305", false, "フォルダを作成できません：jv_data/20160305"},
      {kRunnerFile, true, "ファイルを作成できません：jv_data/20160305/DE160305.CSV"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove_all(work() + "/jv_data");
    if (c.folder) {
      base::MakeDirs(work() + "/" + c.in_the_way);
    } else {
      WriteFile(work() + "/" + c.in_the_way, "x");
    }
    view = RecordingView();
    EXPECT_EQ(RunEnd::kFileError, Run());
    EXPECT_SJIS_EQ(c.status, view.LastStatus());
    EXPECT_NE(std::string::npos, view.log.find("ファイルエラー:cannot create"));
    EXPECT_NE(std::string::npos, view.log.find("\r\nJVClose正常終了:0\r\n"));
    EXPECT_EQ("close", view.events.back());
    EXPECT_EQ(1, calls->Count("JVRead 110000"));
  }
  // The race file begun before the runner file failed is not made either.
  EXPECT_EQ((std::vector<std::string>{"DE160305.CSV"}),
            base::ListEntries(work() + "/jv_data/20160305"));
}

}  // namespace
}  // namespace cardpull
