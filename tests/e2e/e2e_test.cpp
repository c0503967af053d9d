// End to end: the real programs started as the viewer starts them (the current directory
// holds jv_data, the argument is the race day), on sample data written by the sample data
// generator, leave exactly the files that the generated records give. The programs never
// end by themselves: once the files are complete, the test ends the process (SIGTERM)
// and checks that it was still running. storepull starts its fetch only at its button,
// which no outside process can press here: its run is driven in-process through its
// real main window, on the same sample data.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/values.h"
#include "fetch/common/Component.h"
#include "fetch/pricepull/OddsLines.h"
#include "fetch/records/DayLines.h"
#include "fetch/storepull/Unit1.h"
#include "tests/e2e/expected_files.h"
#include "tests/support/sjis_assert.h"
#include "tests/support/temp_dir.h"
#include "tools/sampledata/sample_data.h"

namespace {

using testsupport::TempDir;

constexpr char kDay[] = "20160326";

void Pause(int milliseconds) {
  timespec t{milliseconds / 1000, (milliseconds % 1000) * 1000000L};
  nanosleep(&t, nullptr);
}

// A program started with its argument, current directory and environment.
class Child {
 public:
  Child(const std::string& program, const std::vector<std::string>& args, const std::string& cwd,
        const std::vector<std::string>& env) {
    pid_ = fork();
    if (pid_ == 0) {
      if (chdir(cwd.c_str()) != 0) _exit(126);
      std::vector<char*> argv{const_cast<char*>(program.c_str())};
      for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      for (const std::string& e : env) putenv(const_cast<char*>(e.c_str()));
      execv(program.c_str(), argv.data());
      _exit(127);
    }
  }
  ~Child() {
    if (pid_ > 0 && Running()) Terminate();
  }
  bool Running() {
    if (ended_) return false;
    int status = 0;
    pid_t r = waitpid(pid_, &status, WNOHANG);
    if (r == pid_) {
      ended_ = true;
      status_ = status;
    }
    return !ended_;
  }
  // Ends the program as the user's closing would not: by SIGTERM; the wait status.
  int Terminate() {
    kill(pid_, SIGTERM);
    if (!ended_) {
      while (waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
      }
      ended_ = true;
    }
    return status_;
  }

