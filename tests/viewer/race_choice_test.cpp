#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>

#include "base/errors.h"
#include "base/files.h"
#include "tests/support/sjis_assert.h"
#include "tests/support/temp_dir.h"
#include "viewer/logic/RaceChoice.h"
#include "viewer/logic/RaceHeader.h"
#include "viewer/logic/Timing.h"

namespace {

using viewer::RaceOddsRecord;

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  return text;
}

std::string Repeat(const std::string& text, int n) {
  std::string r;
  for (int i = 0; i < n; ++i) r += (i ? "," : "") + text;
  return r;
}

// A day of one race, 東京 race 11 of 3 runners, post time 15:40, on disk.
class RaceChoiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string key = "2024060105020411";
    viewer::RaceOddsRecord buffer;
    viewer::RefreshRaceHeaders(
        {key + ",2024,06,01,東京,11,第91回,東京優駿,３歳,芝　左,2400,3,15:40,7,1,1,9,t"}, 99,
        choice.day_work_folder, buffer);
    std::string runner =
        ",\" \",\" \",\" \",馬,牡,3,騎手,57.0,調教師,美,x,　,　,　,　,4,　,01,1,"
        "\" \",\" \",\" \",\" \",a,b,480,2.34,0,t";
    testsupport::WriteFile(choice.day_data_folder + "/DE240601.CSV",
                           Lines({"240601,東京,11,1" + runner, "240601,東京,11,2" + runner,
                                  "240601,東京,1,3" + runner}));
    testsupport::WriteFile(choice.timing_file_path,
                           Lines({"0,15:40,10:00,11:00,12:00,13:00,14:00,15:00",
                                  "2,15:40,17:00,18:00,10:30,11:30,12:30,13:30"}));
    const std::string head = key + ",4,";
    jd = choice.day_data_folder + "/JD05242411.CSV";
    jr = choice.day_data_folder + "/JR05242411.CSV";
    testsupport::WriteFile(
        jd, Lines({head + "06011001,3,100,200,2.5,1.1,1.3,3.5,1.2,1.4,9.9,2.0,3.0",
                   head + "06011101,3,300,400,2.4,1.1,1.3,3.6,1.2,1.4,9.8,2.0,3.0"}));
    testsupport::WriteFile(jr, Lines({head + "06011001,3,50,2.5,3.75," + Repeat("7.5", 151),
                                      head + "06011101,3,60,2.5,3.75," + Repeat("7.5", 151)}));
  }

  testsupport::TempDir dir;
  viewer::RaceChoice choice{
      dir / "jv_data/20240601",     dir / "wo_data/20240601", "240601", "05", "0204", 11,
      dir / "gt_data/time_100a.csv"};
  std::string jd, jr;
  std::string record_file = dir / "wo_data/20240601/05020411.ods";
};

TEST_F(RaceChoiceTest, FillsAndStoresTheRecord) {
  RaceOddsRecord current;
  viewer::LoadChosenRace(choice, current);
  EXPECT_EQ(current.bytes(), base::ReadFileBytes(record_file));
  EXPECT_EQ(0, current.HeaderPending());
  EXPECT_SJIS_EQ("馬", current.HorseName(1));
  EXPECT_SJIS_EQ("馬", current.HorseName(2));
  EXPECT_EQ(std::string(18, ' '), current.HorseName(3));  // that line is of race 1
  EXPECT_EQ("21001", current.Label(1));
  EXPECT_EQ("21101", current.Label(2));
  EXPECT_EQ("90000", current.Label(3));
  EXPECT_EQ(300, current.WinVoteTotal(2));
  EXPECT_EQ(60, current.QuinellaVoteTotal(2));
  EXPECT_EQ(60, current.BracketQuinellaVoteTotal(2));  // 3 runners: the quinella file
  EXPECT_EQ(9999.0f, current.OddsBracketQuinella(2, 1, 1));
  EXPECT_EQ(2.5f, current.OddsBracketQuinella(2, 1, 2));
  EXPECT_NEAR(41.6667, current.QuinellaShare(1, 1), 1e-4);

  viewer::TimeButtons b = viewer::PlanTimeButtons(current, 0);
  EXPECT_EQ("  10:01", b.captions[0]);
  EXPECT_EQ("  11:01", b.captions[1]);
  EXPECT_EQ(2, b.chosen_time2);

  // Again with unchanged files: the same record.
  const std::string first = current.bytes();
  viewer::LoadChosenRace(choice, current);
  EXPECT_EQ(first, current.bytes());
}

