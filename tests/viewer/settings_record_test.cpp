#include <gtest/gtest.h>

#include "base/errors.h"
#include "base/files.h"
#include "tests/support/temp_dir.h"
#include "viewer/logic/SettingsRecord.h"

namespace {

TEST(SettingsRecordTest, ThirtyThreeBytesWithTheNameCutToThirtyTwo) {
  EXPECT_EQ(viewer::SettingsBytes(viewer::DefaultSettings()),
            std::string("\x0d") + "time_100a.csv" + std::string(19, '\0'));
  const std::string long_name(40, 'a');
  const std::string bytes = viewer::SettingsBytes({long_name});
  EXPECT_EQ(bytes, std::string("\x20") + std::string(32, 'a'));
  EXPECT_EQ(viewer::SettingsOfBytes(bytes, "f").TimingFile, std::string(32, 'a'));
  // The bytes behind the text carry no meaning; a length above 32 counts as 32.
  EXPECT_EQ(viewer::SettingsOfBytes(std::string("\x03") + "abcdef" + std::string(26, 'z'), "f")
                .TimingFile,
            "abc");
  EXPECT_EQ(viewer::SettingsOfBytes(std::string("\xff") + std::string(32, 'b'), "f").TimingFile,
            std::string(32, 'b'));
}

TEST(SettingsRecordTest, AShortFileIsAnErrorNamingIt) {
  testsupport::TempDir dir;
  testsupport::WriteFile(dir / "v.cfg", std::string(32, '\0'));
  try {
    viewer::ReadSettingsFile(dir / "v.cfg");
    FAIL();
  } catch (const base::FileError& e) {
    EXPECT_NE(std::string(e.what()).find(dir / "v.cfg"), std::string::npos);
  }
  EXPECT_THROW(viewer::ReadSettingsFile(dir / "missing.cfg"), base::FileError);
}

TEST(SettingsRecordTest, TheFileBesideTheProgram) {
  EXPECT_EQ(viewer::SettingsFilePath("/opt/vantrel/vantrel"), "/opt/vantrel/vantrel.cfg");
  EXPECT_EQ(viewer::SettingsFilePath("/opt/vantrel/vantrel.exe"), "/opt/vantrel/vantrel.cfg");
  EXPECT_EQ(viewer::SettingsFilePath("/opt/v.2/vantrel"), "/opt/v.2/vantrel.cfg");
  EXPECT_EQ(viewer::SettingsFilePath("/a/b.c.d"), "/a/b.c.cfg");
}

TEST(SettingsRecordTest, WritingKeepsTheBytesBehindTheRecordAndMakesAMissingFile) {
  testsupport::TempDir dir;
  viewer::WriteSettingsFile(dir / "v.cfg", {"x.csv"});
  EXPECT_EQ(base::ReadFileBytes(dir / "v.cfg"), std::string("\x05x.csv") + std::string(27, '\0'));
  testsupport::WriteFile(dir / "v.cfg", std::string(33, 'q') + "rest");
  viewer::WriteSettingsFile(dir / "v.cfg", {"y.csv"});
  EXPECT_EQ(base::ReadFileBytes(dir / "v.cfg"),
            std::string("\x05y.csv") + std::string(27, '\0') + "rest");
}

}  // namespace
