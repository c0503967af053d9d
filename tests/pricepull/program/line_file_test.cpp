// The fetch programs' whole-file writer with two writers in one folder (two runs over the
// same day at once): a writer keeps its temporary file locked until the file has its final
// name, so the other's cleanup removes only the leftovers of killed runs; a writer whose
// temporary file another program removed says so.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/sjis.h"
#include "fetch/common/FetchTexts.h"
#include "fetch/common/LineFile.h"
#include "tests/support/close_watch.h"
#include "tests/support/lock_holder.h"
#include "tests/support/sjis_assert.h"
#include "tests/support/temp_dir.h"

namespace {

using fetch::LineFile;
using testsupport::Utf8;

class LineFileTest : public ::testing::Test {
 protected:
  void TearDown() override {
    LineFile::before_rename_for_test = nullptr;
    base::check_written_for_test = nullptr;
  }

  std::vector<std::string> Temporary() const {
    std::vector<std::string> names = base::ListEntries(dir.path());
    std::erase_if(names, [](const std::string& n) { return !n.ends_with(".part"); });
    return names;
  }

  testsupport::TempDir dir;
  const std::string jr = dir / "JR05162411.CSV";
  const std::string jw = dir / "JW05162411.CSV";
};

TEST_F(LineFileTest, AnotherWritersCleanupLeavesAFileBetweenItsLastLineAndItsRename) {
  // A killed run's leftover, which nobody holds.
  const std::string leftover = dir / "JD05162411.CSV.99999999.part";
  testsupport::WriteFile(leftover, "torn");

  LineFile a;
  a.Create(jr);
  a.WriteLine("a1", false);
  bool held = false;
  LineFile::before_rename_for_test = [&](const std::string& temp) {
    if (held) return;
    held = true;
    // The other writer begins its file in the same folder while this one stands before its
    // rename: its cleanup takes the leftover and leaves this file.
    LineFile b;
    b.Create(jw);
    EXPECT_TRUE(base::FileExists(temp));
    EXPECT_FALSE(base::PathExists(leftover));
    b.WriteLine("b1", false);
    b.Close();
    EXPECT_TRUE(base::FileExists(temp));
  };
  a.Close();
  EXPECT_TRUE(held);
  EXPECT_EQ(base::ReadFileBytes(jr), "a1\r\n");
  EXPECT_EQ(base::ReadFileBytes(jw), "b1\r\n");
  EXPECT_TRUE(Temporary().empty()) << Temporary().front();
}

TEST_F(LineFileTest, AWriteThatLostItsTemporaryFileFailsAndSaysSo) {
  testsupport::WriteFile(jr, "old\r\n");
  const struct {
    const char* what;
    bool replaced;  // another file took the temporary file's name
  } cases[] = {{"removed", false}, {"replaced", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    LineFile a;
    a.Create(jr);
    a.WriteLine("new", false);
    LineFile::before_rename_for_test = [&](const std::string& temp) {
      std::remove(temp.c_str());
      if (c.replaced) testsupport::WriteFile(temp, "other");
    };
    try {
      a.Close();
      ADD_FAILURE() << "no failure";
    } catch (const fetch::OutputError& e) {
      EXPECT_SJIS_EQ(fetch::LostTemporaryFileText(jr), e.status());
    }
    EXPECT_EQ(base::ReadFileBytes(jr), "old\r\n");
    // The other program's file is neither renamed nor removed.
    EXPECT_EQ(Temporary().size(), c.replaced ? 1u : 0u);
    for (const std::string& name : Temporary()) std::remove((dir / name).c_str());
  }
}

TEST_F(LineFileTest, AWriteErrorToldBeforeTheRenameKeepsTheOldFile) {
  testsupport::WriteFile(jr, "old\r\n");
  LineFile a;
  a.Create(jr);
  a.WriteLine("new", false);
  std::string checked;
  base::check_written_for_test = [&](const std::string& temp, int fd) {
    checked = base::ReadFileBytes(temp);
    EXPECT_TRUE(base::NamesFile(temp, fd));
    return EIO;
  };
  try {
    a.Close();
    ADD_FAILURE() << "no failure";
  } catch (const fetch::OutputError& e) {
    EXPECT_SJIS_EQ(fetch::CannotWriteFileText(jr), e.status());
    EXPECT_NE(std::string(e.what()).find(std::strerror(EIO)), std::string::npos) << e.what();
  }
  EXPECT_EQ(checked, "new\r\n");  // every line had reached the file
  EXPECT_EQ(base::ReadFileBytes(jr), "old\r\n");
  EXPECT_TRUE(Temporary().empty());
}

TEST_F(LineFileTest, AnotherProgramsLockFailsTheFileInsteadOfWaitingForIt) {
  testsupport::WriteFile(jr, "old\r\n");
  const std::string temp = jr + "." + std::to_string(::getpid()) + ".part";
  {
    const testsupport::LockHolder holder(temp);
    LineFile a;
    try {
      a.Create(jr);
      ADD_FAILURE() << "no failure";
    } catch (const fetch::OutputError& e) {
      EXPECT_SJIS_EQ(fetch::HeldTemporaryFileText(jr), e.status());
      EXPECT_NE(std::string(e.what()).find(temp), std::string::npos) << e.what();
    }
    EXPECT_FALSE(a.is_open());
    EXPECT_EQ(base::ReadFileBytes(jr), "old\r\n");
  }
  LineFile a;
  a.Create(jr);
  a.WriteLine("new", false);
  a.Close();
  EXPECT_EQ(base::ReadFileBytes(jr), "new\r\n");
}

// The lock goes with the last close of the temporary file, which inotify reports under the
// name the file has then: the final one.
TEST_F(LineFileTest, TheTemporaryFileKeepsItsLockUntilItHasItsFinalName) {
  testsupport::CloseWatch watch(dir.path());
  LineFile a;
  a.Create(jr);
  a.WriteLine("new", true);
  a.Close();
  EXPECT_EQ(watch.Closed(), std::vector<std::string>{"JR05162411.CSV"});
}

// A folder whose name is not ASCII reads as it is in the status texts and the log lines
// (Shift-JIS) of a file or folder that cannot be made in it.
TEST_F(LineFileTest, TheTextsNameAFolderOfAnyNameAsItReads) {
  const std::string folder = dir / Utf8(u8"フォルダ");
  const std::string file = folder + "/JR05162411.CSV";
  base::MakeDirs(file);  // a folder in the file's place
  const std::string day_folder = folder + "/day.txt/20240601";
  testsupport::WriteFile(folder + "/day.txt", "a file on the folder's way");
  testsupport::ScopedCurrentDir cd(folder);  // where jv_data is made
  const struct {
    std::function<void()> fail;
    std::string status, log;  // UTF-8
  } cases[] = {
      {[&] { LineFile().Create(file); }, Utf8(u8"ファイルを作成できません：") + file,
       Utf8(u8"ファイルエラー:cannot create ") + file + ": " + std::strerror(EISDIR) + "\r\n"},
      {[&] { fetch::MakeDayFolder(day_folder); }, Utf8(u8"フォルダを作成できません：") + day_folder,
       Utf8(u8"ファイルエラー:cannot create the folder ") + day_folder + "\r\n"},
  };
  for (const auto& c : cases) {
    try {
      c.fail();
      ADD_FAILURE() << c.status;
    } catch (const fetch::OutputError& e) {
      EXPECT_EQ(c.status, base::SjisToUtf8(e.status()));
      EXPECT_EQ(c.log, base::SjisToUtf8(fetch::FileErrorLog(e.what())));
    }
  }
}

}  // namespace
