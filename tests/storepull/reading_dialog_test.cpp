// storepull's start button and reading dialog against the recorded-data stand-in.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "base/files.h"
#include "fetch/jvlink/RecordedJVLink.h"
#include "fetch/storepull/StoredFetch.h"
#include "tests/storepull/fetch_fakes.h"
#include "tests/storepull/sample_card.h"
#include "tests/support/record_builder.h"
#include "tests/support/sjis_assert.h"
#include "tests/support/temp_dir.h"

namespace storepull {
namespace {

using fetchtest::CallRecorder;
using fetchtest::RecordingView;
using testsupport::WriteFile;

class ReadingDialog : public fetchtest::RecordedFetchTest {
 protected:
  ReadingDialog() {
    base::SetClock([] { return base::DateTime{{2016, 6, 1}, 12, 0, 0}; });
  }
  ~ReadingDialog() override { base::SetClock({}); }

  // A recorded file of the stored "RACE" data, in delivery order.
  void AddFile(const std::string& name, const std::string& stamp,
               const std::vector<std::string>& records, bool download = false) {
    files_csv += name + "," + stamp + (download ? ",download" : "") + "\r\n";
    WriteFile(data() + "/stored/RACE/files.csv", files_csv);
    WriteFile(data() + "/stored/RACE/" + name, fetchtest::RecordLines(records));
  }

  // The start button with the picker at `start`, then the dialog (when JVInit succeeded).
  std::optional<RunEnd> Run(const base::Date& start = {2016, 1, 1},
                            const ReadingOptions& options = {}) {
    testsupport::ScopedCurrentDir cd(work());
    Connect();
    std::optional<FetchRequest> request = StartFetch(*calls, view, start, resume_stamp);
    if (!request) return std::nullopt;
    return RunReadingDialog(*calls, view, *request, resume_stamp, options);
  }

