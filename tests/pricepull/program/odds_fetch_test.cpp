// pricepull's run against the recorded-data stand-in, on sample data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>

#include "base/files.h"
#include "fetch/common/FetchTexts.h"
#include "fetch/common/LineFile.h"
#include "fetch/jvlink/RecordedJVLink.h"
#include "fetch/pricepull/OddsFetch.h"
#include "fetch/pricepull/OddsLines.h"
#include "tests/storepull/fetch_fakes.h"
#include "tests/storepull/sample_card.h"
#include "tests/support/sjis_assert.h"
#include "tests/support/temp_dir.h"
#include "tools/sampledata/sample_data.h"

namespace pricepull {
namespace {

using fetchtest::CallRecorder;
using fetchtest::RecordingView;
using testsupport::WriteFile;

constexpr char kDay[] = "20160305";
constexpr char kRaceFile[] = "jv_data/20160305/DG160305.CSV";

// The odds files a race's recorded announcements give, and how many there are.
struct RaceOdds {
  std::string jd, jw, jr;
  int announcements = 0;
};

class OddsFetch : public fetchtest::RecordedFetchTest {
 protected:
  OddsFetch() {
    sampledata::SampleOptions options;
    options.race_day = base::Date{2016, 3, 5};
    options.now = base::DateTime{{2016, 3, 5}, 18, 0, 0};
    options.courses = 2;
    options.races_per_course = 2;
    options.stored_days = 0;
    sample = sampledata::MakeSampleData(options);
    sampledata::WriteSampleData(data(), sample);
    for (const sampledata::Race& race : sample.races) keys.push_back(race.Key());
    for (const sampledata::SampleFile& f : sample.files) {  // in the order of their names
      std::string key = f.path.substr(14, 16);
      if (f.path.compare(0, 14, "realtime/0B41/") == 0) {
        odds[key].jd += FormatWinPlaceOddsLine(f.bytes).line + "\r\n";
        odds[key].jw += FormatBracketOddsLine(f.bytes).line + "\r\n";
        ++odds[key].announcements;
      } else if (f.path.compare(0, 14, "realtime/0B42/") == 0) {
        odds[key].jr += FormatQuinellaOddsLine(f.bytes).line + "\r\n";
      }
    }
  }

  // The day's RaceFile, as cardpull writes it.
  void WriteRaceFile() {
    std::string lines;
    for (const sampledata::Race& race : sample.races) {
      lines += fetchtest::RaceLineBytes(sampledata::RaceRecord(race, '1'));
    }
    WriteFile(work() + "/" + kRaceFile, lines);
  }

  RunEnd Run(const std::string& argument = kDay) {
    testsupport::ScopedCurrentDir cd(work());
    Connect();
    return RunOddsFetch(*calls, view, argument);
  }

  static std::string Path(const std::string& key, const char* prefix) {
    return OddsFilePath(key, prefix);
  }