TEST_F(RaceChoiceTest, AReaderErrorStoresNothing) {
  const std::string stored = base::ReadFileBytes(record_file);
  std::remove(jr.c_str());
  RaceOddsRecord current;
  EXPECT_THROW(viewer::LoadChosenRace(choice, current), base::FileError);
  EXPECT_EQ(stored, base::ReadFileBytes(record_file));
  EXPECT_EQ("21001", current.Label(1));  // what the win and place reader stored
}

TEST_F(RaceChoiceTest, AnEmptySetStopsTheChoice) {
  testsupport::WriteFile(choice.timing_file_path,
                         Lines({"0,10:00,10:00,11:00,12:00,13:00,14:00,15:00"}));
  RaceOddsRecord current;
  EXPECT_THROW(viewer::LoadChosenRace(choice, current), base::ConversionError);
  EXPECT_EQ(0, viewer::ReadRaceOddsRecord(record_file).RunnerFileAge());
}

TEST_F(RaceChoiceTest, AShortRecordFileLeavesTheCurrentRace) {
  testsupport::WriteFile(record_file, "short");
  RaceOddsRecord current;
  current.SetRaceKey("previous");
  EXPECT_THROW(viewer::LoadChosenRace(choice, current), base::FileError);
  EXPECT_EQ("previous", current.RaceKey());
  EXPECT_EQ("short", base::ReadFileBytes(record_file));
}

TEST(ChosenRaceKey, FromTheChoice) {
  EXPECT_EQ("2024060105020411", viewer::ChosenRaceKey("240601", "05", "0204", 11));
  EXPECT_EQ("2024060109031001", viewer::ChosenRaceKey("240601", "09", "0310", 1));
}

// A damaged line of any file that a race choice reads is named by its file and line, so
// that the user knows which file to fetch again.
TEST_F(RaceChoiceTest, ADamagedLineIsNamedByItsFileAndLine) {
  const std::string runners = base::ReadFileBytes(choice.day_data_folder + "/DE240601.CSV");
  const std::string jd_lines = base::ReadFileBytes(jd), jr_lines = base::ReadFileBytes(jr);
  const std::string timing = base::ReadFileBytes(choice.timing_file_path);
  auto replace = [](std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
  };
  struct Case {
    std::string file;
    std::string damaged;
    std::string message;
  } cases[] = {
      {choice.day_data_folder + "/DE240601.CSV",
       replace(runners, "240601,東京,11,2", "240601,東京,11,"),
       "'' is not a valid integer value (" + choice.day_data_folder + "/DE240601.CSV line 2)"},
      {jd, replace(jd_lines, "3,300,400", "3,3x0,400"),
       "'3x0' is not a valid integer value (" + jd + " line 2)"},
      {jr, replace(jr_lines, "3,50,2.5", "3,50,2.q"),
       "'2.q' is not a valid floating point value (" + jr + " line 1)"},
      {choice.timing_file_path, replace(timing, "2,15:40", "2,15:4O"),
       "(" + choice.timing_file_path + " line 2)"},
  };
  for (const Case& c : cases) {
    const std::string good = base::ReadFileBytes(c.file);
    testsupport::WriteFile(c.file, c.damaged);
    RaceOddsRecord current;
    try {
      viewer::LoadChosenRace(choice, current);
      ADD_FAILURE() << "no error for " << c.file;
    } catch (const base::ConversionError& e) {
      EXPECT_NE(std::string::npos, std::string(e.what()).find(c.message))
          << testsupport::Readable(e.what()) << "\nshould hold "
          << testsupport::Readable(c.message);
    }
    testsupport::WriteFile(c.file, good);
  }
}