  std::string files_csv;
  std::string resume_stamp;
};

std::vector<std::string> Races(const std::vector<fetchtest::RaceRecords>& day) {
  std::vector<std::string> out;
  for (const auto& r : day) out.push_back(r.race);
  return out;
}
std::vector<std::string> Runners(const std::vector<fetchtest::RaceRecords>& day) {
  std::vector<std::string> out;
  for (const auto& r : day) out.insert(out.end(), r.runners.begin(), r.runners.end());
  return out;
}
std::vector<std::string> Payoffs(const std::vector<fetchtest::RaceRecords>& day) {
  std::vector<std::string> out;
  for (const auto& r : day) out.push_back(r.payoff);
  return out;
}
std::string Lines(const std::vector<std::string>& records,
                  std::string (*line)(const std::string&)) {
  std::string out;
  for (const std::string& r : records) out += line(r);
  return out;
}

TEST_F(ReadingDialog, WritesEveryFileIntoTheDayFilesOfItsDate) {
  auto day5 = fetchtest::MakeDayRecords({2016, 3, 5}, 2);
  auto day6 = fetchtest::MakeDayRecords({2016, 3, 6}, 1, '2', '1', 8);
  AddFile("RADT20160305.txt", "20160305170000", Races(day5));
  AddFile("SEDT20160305.txt", "20160305170500", Runners(day5));
  AddFile("HRDT20160305.txt", "20160305171000", Payoffs(day5));
  AddFile("RADT20160306.txt", "20160306170000", Races(day6));
  AddFile("SEDT20160306.txt", "20160306170500", Runners(day6));
  AddFile("HRDT20160306.txt", "20160306171000", Payoffs(day6));
  resume_stamp = "20151231235959";

  EXPECT_EQ(RunEnd::kEndOfData, Run({2016, 1, 1}));

  EXPECT_SJIS_EQ(Lines(Races(day5), fetchtest::RaceLineBytes),
                 Output("jv_data/20160305/DG160305.CSV"));
  EXPECT_SJIS_EQ(Lines(Runners(day5), fetchtest::RunnerLineBytes),
                 Output("jv_data/20160305/DE160305.CSV"));
  EXPECT_SJIS_EQ(Lines(Payoffs(day5), fetchtest::PayoffLineBytes),
                 Output("jv_data/20160305/DH160305.CSV"));
  EXPECT_SJIS_EQ(Lines(Races(day6), fetchtest::RaceLineBytes),
                 Output("jv_data/20160306/DG160306.CSV"));
  EXPECT_SJIS_EQ(Lines(Runners(day6), fetchtest::RunnerLineBytes),
                 Output("jv_data/20160306/DE160306.CSV"));
  EXPECT_SJIS_EQ(Lines(Payoffs(day6), fetchtest::PayoffLineBytes),
                 Output("jv_data/20160306/DH160306.CSV"));

  EXPECT_SJIS_EQ(
      "JVInit正常終了:0\r\n"
      "JVOpen正常終了:0\r\n"
      "DataSpec:RACE, FromDate:20160101000000, DataOption:1,ReadCount:6, DownloadCount:0, "
      "LastFileTimeStamp:20160306171000\r\n"
      "Read File:-1 RADT20160305.txt 20160305170000\r\n"
      "Read File:-1 SEDT20160305.txt 20160305170500\r\n"
      "Read File:-1 HRDT20160305.txt 20160305171000\r\n"
      "Read File:-1 RADT20160306.txt 20160306170000\r\n"
      "Read File:-1 SEDT20160306.txt 20160306170500\r\n"
      "Read File:-1 HRDT20160306.txt 20160306171000\r\n"
      "JVRead EndOfFile :0\r\n"
      "JVClose正常終了:0\r\n",
      view.log);
  EXPECT_EQ((std::vector<std::string>{"データの取り込みを開始しました",
                                      "開催情報を全て取り込みました。"}),
            view.Texts("status"));
  EXPECT_EQ((std::vector<std::string>{"20160305", "20160305", "20160305", "20160306", "20160306",
                                      "20160306"}),
            view.Texts("date"));
  EXPECT_TRUE(view.Texts("caption").empty());  // no download: no progress caption
  EXPECT_TRUE(view.Texts("sleep").empty());
  EXPECT_EQ("20160306171000", resume_stamp);

  EXPECT_EQ((std::vector<std::string>{"JVInit SA402917/SD615038/Vantrel/2016",
                                      "JVOpen RACE 20160101000000 1", "JVClose"}),
            calls->Outline());
  EXPECT_EQ(calls->Count("JVRead 110000"), view.pumps);  // a message pump before every read
  // The cursor shows the work from the open to JVClose; the close request comes last.
  ASSERT_GE(view.events.size(), 3u);
  EXPECT_EQ("cursor:app", view.events[1]);
  EXPECT_EQ("cursor:normal", view.events[view.events.size() - 3]);
  EXPECT_EQ("close", view.events.back());
  EXPECT_EQ(1, view.Count("close"));
}

TEST_F(ReadingDialog, WaitsForTheDownloadWhileKeepingTheWindowPainted) {
  auto day5 = fetchtest::MakeDayRecords({2016, 3, 5}, 1);
  AddFile("RADT20160305.txt", "20160305170000", Races(day5), true);
  AddFile("SEDT20160305.txt", "20160305170500", Runners(day5), true);
  AddFile("HRDT20160305.txt", "20160305171000", Payoffs(day5));
  view.on_pump = [&](int) { view.events.push_back("pump"); };

  EXPECT_EQ(RunEnd::kEndOfData, Run());

  auto opened =
      std::find(view.events.begin(), view.events.end(), "status:データの取り込みを開始しました");
  ASSERT_GE(view.events.end() - opened, 10);
  EXPECT_EQ(
      (std::vector<std::string>{
          "pump", "sleep:500", "caption:ダウンロード中．．．(1/2)", "status:ダウンロード中", "pump",
          "sleep:500", "caption:ダウンロード中．．．(2/2)", "status:データを登録中です", "pump"}),
      std::vector<std::string>(opened + 1, opened + 10));
  EXPECT_EQ(2, calls->Count("JVStatus"));
  EXPECT_SJIS_EQ(Lines(Runners(day5), fetchtest::RunnerLineBytes),
                 Output("jv_data/20160305/DE160305.CSV"));
  EXPECT_EQ("開催情報を全て取り込みました。", view.LastStatus());
}

TEST_F(ReadingDialog, FailedOpenIsShownAndClosedWithoutWriting) {
  auto day5 = fetchtest::MakeDayRecords({2016, 3, 5}, 1);
  AddFile("RADT20160305.txt", "20160305170000", Races(day5));
  struct Case {
    int rc;
    const char* status;
  } cases[] = {
      {-1, "新たな開催情報はありません"},
      {-401, "JV-Linkの内部エラー、またはサーバエラーが発生"},
      {-450, "JV-Linkの内部エラー、またはサーバエラーが発生"},
      {-499, "JV-Linkの内部エラー、またはサーバエラーが発生"},
      {-505, "サーバメンテナンス中です"},
      {-900, "サーバメンテナンス中です"},
      {-504, "起動パラメータに不正があります。"},
      {-502, "起動パラメータに不正があります。"},
      {-400, "起動パラメータに不正があります。"},
      {-111, "起動パラメータに不正があります。"},
      {-201, "起動パラメータに不正があります。"},
  };
  for (const Case& c : cases) {
    Faults("JVOpen,1," + std::to_string(c.rc) + "\r\n");
    view = RecordingView();
    resume_stamp = "20160101000000";
    EXPECT_EQ(RunEnd::kOpenFailed, Run());
    EXPECT_SJIS_EQ(
        "JVInit正常終了:0\r\nJVOpenエラー:" + std::to_string(c.rc) + "\r\nJVClose正常終了:0\r\n",
        view.log);
    EXPECT_SJIS_EQ(c.status, view.LastStatus());
    EXPECT_EQ("close", view.events.back());
    EXPECT_EQ("JVClose", calls->calls.back());
    EXPECT_EQ("20160101000000", resume_stamp);
    EXPECT_FALSE(Exists("jv_data"));
  }
}

TEST_F(ReadingDialog, NothingNewerThanTheStampIsNoNewData) {
  AddFile("RADT20160305.txt", "20160305170000", Races(fetchtest::MakeDayRecords({2016, 3, 5}, 1)));
  resume_stamp = "20160305170000";
  EXPECT_EQ(RunEnd::kOpenFailed, Run({2016, 3, 5}));
  EXPECT_EQ("JVOpen RACE 20160305170000 1", calls->Outline()[1]);
  EXPECT_SJIS_EQ("新たな開催情報はありません", view.LastStatus());
  EXPECT_EQ("20160305170000", resume_stamp);
}

TEST_F(ReadingDialog, FailedStatusQueryIsLoggedAndNothingIsRead) {
  auto day5 = fetchtest::MakeDayRecords({2016, 3, 5}, 1);
  AddFile("RADT20160305.txt", "20160305170000", Races(day5), true);
  AddFile("SEDT20160305.txt", "20160305170500", Runners(day5), true);
  Faults("JVStatus,2,-201\r\n");

  EXPECT_EQ(RunEnd::kStatusFailed, Run());
  EXPECT_NE(std::string::npos, view.log.find("JVStatusエラー:-201\r\nJVClose正常終了:0\r\n"));
  EXPECT_SJIS_EQ("ダウンロード中", view.LastStatus());  // the status panel keeps its text
  EXPECT_EQ(0, calls->Count("JVRead 110000"));
  EXPECT_EQ("close", view.events.back());
  EXPECT_FALSE(Exists("jv_data"));
  EXPECT_EQ("", resume_stamp);
}

TEST_F(ReadingDialog, ReadErrorKeepsTheFilesReadWholeAndTheOldFileOfTheOneCutShort) {
  auto day5 = fetchtest::MakeDayRecords({2016, 3, 5}, 2);
  AddFile("RADT20160305.txt", "20160305170000", Races(day5));
  AddFile("SEDT20160305.txt", "20160305170500", Runners(day5));
  WriteFile(work() + "/jv_data/20160305/DE160305.CSV", "old runners\r\n");
  Faults("JVRead,5,-502\r\n");  // two records, the file end, one runner, then the error
  resume_stamp = "20160101000000";

  EXPECT_EQ(RunEnd::kReadError, Run());
  // The race file was read to its end; the runner file was cut short: the old one stays.
  EXPECT_SJIS_EQ(Lines(Races(day5), fetchtest::RaceLineBytes),
                 Output("jv_data/20160305/DG160305.CSV"));
  EXPECT_EQ("old runners\r\n", Output("jv_data/20160305/DE160305.CSV"));
  EXPECT_EQ(2u, base::ListEntries(work() + "/jv_data/20160305").size());  // nothing temporary
  EXPECT_NE(std::string::npos,
            view.log.find("JVReadエラー:-502 20160305170500\r\nJVClose正常終了:0\r\n"));
  EXPECT_SJIS_EQ("JVLink Readエラー-502", view.LastStatus());
  EXPECT_EQ("20160101000000", resume_stamp);
  EXPECT_EQ("close", view.events.back());
}

TEST_F(ReadingDialog, RunKilledMidwayLeavesTheOldFileOfTheFileBeingRead) {
  auto day5 = fetchtest::MakeDayRecords({2016, 3, 5}, 2);
  AddFile("RADT20160305.txt", "20160305170000", Races(day5));
  AddFile("SEDT20160305.txt", "20160305170500", Runners(day5));
  WriteFile(work() + "/jv_data/20160305/DE160305.CSV", "old runners\r\n");
  // Killed while the runner file is read: two races, the file end, two runners.
  EXPECT_TRUE(fetchtest::RunKilledAtPump(view, 6, [this] { Run(); }));
  EXPECT_SJIS_EQ(Lines(Races(day5), fetchtest::RaceLineBytes),
                 Output("jv_data/20160305/DG160305.CSV"));
  EXPECT_EQ("old runners\r\n", Output("jv_data/20160305/DE160305.CSV"));
  EXPECT_EQ(1u, fetchtest::TemporaryFiles(work() + "/jv_data/20160305").size());

  // The next run replaces it whole and removes what the killed run left.
  view = RecordingView();
  EXPECT_EQ(RunEnd::kEndOfData, Run());
  EXPECT_SJIS_EQ(Lines(Runners(day5), fetchtest::RunnerLineBytes),
                 Output("jv_data/20160305/DE160305.CSV"));
  EXPECT_EQ(2u, base::ListEntries(work() + "/jv_data/20160305").size());
}

TEST_F(ReadingDialog, RecordFilterSkipsFilesAndKeepsWhatWasWritten) {
  auto day5 = fetchtest::MakeDayRecords({2016, 3, 5}, 3);
  auto day6 = fetchtest::MakeDayRecords({2016, 3, 6}, 1);
  // A file whose first record is of a skipped kind: nothing of it is written.
  std::string h1 = testsupport::RecordBuilder(320).Set(1, "H12").Set(12, day5[0].key).str();
  AddFile("H1DT20160305.txt", "20160305160000", {h1, day5[2].race});
  // A record of another day ends the file; the line before it stays.
  AddFile("RADT20160305.txt", "20160305170000", {day5[0].race, day6[0].race, day5[1].race});

  EXPECT_EQ(RunEnd::kEndOfData, Run());
  EXPECT_SJIS_EQ(fetchtest::RaceLineBytes(day5[0].race), Output("jv_data/20160305/DG160305.CSV"));
  EXPECT_FALSE(Exists("jv_data/20160306"));
  EXPECT_EQ(2, calls->Count("SkipRestOfFile"));
}

TEST_F(ReadingDialog, LaterFileOfTheSameDayAndKindReplacesTheDayFile) {
  auto day5 = fetchtest::MakeDayRecords({2016, 3, 5}, 2);
  AddFile("RADT20160305.txt", "20160305170000", {day5[0].race});
  AddFile("RAXX20160305.txt", "20160305180000", {day5[1].race});
  EXPECT_EQ(RunEnd::kEndOfData, Run());
  EXPECT_SJIS_EQ(fetchtest::RaceLineBytes(day5[1].race), Output("jv_data/20160305/DG160305.CSV"));
  EXPECT_EQ("20160305180000", resume_stamp);
}

TEST_F(ReadingDialog, FileOfMixedKindsPutsEachLineIntoTheDayFileOfItsKind) {
  auto day5 = fetchtest::MakeDayRecords({2016, 3, 5}, 2);
  std::string we = testsupport::RecordBuilder(42).Set(1, "WE1").Set(12, day5[0].key).str();
  std::string ra1 = day5[1].race;
  ra1[2] = '1';  // a race record of a data kind that gives no line
  AddFile("MXDT20160305.txt", "20160305170000",
          {day5[0].race, we, day5[0].runners[0], day5[0].runners[1], ra1, day5[0].payoff,
           day5[1].race, day5[1].runners[0]});

  EXPECT_EQ(RunEnd::kEndOfData, Run());
  EXPECT_SJIS_EQ(fetchtest::RaceLineBytes(day5[0].race) + fetchtest::RaceLineBytes(day5[1].race),
                 Output("jv_data/20160305/DG160305.CSV"));
  EXPECT_SJIS_EQ(fetchtest::RunnerLineBytes(day5[0].runners[0]) +
                     fetchtest::RunnerLineBytes(day5[0].runners[1]) +
                     fetchtest::RunnerLineBytes(day5[1].runners[0]),
                 Output("jv_data/20160305/DE160305.CSV"));
  EXPECT_SJIS_EQ(fetchtest::PayoffLineBytes(day5[0].payoff),
                 Output("jv_data/20160305/DH160305.CSV"));
}

TEST_F(ReadingDialog, FileWithoutARaceDayInItsNameIsPassedOver) {
  auto day5 = fetchtest::MakeDayRecords({2016, 3, 5}, 1);
  AddFile("RADT2016.txt", "20160305160000", {day5[0].race});
  AddFile("RADT20160305.txt", "20160305170000", {day5[0].race});

  EXPECT_EQ(RunEnd::kEndOfData, Run());
  EXPECT_NE(std::string::npos, view.log.find("ファイル名に開催日がありません:RADT2016.txt\r\n"));
  EXPECT_SJIS_EQ(fetchtest::RaceLineBytes(day5[0].race), Output("jv_data/20160305/DG160305.CSV"));
  EXPECT_EQ((std::vector<std::string>{"20160305", "20160305"}), view.Texts("date"));
}

TEST_F(ReadingDialog, RecordWithoutANumberIsLoggedAndSkipped) {
  auto day5 = fetchtest::MakeDayRecords({2016, 3, 5}, 2);
  std::string bad = day5[0].race;
  bad.replace(881, 2, "  ");  // no runner count
  AddFile("RADT20160305.txt", "20160305170000", {bad, day5[1].race});

  EXPECT_EQ(RunEnd::kEndOfData, Run());
  EXPECT_NE(std::string::npos,
            view.log.find("レコードを変換できません:race record \"" + day5[0].key + "\""));
  EXPECT_NE(std::string::npos, view.log.find("characters 882-883 \"  \" hold no number\r\n"));
  EXPECT_SJIS_EQ(fetchtest::RaceLineBytes(day5[1].race), Output("jv_data/20160305/DG160305.CSV"));
  EXPECT_EQ("20160305170000", resume_stamp);
  EXPECT_NE(std::string::npos, view.log.find("JVRead EndOfFile :0\r\nJVClose正常終了:0\r\n"));
  // The end says so, not only the hidden log.
  EXPECT_SJIS_EQ("レコードを変換できません：" + day5[0].key, view.LastStatus());
}

TEST_F(ReadingDialog, FolderOrFileThatCannotBeMadeEndsTheRunCleanly) {
  auto day5 = fetchtest::MakeDayRecords({2016, 3, 5}, 1);
  AddFile("MXDT20160305.txt", "20160305170000", {day5[0].runners[0], day5[0].race});
  AddFile("SEDT20160305.txt", "20160305170500", Runners(day5));
  struct Case {
    const char* in_the_way;  // a file or a folder where the program makes the other
    bool folder;
    const char* status;
  } cases[] = {
      {"jv_data", false, "フォルダを作成できません：jv_data"},
      {"jv_data/20160305", false, "フォルダを作成できません：jv_data/20160305"},
      {"jv_data/20160305/DG160305.CSV", true,
       "ファイルを作成できません：jv_data/20160305/DG160305.CSV"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove_all(work() + "/jv_data");
    if (c.folder) {
      base::MakeDirs(work() + "/" + c.in_the_way);
    } else {
      WriteFile(work() + "/" + c.in_the_way, "x");
    }
    view = RecordingView();
    resume_stamp = "20160101000000";
    EXPECT_EQ(RunEnd::kFileError, Run());
    EXPECT_SJIS_EQ(c.status, view.LastStatus());
    EXPECT_NE(std::string::npos, view.log.find("ファイルエラー:cannot create"));
    EXPECT_NE(std::string::npos, view.log.find("\r\nJVClose正常終了:0\r\n"));
    EXPECT_EQ("close", view.events.back());
    EXPECT_EQ("20160101000000", resume_stamp);
    EXPECT_EQ(0, calls->Count("SkipRestOfFile"));
  }
  // The runner file begun before the race file failed is not made either.
  EXPECT_FALSE(Exists("jv_data/20160305/DE160305.CSV"));
}

// A component whose open gives no LastFileTimeStamp.
class NoStampJVLink : public jvlink::RecordedJVLink {
 public:
  using RecordedJVLink::RecordedJVLink;
  int JVOpen(const std::string& spec, const std::string& from, int option, int& read_count,
             int& download_count, std::string& stamp) override {
    int rc = RecordedJVLink::JVOpen(spec, from, option, read_count, download_count, stamp);
    stamp.clear();
    return rc;
  }
};

TEST_F(ReadingDialog, EndOfDataWithoutALastStampEmptiesTheResumeStamp) {
  AddFile("RADT20160305.txt", "20160305170000", Races(fetchtest::MakeDayRecords({2016, 3, 5}, 1)));
  testsupport::ScopedCurrentDir cd(work());
  NoStampJVLink no_stamp(data());
  resume_stamp = "20160101000000";
  auto request = StartFetch(no_stamp, view, {2016, 1, 1}, resume_stamp);
  ASSERT_TRUE(request);
  EXPECT_EQ(RunEnd::kEndOfData, RunReadingDialog(no_stamp, view, *request, resume_stamp));
  EXPECT_EQ("", resume_stamp);
}

TEST_F(ReadingDialog, CloseRequestEndsTheDownloadWaitAtOnce) {
  auto day5 = fetchtest::MakeDayRecords({2016, 3, 5}, 1);
  AddFile("RADT20160305.txt", "20160305170000", Races(day5), true);
  AddFile("SEDT20160305.txt", "20160305170500", Runners(day5), true);
  view.on_pump = [&](int n) {
    if (n == 2) view.close_requested = true;
  };

  EXPECT_EQ(RunEnd::kStopped, Run());
  EXPECT_EQ(1, calls->Count("JVStatus"));
  EXPECT_EQ(0, calls->Count("JVRead 110000"));
  EXPECT_SJIS_EQ("データの取得を中止しました", view.LastStatus());
  EXPECT_NE(std::string::npos,
            view.log.find("データの取得を中止しました\r\nJVClose正常終了:0\r\n"));
  EXPECT_EQ("close", view.events.back());
  EXPECT_FALSE(Exists("jv_data"));
}

TEST_F(ReadingDialog, CloseRequestWhileReadingFinishesTheFileFirst) {
  auto day5 = fetchtest::MakeDayRecords({2016, 3, 5}, 3);
  AddFile("RADT20160305.txt", "20160305170000", Races(day5));
  AddFile("SEDT20160305.txt", "20160305170500", Runners(day5));
  view.on_pump = [&](int n) {
    if (n == 2) view.close_requested = true;
  };
  resume_stamp = "20160101000000";

  EXPECT_EQ(RunEnd::kStopped, Run());
  EXPECT_SJIS_EQ(Lines(Races(day5), fetchtest::RaceLineBytes),
                 Output("jv_data/20160305/DG160305.CSV"));
  EXPECT_FALSE(Exists("jv_data/20160305/DE160305.CSV"));
  EXPECT_NE(std::string::npos,
            view.log.find("Read File:-1 RADT20160305.txt 20160305170000\r\n"
                          "データの取得を中止しました\r\nJVClose正常終了:0\r\n"));
  EXPECT_EQ("20160101000000", resume_stamp);
  EXPECT_EQ("close", view.events.back());
}

TEST_F(ReadingDialog, DownloadWaitGivesUpWhenNothingMoves) {
  auto day5 = fetchtest::MakeDayRecords({2016, 3, 5}, 1);
  AddFile("RADT20160305.txt", "20160305170000", Races(day5), true);
  AddFile("SEDT20160305.txt", "20160305170500", Runners(day5), true);
  Faults("JVStatus,1,0\nJVStatus,2,0\nJVStatus,3,0\nJVStatus,4,0\nJVStatus,5,0\n");
  ReadingOptions options;
  options.stall_polls = 3;

  EXPECT_EQ(RunEnd::kDownloadStalled, Run({2016, 1, 1}, options));
  EXPECT_EQ(4, calls->Count("JVStatus"));
  EXPECT_SJIS_EQ("ダウンロードが進まないため取得を中止しました", view.LastStatus());
  EXPECT_NE(std::string::npos,
            view.log.find("ダウンロード待ちを打ち切りました:0/2\r\nJVClose正常終了:0\r\n"));
  EXPECT_EQ(0, calls->Count("JVRead 110000"));
  EXPECT_EQ("close", view.events.back());
}

TEST_F(ReadingDialog, DownloadThatMovesIsWaitedFor) {
  auto day5 = fetchtest::MakeDayRecords({2016, 3, 5}, 1);
  AddFile("RADT20160305.txt", "20160305170000", Races(day5), true);
  AddFile("SEDT20160305.txt", "20160305170500", Runners(day5), true);
  // 0, 0, 1, 1, then the stand-in's own count: 1, 2.
  Faults("JVStatus,1,0\nJVStatus,2,0\nJVStatus,3,1\nJVStatus,4,1\n");
  ReadingOptions options;
  options.stall_polls = 3;

  EXPECT_EQ(RunEnd::kEndOfData, Run({2016, 1, 1}, options));
  EXPECT_EQ(6, calls->Count("JVStatus"));
  EXPECT_EQ(6, view.Count("sleep:500"));
}

TEST_F(ReadingDialog, FileStampThatIsNoDateLeavesThePicker) {
  auto day5 = fetchtest::MakeDayRecords({2016, 3, 5}, 1);
  AddFile("RADT20160305.txt", "20161399000000", Races(day5));
  AddFile("SEDT20160305.txt", "20161399000001", Runners(day5));
  EXPECT_EQ(RunEnd::kEndOfData, Run());
  EXPECT_NE(std::string::npos,
            view.log.find("Read File:-1 RADT20160305.txt 20161399000000\r\n"
                          "ReadingFileStampが日付ではありません:20161399000000\r\n"));
  EXPECT_TRUE(view.Texts("date").empty());
  EXPECT_SJIS_EQ(Lines(Runners(day5), fetchtest::RunnerLineBytes),
                 Output("jv_data/20160305/DE160305.CSV"));
}

TEST_F(ReadingDialog, FailedInitShowsTheSoftwareIdTextAndOpensNothing) {
  AddFile("RADT20160305.txt", "20160305170000", Races(fetchtest::MakeDayRecords({2016, 3, 5}, 1)));
  Faults("JVInit,1,-101\n");
  EXPECT_FALSE(Run());
  EXPECT_SJIS_EQ("JVInitエラー:-101\r\n", view.log);
  EXPECT_SJIS_EQ("SiDの設定が無いか、値が正しくありません", view.LastStatus());
  EXPECT_EQ((std::vector<std::string>{"JVInit SA402917/SD615038/Vantrel/2016"}), calls->calls);
}

}  // namespace
}  // namespace storepull