  sampledata::SampleData sample;
  std::vector<std::string> keys;
  std::map<std::string, RaceOdds> odds;
};

TEST_F(OddsFetch, WritesTheOddsFilesOfEveryRaceOfTheDay) {
  WriteRaceFile();
  EXPECT_EQ(RunEnd::kDone, Run());

  std::vector<std::string> statuses = {"JVInit正常終了:0", kDay};
  std::vector<std::string> outline = {"JVInit SA402917/SD615038/Vantrel/2016"};
  ASSERT_EQ(4u, keys.size());
  for (const std::string& key : keys) {
    ASSERT_GT(odds[key].announcements, 3);
    EXPECT_SJIS_EQ(odds[key].jd, Output(Path(key, "JD")));
    EXPECT_SJIS_EQ(odds[key].jw, Output(Path(key, "JW")));
    EXPECT_SJIS_EQ(odds[key].jr, Output(Path(key, "JR")));
    statuses.insert(statuses.end(),
                    {"時系列オッズを取得中", "開催情報を全て取り込みました。", "JVClose正常終了:0",
                     "", "開催情報を全て取り込みました。", "JVClose正常終了:0"});
    outline.insert(outline.end(),
                   {"JVRTOpen 0B41 " + key, "JVClose", "JVRTOpen 0B42 " + key, "JVClose"});
  }
  statuses.push_back("時系列オッズの読み込みを完了しました");
  EXPECT_EQ(statuses, view.Texts("status"));
  EXPECT_EQ(outline, calls->Outline());
  // The window is pumped after the argument is shown, at every fetch and before every read.
  EXPECT_EQ(1 + 2 * static_cast<int>(keys.size()) + calls->Count("JVRead 500000"), view.pumps);
  EXPECT_EQ("jv_data/20160305/JD" + OddsFileName(keys[0]), Path(keys[0], "JD"));
}

TEST_F(OddsFetch, FailedInitEndsTheRun) {
  WriteRaceFile();
  Faults("JVInit,1,-101\n");
  EXPECT_EQ(RunEnd::kInitFailed, Run());
  EXPECT_EQ((std::vector<std::string>{"JVInitエラー:-101"}), view.Texts("status"));
  EXPECT_EQ(1u, calls->calls.size());
}

TEST_F(OddsFetch, MissingArgumentOrRaceFileHasNoRaceInformation) {
  for (const char* argument : {"", "20160306"}) {
    view = RecordingView();
    EXPECT_EQ(RunEnd::kNoRaceFile, Run(argument));
    EXPECT_EQ((std::vector<std::string>{"JVInit正常終了:0", argument, "開催情報がありません"}),
              view.Texts("status"));
  }
}

// A day folder that cannot be looked into (a link to itself) is not a missing race file:
// the status tells the system's cause.
TEST_F(OddsFetch, ADayFolderThatCannotBeLookedIntoIsToldItsCause) {
  base::MakeDirs(work() + "/jv_data");
  std::filesystem::create_directory_symlink("20160305", work() + "/jv_data/20160305");
  EXPECT_EQ(RunEnd::kNoRaceFile, Run("20160305"));
  const std::string status = view.LastStatus();
  EXPECT_NE(status.find("jv_data/20160305/DG160305.CSV"), std::string::npos) << status;
  EXPECT_NE(status.find(std::strerror(ELOOP)), std::string::npos) << status;
}

TEST_F(OddsFetch, ArgumentThatIsNoRaceDayIsRefused) {
  WriteRaceFile();
  for (const char* argument : {"2016030", "201603051", "20161301", "../../x1", "2016030a"}) {
    view = RecordingView();
    EXPECT_EQ(RunEnd::kBadArgument, Run(argument));
    EXPECT_SJIS_EQ("開催日の指定が正しくありません（yyyymmdd）：" + std::string(argument),
                   view.LastStatus());
    EXPECT_EQ(1u, calls->calls.size());
  }
  EXPECT_EQ(1u, base::ListEntries(work() + "/jv_data/20160305").size());  // the RaceFile
}

TEST_F(OddsFetch, PassesOverLinesThatAreNoRaceOfTheDay) {
  std::string race = fetchtest::RaceLineBytes(sampledata::RaceRecord(sample.races[1], '1'));
  WriteFile(work() + "/" + kRaceFile,
            "\r\n"                       // an empty line
            "#2016030505020811,x,t\r\n"  // another first character
            "2016030605020811,x,t\r\n"   // a race of another day
            "20160305050208a1,x,t\r\n"   // not all digits
            "2016030505020/../x,t\r\n" +
                race);
  WriteFile(work() + "/jv_data/20160306/JD.CSV", "");  // would be found if 0306 were looked at
  EXPECT_EQ(RunEnd::kDone, Run());
  EXPECT_EQ(
      (std::vector<std::string>{"JVInit SA402917/SD615038/Vantrel/2016", "JVRTOpen 0B41 " + keys[1],
                                "JVClose", "JVRTOpen 0B42 " + keys[1], "JVClose"}),
      calls->Outline());
  EXPECT_SJIS_EQ("時系列オッズの読み込みを完了しました", view.LastStatus());
  EXPECT_EQ(4u, base::ListEntries(work() + "/jv_data/20160305").size());
}

TEST_F(OddsFetch, FinalTestLooksIntoTheFolderOfTheDay) {
  // An empty RaceFile: no fetch; the argument's folder is looked at, old files count.
  WriteFile(work() + "/" + kRaceFile, "");
  EXPECT_EQ(RunEnd::kDone, Run());
  EXPECT_SJIS_EQ("オッズは提供されていないので受領できませんでした。", view.LastStatus());
  // A last line of another day is passed over and names no folder to look into.
  WriteFile(work() + "/" + kRaceFile, "2016030605020811,x,t\r\n");
  WriteFile(work() + "/jv_data/20160306/JD05160811.CSV", "other day\r\n");
  view = RecordingView();
  EXPECT_EQ(RunEnd::kDone, Run());
  EXPECT_SJIS_EQ("オッズは提供されていないので受領できませんでした。", view.LastStatus());
  WriteFile(work() + "/jv_data/20160305/JD05160811.CSV", "old\r\n");
  view = RecordingView();
  EXPECT_EQ(RunEnd::kDone, Run());
  EXPECT_SJIS_EQ("時系列オッズの読み込みを完了しました", view.LastStatus());
  EXPECT_EQ(1u, calls->calls.size());
}

TEST_F(OddsFetch, FailedOpenIsShownAndTheRunGoesOn) {
  WriteRaceFile();
  std::filesystem::remove_all(data() + "/realtime/0B42/" + keys[0]);  // nothing recorded: -1
  EXPECT_EQ(RunEnd::kDone, Run());
  std::vector<std::string> s = view.Texts("status");
  auto at = std::find(s.begin(), s.end(), "JVRTOpenエラー:" + keys[0] + "-1");
  ASSERT_NE(s.end(), at);
  EXPECT_SJIS_EQ("VJ-Linkがオープンできません。" + keys[0], *(at + 1));
  EXPECT_SJIS_EQ("JVClose正常終了:0", *(at + 2));
  EXPECT_FALSE(Exists(Path(keys[0], "JR")));
  EXPECT_SJIS_EQ(odds[keys[1]].jr, Output(Path(keys[1], "JR")));
  EXPECT_EQ(2 * static_cast<int>(keys.size()), calls->Count("JVClose"));
}

TEST_F(OddsFetch, ReadErrorKeepsTheOldFilesTheRunGoesOnAndTheEndNamesTheRace) {
  WriteRaceFile();
  WriteFile(work() + "/" + Path(keys[0], "JD"), "old jd\r\n");
  // The first fetch reads three announcements (each followed by its file end), then fails.
  Faults("JVRead,7,-502\n");
  EXPECT_EQ(RunEnd::kDone, Run());
  EXPECT_SJIS_EQ("JVReadエラー:-502   " + keys[0], view.Texts("status")[3]);
  EXPECT_SJIS_EQ("JVClose正常終了:0", view.Texts("status")[4]);
  EXPECT_EQ("old jd\r\n", Output(Path(keys[0], "JD")));
  EXPECT_FALSE(Exists(Path(keys[0], "JW")));
  EXPECT_SJIS_EQ(odds[keys[0]].jr, Output(Path(keys[0], "JR")));
  EXPECT_SJIS_EQ(odds[keys[1]].jd, Output(Path(keys[1], "JD")));
  // The end of the run says which race failed, not that all went well.
  EXPECT_SJIS_EQ("JVReadエラー:-502   " + keys[0], view.LastStatus());
}

TEST_F(OddsFetch, RunKilledMidwayLeavesTheOldOddsFilesWhole) {
  WriteRaceFile();
  WriteFile(work() + "/" + Path(keys[0], "JD"), "old jd\r\n");
  WriteFile(work() + "/" + Path(keys[0], "JW"), "old jw\r\n");
  // Killed inside the first fetch, after its first announcement was written.
  EXPECT_TRUE(fetchtest::RunKilledAtPump(view, 4, [this] { Run(); }));
  EXPECT_EQ("old jd\r\n", Output(Path(keys[0], "JD")));
  EXPECT_EQ("old jw\r\n", Output(Path(keys[0], "JW")));
  const std::string folder = work() + "/jv_data/" + kDay;
  EXPECT_EQ(2u, fetchtest::TemporaryFiles(folder).size());

  // The next run replaces them whole and removes what the killed run left.
  view = RecordingView();
  EXPECT_EQ(RunEnd::kDone, Run());
  EXPECT_SJIS_EQ(odds[keys[0]].jd, Output(Path(keys[0], "JD")));
  EXPECT_SJIS_EQ(odds[keys[0]].jw, Output(Path(keys[0], "JW")));
  EXPECT_TRUE(fetchtest::TemporaryFiles(folder).empty());
}

TEST_F(OddsFetch, FinalStatusNamesTheFirstFailureAndCountsTheOthers) {
  WriteRaceFile();
  std::filesystem::remove_all(data() + "/realtime/0B42/" + keys[1]);  // nothing recorded: -1
  std::filesystem::remove_all(data() + "/realtime/0B42/" + keys[3]);
  EXPECT_EQ(RunEnd::kDone, Run());
  EXPECT_SJIS_EQ("VJ-Linkがオープンできません。" + keys[1] + "（ほか1件）", view.LastStatus());
  EXPECT_SJIS_EQ(odds[keys[2]].jr, Output(Path(keys[2], "JR")));
}

TEST_F(OddsFetch, SecondFetchOfARaceReplacesItsFilesOnlyWhenWhole) {
  std::string race = fetchtest::RaceLineBytes(sampledata::RaceRecord(sample.races[0], '1'));
  WriteFile(work() + "/" + kRaceFile, race + race);
  // The second "0B41" fetch reads one announcement and fails at its second read.
  int first = 2 * odds[keys[0]].announcements + 1;           // reads of the first 0B41 fetch
  int second = first + 2 * odds[keys[0]].announcements + 1;  // and of its 0B42 fetch
  Faults("JVRead," + std::to_string(second + 3) + ",-502\n");
  EXPECT_EQ(RunEnd::kDone, Run());
  EXPECT_SJIS_EQ(odds[keys[0]].jd, Output(Path(keys[0], "JD")));
  EXPECT_SJIS_EQ(odds[keys[0]].jw, Output(Path(keys[0], "JW")));
  EXPECT_SJIS_EQ(odds[keys[0]].jr, Output(Path(keys[0], "JR")));
  // Without the fault the second fetch replaces the files of the first.
  Faults("");
  WriteFile(work() + "/" + Path(keys[0], "JD"), "old\r\n");
  view = RecordingView();
  EXPECT_EQ(RunEnd::kDone, Run());
  EXPECT_SJIS_EQ(odds[keys[0]].jd, Output(Path(keys[0], "JD")));
  EXPECT_SJIS_EQ("時系列オッズの読み込みを完了しました", view.LastStatus());
}

TEST_F(OddsFetch, FetchWithoutRecordsLeavesTheFilesAsTheyWere) {
  WriteRaceFile();
  std::filesystem::remove_all(data() + "/realtime/0B41/" + keys[0]);
  base::MakeDirs(data() + "/realtime/0B41/" + keys[0]);  // open, but no announcement yet
  WriteFile(work() + "/" + Path(keys[0], "JD"), "old\r\n");
  EXPECT_EQ(RunEnd::kDone, Run());
  EXPECT_EQ("old\r\n", Output(Path(keys[0], "JD")));
  EXPECT_FALSE(Exists(Path(keys[0], "JW")));
}

TEST_F(OddsFetch, RecordWithoutARunnerCountGivesNoLinesAndTheFetchGoesOn) {
  WriteRaceFile();
  std::string folder = data() + "/realtime/0B41/" + keys[0];
  std::vector<std::string> names = base::ListEntries(folder);
  std::sort(names.begin(), names.end());
  std::string bytes = base::ReadFileBytes(folder + "/" + names[0]);
  bytes.replace(35, 2, "  ");
  WriteFile(folder + "/" + names[0], bytes);
  EXPECT_EQ(RunEnd::kDone, Run());
  std::vector<std::string> s = view.Texts("status");
  EXPECT_NE(s.end(), std::find(s.begin(), s.end(), "オッズレコードを変換できません：" + keys[0]));
  const RaceOdds& o = odds[keys[0]];
  EXPECT_SJIS_EQ(o.jd.substr(o.jd.find("\r\n") + 2), Output(Path(keys[0], "JD")));
  EXPECT_SJIS_EQ(o.jw.substr(o.jw.find("\r\n") + 2), Output(Path(keys[0], "JW")));
  EXPECT_EQ(8, calls->Count("JVClose"));
  EXPECT_SJIS_EQ("オッズレコードを変換できません：" + keys[0], view.LastStatus());
}

TEST_F(OddsFetch, FetchOfFailingRecordsOnlyKeepsTheOldFiles) {
  WriteRaceFile();
  std::string folder = data() + "/realtime/0B41/" + keys[0];
  for (const std::string& name : base::ListEntries(folder)) {
    std::string bytes = base::ReadFileBytes(folder + "/" + name);
    bytes.replace(35, 2, "  ");  // no runner count
    WriteFile(folder + "/" + name, bytes);
  }
  WriteFile(work() + "/" + Path(keys[0], "JD"), "old jd\r\n");
  WriteFile(work() + "/" + Path(keys[0], "JW"), "old jw\r\n");
  EXPECT_EQ(RunEnd::kDone, Run());
  EXPECT_EQ("old jd\r\n", Output(Path(keys[0], "JD")));
  EXPECT_EQ("old jw\r\n", Output(Path(keys[0], "JW")));
  EXPECT_SJIS_EQ(odds[keys[0]].jr, Output(Path(keys[0], "JR")));
  // One failed fetch, however many of its records failed.
  EXPECT_SJIS_EQ("オッズレコードを変換できません：" + keys[0], view.LastStatus());
}

TEST_F(OddsFetch, OddsFileThatCannotBeMadeIsShownAndJVCloseIsCalled) {
  WriteRaceFile();
  base::MakeDirs(work() + "/" + Path(keys[0], "JW"));  // a folder in the file's place
  EXPECT_EQ(RunEnd::kDone, Run());
  std::vector<std::string> s = view.Texts("status");
  const std::string failure = "ファイルを作成できません：" + Path(keys[0], "JW");
  EXPECT_SJIS_EQ(failure, s[3]);
  EXPECT_SJIS_EQ("JVClose正常終了:0", s[4]);
  EXPECT_FALSE(Exists(Path(keys[0], "JD")));  // begun first, then abandoned
  EXPECT_SJIS_EQ(odds[keys[0]].jr, Output(Path(keys[0], "JR")));
  EXPECT_EQ(8, calls->Count("JVClose"));
  EXPECT_SJIS_EQ(failure, view.LastStatus());
}

TEST_F(OddsFetch, AQuinellaFileWhoseTemporaryFileWasRemovedIsAFailureTheStatusNames) {
  WriteRaceFile();
  WriteFile(work() + "/" + Path(keys[0], "JR"), "old jr\r\n");
  // Another program removes the first quinella file's temporary file before its rename.
  bool removed = false;
  fetch::LineFile::before_rename_for_test = [&](const std::string& temp) {
    if (removed || temp.find("/JR") == std::string::npos) return;
    removed = std::remove(temp.c_str()) == 0;
  };
  EXPECT_EQ(RunEnd::kDone, Run());
  fetch::LineFile::before_rename_for_test = nullptr;
  ASSERT_TRUE(removed);
  const std::string failure = fetch::LostTemporaryFileText(Path(keys[0], "JR"));
  const std::vector<std::string> s = view.Texts("status");
  EXPECT_NE(std::find(s.begin(), s.end(), failure), s.end()) << testsupport::Readable(s);
  EXPECT_SJIS_EQ(failure, view.LastStatus());
  EXPECT_EQ("old jr\r\n", Output(Path(keys[0], "JR")));
  EXPECT_SJIS_EQ(odds[keys[1]].jr, Output(Path(keys[1], "JR")));
  EXPECT_TRUE(fetchtest::TemporaryFiles(work() + "/jv_data/20160305").empty());
}

TEST_F(OddsFetch, CloseRequestFinishesTheFetchUnderWayThenStops) {
  WriteRaceFile();
  view.on_pump = [&](int n) {
    if (n == 4) view.close_requested = true;  // inside the first fetch
  };
  EXPECT_EQ(RunEnd::kStopped, Run());
  EXPECT_SJIS_EQ(odds[keys[0]].jd, Output(Path(keys[0], "JD")));
  EXPECT_SJIS_EQ(odds[keys[0]].jw, Output(Path(keys[0], "JW")));
  EXPECT_FALSE(Exists(Path(keys[0], "JR")));
  EXPECT_EQ((std::vector<std::string>{"JVInit SA402917/SD615038/Vantrel/2016",
                                      "JVRTOpen 0B41 " + keys[0], "JVClose"}),
            calls->Outline());
}

}  // namespace
}  // namespace pricepull
