// The fetch of each program (storepull, cardpull, pricepull) runs in a child process over
// files of an earlier run and is killed (SIGKILL) at a random moment of its run. Afterwards
// every day file and odds file is the old file or the new one whole, never a part and never
// gone; what the killed run left is only its temporary files, which the next run removes.
//
// The test command kills each program VANTREL_KILLS times inside its run (default 6). A
// long run:
//   VANTREL_KILLS=40 build/bin/fetch_kill_tests
// prints per program the kills, how many fell inside the run, and how many left a
// temporary file or a mix of old and new files.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>

#include "base/files.h"
#include "fetch/cardpull/CardFetch.h"
#include "fetch/jvlink/RecordedJVLink.h"
#include "fetch/pricepull/OddsFetch.h"
#include "fetch/storepull/StoredFetch.h"
#include "tests/storepull/fetch_fakes.h"
#include "tests/support/temp_dir.h"
#include "tools/sampledata/sample_data.h"

namespace {

constexpr char kDay[] = "20160326";

using Files = std::map<std::string, std::string>;  // path under the work folder -> bytes

// Every regular file under the folder, by its path relative to it.
Files FilesUnder(const std::string& folder) {
  Files files;
  if (!base::DirExists(folder)) return files;
  for (const auto& e : std::filesystem::recursive_directory_iterator(folder)) {
    if (!e.is_regular_file()) continue;
    files[std::filesystem::relative(e.path(), folder).string()] =
        base::ReadFileBytes(e.path().string());
  }
  return files;
}

void WriteFiles(const std::string& folder, const Files& files) {
  std::filesystem::remove_all(folder);
  base::MakeDirs(folder);
  for (const auto& [path, bytes] : files) {
    base::MakeDirs(std::filesystem::path(folder + "/" + path).parent_path().string());
    base::WriteFileAtomic(folder + "/" + path, bytes);
  }
}

bool IsTemporary(const std::string& path) { return path.ends_with(".part"); }

long NowMicroseconds() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1000000L + t.tv_nsec / 1000;
}

// One program's fetch, run with the work folder as the current directory; the view counts
// its message pumps (one before every read of the component).
using Fetch = std::function<void(const std::string& data, fetchtest::RecordingView& view)>;

// Kills this process (SIGKILL, sent by the system's timer) `delay_us` from now, wherever its
// run then stands.
void ArmKill(long delay_us) {
  sigevent event{};
  event.sigev_notify = SIGEV_SIGNAL;
  event.sigev_signo = SIGKILL;
  timer_t timer;
  if (timer_create(CLOCK_MONOTONIC, &event, &timer) != 0) _exit(124);
  itimerspec when{};
  when.it_value.tv_sec = delay_us / 1000000;
  when.it_value.tv_nsec = std::max(1L, (delay_us % 1000000) * 1000);
  if (timer_settime(timer, 0, &when, nullptr) != 0) _exit(124);
}

// The program's fetch in a child process. kill_after_pump 0: the child runs to its end and
// the result is the number of its message pumps. Otherwise the child is killed (SIGKILL)
// delay_us after that pump; the result is 1 when the kill came before the end, else 0.
int RunChild(const Fetch& fetch, const std::string& data, const std::string& work,
             int kill_after_pump = 0, long delay_us = 0) {
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) return -1;
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    close(pipe_fds[0]);
    if (chdir(work.c_str()) != 0) _exit(126);
    fetchtest::RecordingView view;
    view.on_pump = [&](int n) {
      if (n == kill_after_pump) ArmKill(delay_us);
    };
    fetch(data, view);
    if (write(pipe_fds[1], &view.pumps, sizeof view.pumps) < 0) _exit(125);
    _exit(0);
  }
  close(pipe_fds[1]);
  int pumps = 0;
  const bool told = read(pipe_fds[0], &pumps, sizeof pumps) == static_cast<ssize_t>(sizeof pumps);
  close(pipe_fds[0]);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
  }
  if (kill_after_pump != 0) return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL ? 1 : 0;
  return told && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? pumps : -1;
}

int KillsPerProgram() {
  const char* env = std::getenv("VANTREL_KILLS");
  return env && std::atoi(env) > 0 ? std::atoi(env) : 6;
}

class FetchKill : public ::testing::Test {
 protected:
  FetchKill() {
    sampledata::SampleOptions options;
    options.race_day = base::Date{2016, 3, 26};
    options.now = base::DateTime{{2016, 3, 26}, 13, 30, 0};
    options.seed = 11;
    options.courses = 2;
    options.races_per_course = 12;
    options.stored_days = 3;
    sampledata::WriteSampleData(data(), sampledata::MakeSampleData(options));
  }

  std::string data() const { return dir / "jvlink"; }
  std::string work() const { return dir / "work"; }

