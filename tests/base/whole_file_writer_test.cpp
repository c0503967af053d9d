// The whole-file writer against what the system and other programs do to it: a write error
// told only before the rename, another program's lock on its temporary file, the moment
// its lock goes, and what stands at a store file's path.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/files.h"
#include "tests/support/close_watch.h"
#include "tests/support/lock_holder.h"
#include "tests/support/temp_dir.h"

namespace {

class WholeFileWriter : public ::testing::Test {
 protected:
  void TearDown() override { base::check_written_for_test = nullptr; }

  // The text of the FileError that the call throws; empty when it throws none.
  template <typename Fn>
  static std::string ErrorOf(Fn&& fn) {
    try {
      fn();
    } catch (const base::FileError& e) {
      return e.what();
    }
    return {};
  }

  testsupport::TempDir dir;
  const std::string path = dir / "05020401.ods";
  const std::string temp = path + ".tmp~";
};

TEST_F(WholeFileWriter, AWriteErrorToldBeforeTheRenameKeepsTheOldFile) {
  testsupport::WriteFile(path, "old");
  // The check is made on the temporary file, open and whole, just before its rename.
  std::string checked;
  base::check_written_for_test = [&](const std::string& t, int fd) {
    checked = t + ":" + base::ReadFileBytes(t);
    EXPECT_TRUE(base::NamesFile(t, fd));
    return EIO;  // as a network file system tells a failed write at a close
  };
  const std::string error = ErrorOf([&] { base::WriteFileAtomic(path, "new"); });
  EXPECT_EQ(checked, temp + ":new");
  EXPECT_EQ(error, "Write error on file \"" + path + "\". " + std::strerror(EIO));
  EXPECT_EQ("old", base::ReadFileBytes(path));
  EXPECT_EQ(std::vector<std::string>{"05020401.ods"}, base::ListEntries(dir.path()));

  base::check_written_for_test = nullptr;
  base::WriteFileAtomic(path, "new");
  EXPECT_EQ("new", base::ReadFileBytes(path));
}

TEST_F(WholeFileWriter, AnotherProgramsLockFailsTheWriteInsteadOfWaitingForIt) {
  testsupport::WriteFile(path, "old");
  {
    const testsupport::LockHolder holder(temp);
    EXPECT_EQ(ErrorOf([&] { base::WriteFileAtomic(path, "new"); }),
              "Cannot create file \"" + path + "\": another program holds its temporary file \"" +
                  temp + "\"");
    EXPECT_EQ("old", base::ReadFileBytes(path));
    EXPECT_TRUE(base::PathExists(temp));  // the other program's file is left to it
  }
  // Once it has let go, the file is written, its temporary file taken over.
  base::WriteFileAtomic(path, "new");
  EXPECT_EQ("new", base::ReadFileBytes(path));
  EXPECT_FALSE(base::PathExists(temp));
}

TEST_F(WholeFileWriter, APipeInPlaceOfTheTemporaryFileFailsTheWriteAtOnce) {
  testsupport::WriteFile(path, "old");
  ASSERT_EQ(0, ::mkfifo(temp.c_str(), 0644));
  EXPECT_NE(ErrorOf([&] { base::WriteFileAtomic(path, "new"); }).find(path), std::string::npos);
  EXPECT_EQ("old", base::ReadFileBytes(path));
}

// The lock on a temporary file goes with the last close of the file; inotify names a file
// closed after writing by the name it has at that moment. So a single close event under the
// final name shows that no other writer's cleanup could ever take the file before it had it.
TEST_F(WholeFileWriter, TheTemporaryFileKeepsItsLockUntilItHasItsFinalName) {
  testsupport::CloseWatch watch(dir.path());
  base::WriteFileAtomic(path, "new");
  EXPECT_EQ(watch.Closed(), std::vector<std::string>{"05020401.ods"});
}

TEST_F(WholeFileWriter, OnlyAStoreFileThatIsNotThereIsMissing) {
  testsupport::WriteFile(dir / "file.cfg", "x");
  base::MakeDirs(dir / "folder.cfg");
  std::filesystem::create_symlink("loop.cfg", dir / "loop.cfg");
  EXPECT_EQ(base::Entry::kFile, base::EntryAt(dir / "file.cfg"));
  EXPECT_EQ(base::Entry::kNothing, base::EntryAt(dir / "missing.cfg"));
  EXPECT_EQ(base::Entry::kOther, base::EntryAt(dir / "folder.cfg"));
  EXPECT_TRUE(base::FileOrNothing(dir / "file.cfg"));
  EXPECT_FALSE(base::FileOrNothing(dir / "missing.cfg"));
  EXPECT_EQ(ErrorOf([&] { base::FileOrNothing(dir / "folder.cfg"); }),
            "\"" + dir / "folder.cfg" + "\" is not a file");
  // What cannot be looked at names itself and the system's cause.
  const struct {
    std::string path;
    int cause;
  } cases[] = {{dir / "loop.cfg", ELOOP},
               {dir / "file.cfg/x.cfg", ENOTDIR},
               {dir / std::string(300, 'x'), ENAMETOOLONG}};
  for (const auto& c : cases) {
    const std::string expected =
        "Cannot look for file \"" + c.path + "\". " + std::strerror(c.cause);
    EXPECT_EQ(ErrorOf([&] { base::EntryAt(c.path); }), expected);
    EXPECT_EQ(ErrorOf([&] { base::FileOrNothing(c.path); }), expected);
  }
}

}  // namespace