 private:
  pid_t pid_ = -1;
  bool ended_ = false;
  int status_ = 0;
};

// The files a run must leave, relative to the current directory, with their bytes.
using expectedfiles::Files;

std::string Read(const std::string& path) {
  return base::FileExists(path) ? base::ReadFileBytes(path) : std::string("<missing>");
}

// Waits until every file holds its bytes, while the program runs; false after the time.
bool WaitForFiles(const std::string& cwd, const Files& files, Child& child, int seconds = 60) {
  for (int waited = 0; waited < seconds * 1000; waited += 50) {
    bool complete = std::all_of(files.begin(), files.end(), [&](const auto& f) {
      return Read(cwd + "/" + f.first) == f.second;
    });
    if (complete) return true;
    if (!child.Running()) return false;
    Pause(50);
  }
  return false;
}

class EndToEnd : public ::testing::Test {
 protected:
  EndToEnd() {
    sampledata::SampleOptions options;
    options.race_day = base::Date{2016, 3, 26};
    options.now = base::DateTime{{2016, 3, 26}, 13, 30, 0};  // some races run, some not
    options.seed = 5;
    options.courses = 2;
    options.races_per_course = 4;
    options.stored_days = 3;
    sample = sampledata::MakeSampleData(options);
    sampledata::WriteSampleData(data(), sample);
    base::MakeDirs(work());
    base::MakeDirs(runtime());
    chmod(runtime().c_str(), 0700);
    env = {"JVLINK_DATA=" + data(), "QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + runtime()};
  }

  std::string data() const { return dir / "jvlink"; }
  std::string work() const { return dir / "work"; }
  std::string runtime() const { return dir / "runtime"; }

  // The day files of the stored data: each day's records of its kind, from the files of
  // that day; records of other days are not that day's.
  Files StoredFiles() const {
    std::map<std::string, std::set<std::string>> keys;  // day -> race keys
    for (const sampledata::Race& race : sample.stored_races) {
      keys[race.Key().substr(0, 8)].insert(race.Key());
    }
    Files out;
    for (const auto& [day, day_keys] : keys) {
      std::string dg, de, dh;
      for (const auto* f : expectedfiles::FilesIn(sample, "stored/RACE")) {
        if (f->path.find(day) == std::string::npos) continue;
        for (const std::string& record : base::SplitLines(f->bytes)) {
          if (!day_keys.count(record.substr(11, 16))) continue;
          std::string delivered = record + "\r\n";
          std::string kind = record.substr(0, 3);
          if (kind == "RA7") dg += records::FormatRaceLine(delivered).line + "\r\n";
          if (kind == "SE7") de += records::FormatRunnerLine(delivered).line + "\r\n";
          if (kind == "HR2") dh += records::FormatPayoffLine(delivered).line + "\r\n";
        }
      }
      std::string folder = "jv_data/" + day + "/";
      out[folder + "DG" + day.substr(2) + ".CSV"] = dg;
      out[folder + "DE" + day.substr(2) + ".CSV"] = de;
      out[folder + "DH" + day.substr(2) + ".CSV"] = dh;
    }
    return out;
  }

  void ExpectFiles(const Files& expected) const {
    for (const auto& [path, bytes] : expected) {
      EXPECT_SJIS_EQ(bytes, Read(work() + "/" + path)) << path;
    }
  }

  TempDir dir;
  sampledata::SampleData sample;
  std::vector<std::string> env;
};

TEST_F(EndToEnd, CardpullThenPricepullLeaveTheDayFilesAndTheOddsFiles) {
  Files card = expectedfiles::CardFiles(sample, kDay);
  ASSERT_FALSE(card.begin()->second.empty());
  {
    Child cardpull(VANTREL_CARDPULL, {kDay}, work(), env);
    ASSERT_TRUE(WaitForFiles(work(), card, cardpull)) << "cardpull did not write the card";
    EXPECT_TRUE(cardpull.Running());  // it waits for the user to close it
    int status = cardpull.Terminate();
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
  }
  ExpectFiles(card);

  Files odds = expectedfiles::OddsFiles(sample, kDay, expectedfiles::Unannounced::kNoFiles);
  ASSERT_GE(odds.size(), 3u);
  {
    Child pricepull(VANTREL_PRICEPULL, {kDay}, work(), env);
    ASSERT_TRUE(WaitForFiles(work(), odds, pricepull)) << "pricepull did not write the odds";
    EXPECT_TRUE(pricepull.Running());
    int status = pricepull.Terminate();
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
  }
  ExpectFiles(odds);
  ExpectFiles(card);  // pricepull only reads the RaceFile
  std::size_t written = card.size() + odds.size();
  EXPECT_EQ(written, base::ListEntries(work() + "/jv_data/20160326").size());
  EXPECT_EQ(1u, base::ListEntries(work() + "/jv_data").size());
}

TEST_F(EndToEnd, StorepullWaitsForItsButtonAndWritesNothingByItself) {
  Child storepull(VANTREL_STOREPULL, {}, work(), env);
  Pause(1000);
  EXPECT_TRUE(storepull.Running());
  EXPECT_TRUE(base::ListEntries(work()).empty());
  int status = storepull.Terminate();
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
}

TEST_F(EndToEnd, StorepullFetchesTheStoredDaysAndResumesAfterThem) {
  Files stored = StoredFiles();
  ASSERT_EQ(9u, stored.size());
  testsupport::ScopedCurrentDir cd(work());
  setenv("JVLINK_DATA", data().c_str(), 1);
  base::SetClock([] { return base::DateTime{{2016, 3, 27}, 9, 0, 0}; });
  {
    storepull::TfrmMain form(fetch::MakeComponent());
    form.reading_options.poll_milliseconds = 10;
    form.Show();  // no storepull.cfg: from one month back
    form.ButtonJVLinkDialog.Click();
    EXPECT_SJIS_EQ("開催情報を全て取り込みました。", form.Panel1.Text());
    form.Button1.Click();
  }
  ExpectFiles(stored);
  EXPECT_EQ(3u, base::ListEntries(work() + "/jv_data").size());
  // The stamp of the last file: the next start resumes after it and finds nothing new.
  std::string cfg = base::ReadFileBytes(work() + "/storepull.cfg");
  ASSERT_EQ(15u, cfg.size());
  EXPECT_EQ("20160319", cfg.substr(1, 8));
  {
    storepull::TfrmMain form(fetch::MakeComponent());
    form.Show();
    EXPECT_EQ((base::Date{2016, 3, 19}), form.DateTimePicker1.Date());
    form.ButtonJVLinkDialog.Click();
    EXPECT_SJIS_EQ("新たな開催情報はありません", form.Panel1.Text());
  }
  base::SetClock({});
  unsetenv("JVLINK_DATA");
}

}  // namespace