  // Kills the program's run over `before` at random moments and checks what is left.
  // `inputs`: files of `before` that the run reads and never writes.
  void KillAtRandomMoments(const char* program, const Fetch& fetch, const Files& before,
                           const std::set<std::string>& inputs) {
    // The new files: a whole run over the old ones; its message pumps and how long the
    // quickest of three such runs takes.
    int pumps = 0;
    long run_us = 0;
    for (int i = 0; i < 3; ++i) {
      WriteFiles(work(), before);
      const long start = NowMicroseconds();
      pumps = RunChild(fetch, data(), work());
      ASSERT_GT(pumps, 0) << program << " did not run to its end";
      const long took = NowMicroseconds() - start;
      run_us = i == 0 ? took : std::min(run_us, took);
    }
    const Files after = FilesUnder(work());
    ASSERT_GT(after.size(), inputs.size()) << program << " wrote nothing";
    // The old files differ from the new ones in every byte count: a part of either is
    // neither.
    Files old = before;
    for (const auto& [path, bytes] : after) {
      if (!inputs.count(path)) old[path] = "old " + path + "\r\n";
    }

    std::mt19937 rng(static_cast<unsigned>(std::hash<std::string>()(program)));
    // Each kill comes at a random moment of the run: a random time up to two pumps' worth
    // after a random message pump; one that came after the end is not counted.
    const long pump_us = std::max(1L, run_us / pumps);
    int inside = 0, temporary = 0, mixed = 0, rounds = 0;
    const int kills = KillsPerProgram();
    for (int k = 0; inside < kills && k < 3 * kills; ++k) {
      WriteFiles(work(), old);
      const int pump = std::uniform_int_distribution<int>(1, pumps)(rng);
      const long delay = std::uniform_int_distribution<long>(0, 2 * pump_us)(rng);
      ++rounds;
      inside += RunChild(fetch, data(), work(), pump, delay);
      bool any_old = false, any_new = false, any_temporary = false;
      const Files left = FilesUnder(work());
      for (const auto& [path, bytes] : left) {
        if (IsTemporary(path)) {
          any_temporary = true;
          continue;
        }
        const bool is_old = old.count(path) && old.at(path) == bytes;
        const bool is_new = after.count(path) && after.at(path) == bytes;
        ASSERT_TRUE(is_old || is_new) << program << " killed " << delay << " us after pump " << pump
                                      << ": " << path << " is neither the old file nor the new one";
        if (!inputs.count(path)) (is_old ? any_old : any_new) = true;
      }
      for (const auto& [path, bytes] : old) {
        ASSERT_TRUE(left.count(path)) << program << " killed " << delay << " us after pump " << pump
                                      << ": " << path << " is gone";
      }
      temporary += any_temporary;
      mixed += any_old && any_new;
      // Now and then the next whole run: the new files, nothing temporary left.
      if (any_temporary && k % 3 == 0) {
        ASSERT_GT(RunChild(fetch, data(), work()), 0);
        ASSERT_EQ(after, FilesUnder(work())) << program << ": the run after a kill";
      }
    }
    std::printf(
        "%s: %d kills at random moments of a run of %d pumps in %ld us, %d inside the run, "
        "%d left temporary files, %d a mix of old and new files\n",
        program, rounds, pumps, run_us, inside, temporary, mixed);
    EXPECT_EQ(kills, inside) << program << ": too few kills fell inside the run";
  }

  testsupport::TempDir dir;
};

TEST_F(FetchKill, StorepullLeavesEveryDayFileOldOrNew) {
  Fetch fetch = [](const std::string& data, fetchtest::RecordingView& view) {
    jvlink::RecordedJVLink jv(data);
    std::string stamp;
    auto request = storepull::StartFetch(jv, view, base::Date{2016, 1, 1}, stamp);
    if (request) storepull::RunReadingDialog(jv, view, *request, stamp, {.poll_milliseconds = 0});
  };
  KillAtRandomMoments("storepull", fetch, {}, {});
}

TEST_F(FetchKill, CardpullLeavesEveryDayFileOldOrNew) {
  Fetch fetch = [](const std::string& data, fetchtest::RecordingView& view) {
    jvlink::RecordedJVLink jv(data);
    if (cardpull::InitJVLink(jv, view)) cardpull::RunReadingDialog(jv, view, kDay);
  };
  KillAtRandomMoments("cardpull", fetch, {}, {});
}

TEST_F(FetchKill, PricepullLeavesEveryOddsFileOldOrNew) {
  // The day's race file as cardpull leaves it is pricepull's input.
  Fetch card = [](const std::string& data, fetchtest::RecordingView& view) {
    jvlink::RecordedJVLink jv(data);
    if (cardpull::InitJVLink(jv, view)) cardpull::RunReadingDialog(jv, view, kDay);
  };
  WriteFiles(work(), {});
  ASSERT_GT(RunChild(card, data(), work()), 0);
  const Files day_files = FilesUnder(work());
  std::set<std::string> inputs;
  for (const auto& [path, bytes] : day_files) inputs.insert(path);
  Fetch fetch = [](const std::string& data, fetchtest::RecordingView& view) {
    jvlink::RecordedJVLink jv(data);
    pricepull::RunOddsFetch(jv, view, kDay);
  };
  KillAtRandomMoments("pricepull", fetch, day_files, inputs);
}

}  // namespace
