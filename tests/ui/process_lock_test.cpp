#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>
#include <thread>

#include "base/errors.h"
#include "base/files.h"
#include "tests/support/temp_dir.h"
#include "ui/application.h"
#include "ui/instance_lock.h"
#include "ui/process.h"

namespace {

using testsupport::TempDir;

// Waits for the child's end as the viewer does: message passes and a short pause.
bool WaitForEnd(ui::ChildProcess& child) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (child.Running()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    ui::ProcessMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

bool WaitForFile(const std::string& path) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!base::FileExists(path)) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

TEST(ChildProcessTest, StartsAProgramAndSeesItsEnd) {
  ui::ChildProcess child;
  ASSERT_TRUE(child.Start("/bin/sh", {"-c", "exit 3"}));
  ASSERT_TRUE(WaitForEnd(child));
  EXPECT_EQ(child.ExitCode(), 3);
  EXPECT_FALSE(child.Running());
  ASSERT_TRUE(child.Start("/bin/true", {}));
  ASSERT_TRUE(WaitForEnd(child));
  EXPECT_EQ(child.ExitCode(), 0);
}

TEST(ChildProcessTest, TheChildWorksInTheCurrentDirectoryWithTheArguments) {
  TempDir dir;
  testsupport::ScopedCurrentDir cd(dir.path());
  ui::ChildProcess child;
  ASSERT_TRUE(child.Start("/bin/sh", {"-c", "echo \"$0\" > out.txt", "20160305"}));
  ASSERT_TRUE(WaitForEnd(child));
  EXPECT_EQ(base::ReadFileBytes(dir / "out.txt"), "20160305\n");
}

TEST(ChildProcessTest, AProgramThatCannotStartIsReportedAsFalse) {
  TempDir dir;
  testsupport::ScopedCurrentDir cd(dir.path());
  testsupport::WriteFile(dir / "pricepull", "#!/bin/sh\nexit 0\n");
  chmod((dir / "pricepull").c_str(), 0644);
  mkdir((dir / "cardpull").c_str(), 0755);
  ui::ChildProcess child;
  EXPECT_FALSE(child.Start("storepull", {}));            // missing
  EXPECT_FALSE(child.Start("pricepull", {"20160305"}));  // not executable
  EXPECT_FALSE(child.Start("cardpull", {}));             // a folder
  EXPECT_FALSE(child.Start("true", {}));                 // in the search path, but not here
  EXPECT_FALSE(child.Start("", {}));
  EXPECT_FALSE(child.Running());
  // A bare name is taken from the current directory.
  chmod((dir / "pricepull").c_str(), 0755);
  ASSERT_TRUE(child.Start("pricepull", {"20160305"}));
  ASSERT_TRUE(WaitForEnd(child));
  EXPECT_EQ(child.ExitCode(), 0);
}

class InstanceLockTest : public ::testing::Test {
 protected:
  InstanceLockTest() { setenv("VANTREL_LOCK_DIR", dir.path().c_str(), 1); }
  ~InstanceLockTest() override { unsetenv("VANTREL_LOCK_DIR"); }

  // Exit code of "ui_lock_probe try NAME" in a second process.
  int ProbeFromAnotherProcess() {
    ui::ChildProcess probe;
    EXPECT_TRUE(probe.Start(UI_LOCK_PROBE, {"try", "Vantrel Program"}));
    EXPECT_TRUE(WaitForEnd(probe));
    return probe.ExitCode();
  }
  TempDir dir;
};

TEST_F(InstanceLockTest, ASecondProcessFindsTheLock) {
  EXPECT_EQ(ProbeFromAnotherProcess(), 0);  // free: the probe got it (and let it go)
  {
    ui::InstanceLock lock("Vantrel Program");
    ASSERT_TRUE(lock.held());
    EXPECT_EQ(lock.path(), dir / "Vantrel Program.lock");
    EXPECT_EQ(ProbeFromAnotherProcess(), 1);
  }
  EXPECT_EQ(ProbeFromAnotherProcess(), 0);
}

TEST_F(InstanceLockTest, TheLockGoesWithAProcessThatIsKilled) {
  ui::ChildProcess holder;
  ASSERT_TRUE(holder.Start(UI_LOCK_PROBE, {"hold", "Vantrel Program", dir / "ready"}));
  ASSERT_TRUE(WaitForFile(dir / "ready"));
  EXPECT_FALSE(ui::InstanceLock("Vantrel Program").held());
  kill(holder.pid(), SIGKILL);
  ASSERT_TRUE(WaitForEnd(holder));
  EXPECT_TRUE(ui::InstanceLock("Vantrel Program").held());
}

TEST_F(InstanceLockTest, AChildProgramDoesNotKeepTheLock) {
  auto lock = std::make_unique<ui::InstanceLock>("Vantrel Program");
  ASSERT_TRUE(lock->held());
  ui::ChildProcess child;
  ASSERT_TRUE(child.Start(UI_LOCK_PROBE, {"wait", dir / "ready"}));
  ASSERT_TRUE(WaitForFile(dir / "ready"));
  lock.reset();  // the viewer ends while the fetch program runs on
  EXPECT_TRUE(ui::InstanceLock("Vantrel Program").held());
  kill(child.pid(), SIGKILL);
  EXPECT_TRUE(WaitForEnd(child));
}

TEST_F(InstanceLockTest, OtherNamesAreOtherLocks) {
  ui::InstanceLock lock("Vantrel Program");
  ui::InstanceLock other("Another Program");
  EXPECT_TRUE(lock.held());
  EXPECT_TRUE(other.held());
}

TEST(InstanceLockErrorTest, AnUnusableLockFolderIsAnError) {
  setenv("VANTREL_LOCK_DIR", "/nonexistent/folder", 1);
  EXPECT_THROW(ui::InstanceLock("Vantrel Program"), base::FileError);
  unsetenv("VANTREL_LOCK_DIR");
}

}  // namespace