TEST(RaceHeaders, ADamagedRaceLineIsNamedByItsFileAndLine) {
  testsupport::TempDir dir;
  const std::string good =
      "2024060105020411,2024,06,01,東京,11,第91回,東京優駿,３歳,芝　左,2400,3,15:40,7,1,1,9,t";
  struct Case {
    std::string line;
    std::string message;
  } cases[] = {
      {"2024060105020412,2024,06,01,東京,12,,x,,芝　左,2400,1x,15:40,7,1,1,9,t",
       "'1x' is not a valid integer value (jv_data/20240601/DG240601.CSV line 2)"},
      {"20240601050204x3,2024,06,01,東京,12,,x,,芝　左,2400,3,15:40,7,1,1,9,t",
       "'20240601050204x3' is not a valid race key (jv_data/20240601/DG240601.CSV line 2)"},
      {"2024060105020412,2024,06,01,東京,12,,x,,芝　左,2400,3,15:40,7,1,?,9,t",
       "'1?' is not a valid integer value (jv_data/20240601/DG240601.CSV line 2)"},
  };
  for (const Case& c : cases) {
    RaceOddsRecord current;
    try {
      viewer::RefreshRaceHeaders({good, c.line}, 1, dir / "wo", current,
                                 "jv_data/20240601/DG240601.CSV");
      ADD_FAILURE() << c.line;
    } catch (const base::ConversionError& e) {
      EXPECT_SJIS_EQ(c.message, e.what());
    }
  }
}

// Choosing the race again over unchanged files leaves its record file as it is (no new
// file); a changed odds file gives a new one.
TEST_F(RaceChoiceTest, UnchangedRecordIsNotWrittenAgain) {
  auto inode = [this] {
    struct stat st {};
    ::stat(record_file.c_str(), &st);
    return st.st_ino;
  };
  RaceOddsRecord current;
  viewer::LoadChosenRace(choice, current);
  const auto first = inode();
  viewer::LoadChosenRace(choice, current);
  EXPECT_EQ(first, inode());
  std::string lines = base::ReadFileBytes(jd);
  testsupport::WriteFile(jd, lines.replace(lines.find("3,300,400"), 9, "3,301,400"));
  viewer::LoadChosenRace(choice, current);
  EXPECT_NE(first, inode());
  EXPECT_EQ(current.bytes(), base::ReadFileBytes(record_file));
  EXPECT_EQ(301, current.WinVoteTotal(2));
}

}  // namespace

namespace {

std::string ErrorOf(const viewer::RaceChoice& choice) {
  RaceOddsRecord current;
  try {
    viewer::LoadChosenRace(choice, current);
  } catch (const base::Error& e) {
    return e.what();
  }
  return "no error";
}

// An odds text "nan" is no number: the race choice ends with the conversion error naming
// the odds file and line, and the record file is not written.
TEST_F(RaceChoiceTest, AnOddsTextThatIsNoNumberStoresNothing) {
  const std::string stored = base::ReadFileBytes(record_file);
  const std::string head = "2024060105020411,4,";
  testsupport::WriteFile(jd,
                         Lines({head + "06011001,3,100,200,2.5,1.1,1.3,3.5,1.2,1.4,9.9,2.0,3.0",
                                head + "06011101,3,300,400,2.4,1.1,1.3,nan,1.2,1.4,9.8,2.0,3.0"}));
  EXPECT_EQ("'nan' is not a valid floating point value (" + jd + " line 2)", ErrorOf(choice));
  EXPECT_EQ(stored, base::ReadFileBytes(record_file));
}

// An empty odds-timing file leaves the sets without rows: the error names that file, not
// the odds file that was being read.
TEST_F(RaceChoiceTest, AnEmptyOddsTimingFileIsNamed) {
  testsupport::WriteFile(choice.timing_file_path, "");
  const std::string error = ErrorOf(choice);
  EXPECT_NE(error.find("no race-day row of " + choice.timing_file_path + " holds post time 15:40"),
            std::string::npos)
      << error;
  EXPECT_EQ(error.find("JD05242411"), std::string::npos) << error;
}

// A post time that is no time of day comes from the race file: the error names its line.
TEST_F(RaceChoiceTest, APostTimeThatIsNoTimeNamesItsRaceLine) {
  for (const std::string post : {"ab:cd", "99:99"}) {
    const std::string race_file = choice.day_data_folder + "/DG240601.CSV";
    testsupport::WriteFile(
        race_file,
        Lines({"2024060105020401,2024,06,01,東京,1,x,y,z,芝　左,1200,3,10:00,7,1,1,9,t",
               "2024060105020411,2024,06,01,東京,11,第91回,東京優駿,３歳,芝　左,2400,3," + post +
                   ",7,1,1,9,t"}));
    viewer::RaceOddsRecord buffer;
    viewer::RefreshRaceHeaders(base::ReadLines(race_file), 99, choice.day_work_folder, buffer);
    EXPECT_EQ("'" + post + "' is not a valid time: the post time of race 2024060105020411 (" +
                  race_file + " line 2)",
              ErrorOf(choice));
  }
}

}  // namespace
