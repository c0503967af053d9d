// The main window on a race day whose folders have a name that is not ASCII: the messages
// that name a file read with the name as it is (their texts are Shift-JIS, the names the
// file system's UTF-8), and the files named are the ones the viewer opens.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/files.h"
#include "base/sjis.h"
#include "tests/support/sjis_assert.h"
#include "tests/viewer/race_day.h"
#include "viewer/logic/RaceOddsRecord.h"
#include "viewer/logic/SettingsRecord.h"

namespace {

using testsupport::Utf8;

// The hand-made race day and the program folder moved into dir/フォルダ/ before start-up.
class PathTextsTest : public viewertest::RaceDayTest {
 protected:
  void SetUp() override {
    RaceDayTest::SetUp();
    base::MakeDirs(folder);
    std::filesystem::rename(run, named_run);
    std::filesystem::rename(prog, named_prog);
    cd.reset();
    cd.emplace(named_run);
    viewer::SetViewerProgramPath(named_prog + "/vantrel");
  }
  void TearDown() override {
    cd.reset();  // out of the folder before it goes
    RaceDayTest::TearDown();
  }

  // The messages as UTF-8.
  std::vector<std::string> Shown() const {
    std::vector<std::string> shown;
    for (const std::string& text : Texts()) shown.push_back(base::SjisToUtf8(text));
    return shown;
  }

  const std::string folder = dir / Utf8(u8"フォルダ");
  const std::string named_run = folder + "/run";
  const std::string named_prog = folder + "/prog";
  const std::string work_day = named_run + "/wo_data/20240601";
};

TEST_F(PathTextsTest, AShortSettingsFileIsNamedAsItsFolderReads) {
  const std::string settings = named_prog + "/vantrel.cfg";
  testsupport::WriteFile(settings, "\x05short");
  Start();
  const std::string expected = "The settings file \"" + settings +
                               "\" holds 6 bytes, less than one record (33 bytes)\r\n"
                               "The viewer starts with the default settings.";
  EXPECT_EQ(Shown(), std::vector<std::string>{expected});
}

TEST_F(PathTextsTest, ARecordFileSetAsideIsNamedWithTheNameItIsKeptAs) {
  const std::string record = work_day + "/05020405.ods";
  testsupport::WriteFile(record, "short");
  Start();
  form->Track1.Click();
  const std::string expected =
      "Read beyond end of file \"" + record + "\": it holds 5 bytes, a race record " +
      std::to_string(viewer::RaceOddsRecord::kSize) + ". The file is kept as \"" + record +
      ".damaged\", and the race's record is made anew.";
  EXPECT_EQ(Shown(), std::vector<std::string>{expected});
  EXPECT_EQ("short", base::ReadFileBytes(record + ".damaged"));
}

// The odds-timing file's own name is the file system's too (the settings keep its bytes).
TEST_F(PathTextsTest, AMissingOddsTimingFileIsNamedWithItsFolderAndName) {
  viewer::WriteSettingsFile(named_prog + "/vantrel.cfg", {Utf8(u8"時間帯①.csv")});
  ChooseTokyo11();
  const std::string tail =
      Utf8(u8"/gt_data/時間帯①.csv\" does not exist. Choose another one in 設定・ヘルプ.");
  const std::string expected = "The odds-timing file \"" + named_run + tail;
  EXPECT_EQ(Shown(), std::vector<std::string>{expected});
}

}  // namespace
