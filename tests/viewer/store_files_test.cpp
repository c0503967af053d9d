// The viewer's whole-file writes beside the user's own files: each kind of write removes
// only the leftovers of the files it writes, and a store whose path cannot be looked at is
// not written over.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "base/errors.h"
#include "base/files.h"
#include "tests/support/temp_dir.h"
#include "viewer/logic/MarkRecord.h"
#include "viewer/logic/RaceOddsRecord.h"
#include "viewer/logic/SettingsRecord.h"

namespace {

constexpr char kKey[] = "2024060105020401";

TEST(StoreFilesTest, EachWriteLeavesTheFilesItDoesNotWriteAsTheyAre) {
  const struct {
    const char* what;
    std::string folder;  // under the test's folder
    // A leftover of a killed write of the same kind, which the write removes.
    std::string leftover;
    std::function<void(const std::string& top)> write;
  } cases[] = {
      {"race record", "wo_data/20240601", "05020409.ods.tmp~",
       [](const std::string& top) {
         viewer::RaceOddsRecord record;
         viewer::InitRaceOddsRecord(record);
         viewer::WriteRaceOddsRecord(top + "/wo_data/20240601/05020401.ods", record);
       }},
      {"marks", "wo_data/20240601", "05020409.mrk.tmp~",
       [](const std::string& top) {
         viewer::MarkRecord marks;
         viewer::SaveMarkFile(top + "/wo_data", kKey, marks);
       }},
      {"settings", "prog", "vantrel.cfg.tmp~",
       [](const std::string& top) {
         viewer::WriteSettingsFile(top + "/prog/vantrel.cfg", viewer::DefaultSettings());
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    testsupport::TempDir dir;
    const std::string folder = dir / c.folder;
    // The user's files whose names end as the writers' temporary files do.
    const std::string foreign[] = {folder + "/notes.tmp~", folder + "/notes.ods.tmp~",
                                   folder + "/vantrel.cfg.bak.tmp~"};
    for (const std::string& path : foreign) testsupport::WriteFile(path, "the user's");
    testsupport::WriteFile(folder + "/" + c.leftover, "torn");
    c.write(dir.path());
    for (const std::string& path : foreign) {
      EXPECT_EQ("the user's", base::ReadFileBytes(path)) << path;
    }
    EXPECT_FALSE(base::PathExists(folder + "/" + c.leftover));
  }
}

TEST(StoreFilesTest, ASettingsFileThatCannotBeLookedAtIsNotWrittenOver) {
  testsupport::TempDir dir;
  const std::string loop = dir / "vantrel.cfg";
  std::filesystem::create_symlink("vantrel.cfg", loop);
  base::MakeDirs(dir / "folder/vantrel.cfg");
  for (const std::string& path : {loop, dir / "folder/vantrel.cfg"}) {
    try {
      viewer::WriteSettingsFile(path, viewer::DefaultSettings());
      ADD_FAILURE() << path;
    } catch (const base::FileError& e) {
      EXPECT_NE(std::string(e.what()).find("\"" + path + "\""), std::string::npos) << e.what();
    }
  }
  EXPECT_TRUE(std::filesystem::is_symlink(loop));
  EXPECT_TRUE(base::DirExists(dir / "folder/vantrel.cfg"));
}

}  // namespace
