// The viewer runs once: a second start, while a copy runs, ends at once with status 0
// and makes no window (no main window means no wo_data made in its current directory).
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "base/files.h"
#include "tests/support/temp_dir.h"
#include "ui/process.h"

namespace {

bool WaitFor(const std::function<bool()>& done) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

class ViewerProcess {
 public:
  ViewerProcess(const std::string& program, const std::string& dir) {
    base::MakeDirs(dir);
    testsupport::ScopedCurrentDir cd(dir);
    started_ = child_.Start(program, {});
  }
  ~ViewerProcess() { End(); }
  bool started() const { return started_; }
  bool Ended() { return !child_.Running(); }
  int ExitCode() const { return child_.ExitCode(); }
  void End() {
    if (child_.pid() > 0 && child_.Running()) {
      kill(child_.pid(), SIGTERM);
      WaitFor([this] { return Ended(); });
    }
  }

 private:
  ui::ChildProcess child_;
  bool started_ = false;
};

TEST(SecondInstanceTest, ASecondStartEndsAtOnceWithoutAWindow) {
  testsupport::TempDir dir;
  // A copy of the program, so that its settings file goes beside it in the temp folder.
  const std::string program = dir / "prog/vantrel";
  base::MakeDirs(dir / "prog");
  std::filesystem::copy_file(VANTREL_PROGRAM, program);
  std::filesystem::permissions(program, std::filesystem::perms::owner_all);
  base::MakeDirs(dir / "lock");
  setenv("VANTREL_LOCK_DIR", (dir / "lock").c_str(), 1);

  {
    ViewerProcess first(program, dir / "one");
    ASSERT_TRUE(first.started());
    // The first copy holds the lock before its main window makes wo_data.
    ASSERT_TRUE(WaitFor([&] { return base::DirExists(dir / "one/wo_data") || first.Ended(); }));
    ASSERT_FALSE(first.Ended());

    ViewerProcess second(program, dir / "two");
    ASSERT_TRUE(second.started());
    ASSERT_TRUE(WaitFor([&] { return second.Ended(); }));
    EXPECT_EQ(second.ExitCode(), 0);
    EXPECT_FALSE(base::PathExists(dir / "two/wo_data"));
    EXPECT_FALSE(first.Ended());
  }

  // With the first copy ended, the next start runs.
  ViewerProcess third(program, dir / "three");
  ASSERT_TRUE(third.started());
  EXPECT_TRUE(WaitFor([&] { return base::DirExists(dir / "three/wo_data") || third.Ended(); }));
  EXPECT_FALSE(third.Ended());
  third.End();
  unsetenv("VANTREL_LOCK_DIR");
}

}  // namespace
