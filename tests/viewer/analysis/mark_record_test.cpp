#include <gtest/gtest.h>

#include <string>

#include "base/errors.h"
#include "base/files.h"
#include "base/fixed_record.h"
#include "tests/support/temp_dir.h"
#include "viewer/logic/CellNumbers.h"
#include "viewer/logic/MarkRecord.h"

namespace {

constexpr const char* kKey = "2024051905021211";

viewer::MarkRecord SomeMarks() {
  viewer::MarkRecord m;
  m.RaceKey = kKey;
  m.MarkFileName = "05021211.mrk";
  m.Marks[0] = 1;
  m.Marks[1] = 3;
  m.Marks[5] = 2;
  m.Marks[18] = 1;
  m.ReservedMarks[3] = -7;
  return m;
}

TEST(MarkRecord, BytesFieldByField) {
  const std::string bytes = viewer::MarkRecordBytes(SomeMarks());
  ASSERT_EQ(188u, bytes.size());
  EXPECT_EQ(16, bytes[0]);
  EXPECT_EQ(kKey, bytes.substr(1, 16));
  EXPECT_EQ(12, bytes[17]);
  EXPECT_EQ("05021211.mrk", bytes.substr(18, 12));
  EXPECT_EQ(std::string(4, '\0'), bytes.substr(30, 4));  // behind the short file name
  EXPECT_EQ(std::string(2, '\0'), bytes.substr(34, 2));  // padding
  const int32_t marks[19] = {1, 3, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
  for (int k = 0; k < 19; ++k) {
    EXPECT_EQ(marks[k], base::GetInt32(bytes, 36 + 4 * k)) << k;
    EXPECT_EQ(k == 3 ? -7 : 0, base::GetInt32(bytes, 112 + 4 * k)) << k;
  }
  EXPECT_EQ(3, bytes[40]);  // little-endian: the low byte first
  EXPECT_EQ(SomeMarks(), viewer::MarkRecordOfBytes(bytes));
  EXPECT_THROW(viewer::MarkRecordOfBytes(bytes.substr(0, 187)), base::FileError);
}

TEST(MarkFilePath, TheRacesOwnDayUnderTheWorkFolder) {
  EXPECT_EQ("/w/wo_data/20240519/05021211.mrk", viewer::MarkFilePath("/w/wo_data", kKey));
  EXPECT_EQ("wo_data/20231231/10010101.mrk", viewer::MarkFilePath("wo_data", "2023123110010101"));
}

class MarkFileTest : public ::testing::Test {
 protected:
  void SetUp() override { base::MakeDirs(work_ + "/20240519"); }
  testsupport::TempDir dir_;
  std::string work_ = dir_ / "wo_data";
  std::string path_ = work_ + "/20240519/05021211.mrk";
};

TEST_F(MarkFileTest, SaveWritesTheRecordWithItsKeyAndNameAndLoadReadsItBack) {
  viewer::MarkRecord m;
  m.Marks[4] = 3;
  m.Marks[0] = 0;
  viewer::SaveMarkFile(work_, kKey, m);
  const std::string bytes = base::ReadFileBytes(path_);
  viewer::MarkRecord expected;
  expected.RaceKey = kKey;
  expected.MarkFileName = "05021211.mrk";
  expected.Marks[0] = 1;
  expected.Marks[4] = 3;
  EXPECT_EQ(viewer::MarkRecordBytes(expected), bytes);
  EXPECT_EQ(expected, m);
  EXPECT_EQ(std::vector<std::string>{"05021211.mrk"}, base::ListEntries(work_ + "/20240519"));

  viewer::MarkRecord loaded;
  loaded.Marks[7] = 2;
  viewer::LoadMarkFile(work_, kKey, loaded);
  EXPECT_EQ(expected, loaded);

  // Saving again replaces the file whole.
  m.Marks[4] = 0;
  viewer::SaveMarkFile(work_, kKey, m);
  viewer::LoadMarkFile(work_, kKey, loaded);
  EXPECT_EQ(0, loaded.Marks[4]);
}

TEST_F(MarkFileTest, NoFileOrAShortOneMeansNoMarks) {
  // A short file is kept under a new name, so that no save writes over it.
  const struct {
    std::string content;
    std::string kept_as;
  } cases[] = {{"none", ""},
               {std::string(187, '\x03'), path_ + ".damaged"},
               {std::string(), path_ + ".damaged.2"}};
  for (const auto& c : cases) {
    if (c.content != "none") testsupport::WriteFile(path_, c.content);
    viewer::MarkRecord m = SomeMarks();
    m.RaceKey = "kept";
    const auto set_aside = viewer::LoadMarkFile(work_, kKey, m);
    EXPECT_EQ(c.kept_as, set_aside ? set_aside->kept_as : "");
    viewer::MarkRecord expected;
    expected.RaceKey = "kept";
    expected.MarkFileName = "05021211.mrk";
    expected.Marks[0] = 1;
    EXPECT_EQ(expected, m) << c.content.size();
    EXPECT_FALSE(base::PathExists(path_));
    if (!c.kept_as.empty()) {
      EXPECT_EQ(c.content, base::ReadFileBytes(c.kept_as));
    }
  }
  // A longer file gives its first record.
  testsupport::WriteFile(path_, viewer::MarkRecordBytes(SomeMarks()) + "tail");
  viewer::MarkRecord m;
  viewer::LoadMarkFile(work_, kKey, m);
  EXPECT_EQ(SomeMarks(), m);
}

TEST_F(MarkFileTest, EmptyKeyWritesNothingAndAMissingFolderFails) {
  viewer::MarkRecord m = SomeMarks();
  viewer::SaveMarkFile(work_, "", m);
  EXPECT_TRUE(base::ListEntries(work_ + "/20240519").empty());
  EXPECT_EQ(SomeMarks(), m);
  EXPECT_THROW(viewer::SaveMarkFile(work_, "2024060105021211", m), base::FileError);
}

TEST(ToggleMark, AnyClickClearsElseAltCtrlPlain) {
  struct {
    int32_t mark;
    bool ctrl, alt;
    int32_t after;
  } cases[] = {
      {0, false, false, 3}, {0, true, false, 2},  {0, false, true, 1}, {0, true, true, 1},
      {3, true, false, 0},  {2, false, false, 0}, {1, true, true, 0},  {9, false, false, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.after, viewer::ToggleMark(c.mark, c.ctrl, c.alt)) << c.mark << c.ctrl << c.alt;
  }
}

TEST(ClickMark, TheHorseOfTheClickedRow) {
  base::TextGrid grid(19, 19, " ");
  const int horses[] = {5, 2, 9};  // rows 1-3 after a sort
  for (int row = 1; row <= 3; ++row) grid.SetCell(1, row, viewer::IntText(horses[row - 1], 2));
  viewer::HorseMarks marks{};
  EXPECT_TRUE(viewer::ClickMark(marks, grid, 3, 1, 1, false, false));
  EXPECT_EQ(3, marks[5]);
  EXPECT_TRUE(viewer::ClickMark(marks, grid, 3, 1, 1, true, false));  // clears, not 2
  EXPECT_EQ(0, marks[5]);
  EXPECT_TRUE(viewer::ClickMark(marks, grid, 3, 1, 1, true, false));
  EXPECT_EQ(2, marks[5]);
  EXPECT_TRUE(viewer::ClickMark(marks, grid, 3, 3, 1, true, true));
  EXPECT_EQ(1, marks[9]);
  const viewer::HorseMarks before = marks;
  for (int row : {0, 4, 18, 19, -1}) {
    EXPECT_FALSE(viewer::ClickMark(marks, grid, 3, row, 1, false, false)) << row;
  }
  grid.SetCell(1, 2, " ");
  EXPECT_FALSE(viewer::ClickMark(marks, grid, 3, 2, 1, false, false));
  grid.SetCell(1, 2, "19");
  EXPECT_FALSE(viewer::ClickMark(marks, grid, 3, 2, 1, false, false));
  EXPECT_EQ(before, marks);
}

}  // namespace
