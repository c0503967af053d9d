#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>

#include "base/dates.h"
#include "base/errors.h"
#include "base/files.h"
#include "base/sjis.h"
#include "tests/support/sjis_assert.h"
#include "tests/support/temp_dir.h"

namespace {

using testsupport::Utf8;

std::vector<std::string> Sorted(const std::string& folder) {
  std::vector<std::string> names = base::ListEntries(folder);
  std::sort(names.begin(), names.end());
  return names;
}

TEST(Files, LinesEndAtCrLfLfOrCr) {
  using L = std::vector<std::string>;
  EXPECT_EQ((L{"a", "b", "c"}), base::SplitLines("a\r\nb\nc"));
  EXPECT_EQ((L{"a", "", "b"}), base::SplitLines("a\r\n\r\nb\r\n"));
  EXPECT_EQ((L{"a", "b"}), base::SplitLines("a\rb\r"));
  EXPECT_EQ(L{}, base::SplitLines(""));
  EXPECT_EQ((L{"a", "", "b", "c"}), base::SplitLines("a\n\rb\r\nc\n"));
  EXPECT_EQ((std::vector<std::string_view>{"a", "", "b"}), base::LineViews("a\n\rb"));
}

TEST(Files, AtomicWriteReplacesWholeAndLeavesNoTemporary) {
  testsupport::TempDir dir;
  std::string path = dir / "r.ods";
  base::WriteFileAtomic(path, std::string(100, 'a'));
  base::WriteFileAtomic(path, "bc");
  EXPECT_EQ("bc", base::ReadFileBytes(path));
  EXPECT_EQ(std::vector<std::string>{"r.ods"}, base::ListEntries(dir.path()));
}

// The files of one kind that a write names: race records, as the viewer's day folder holds.
bool IsRecordName(std::string_view name) { return name.size() == 12 && name.ends_with(".ods"); }

TEST(Files, AtomicWriteRemovesOnlyTheLeftoversOfKilledWritersOfTheFilesItNames) {
  testsupport::TempDir dir;
  // A killed viewer's leftover, the temporary file of a writer that is still at work, and
  // the user's own files whose names end alike.
  testsupport::WriteFile(dir / "05020401.ods.tmp~", "torn");
  const int live = base::CreateLockedFile(dir / "05020402.ods.tmp~");
  ASSERT_GE(live, 0);
  testsupport::WriteFile(dir / "05020403.ods", "kept");
  testsupport::WriteFile(dir / "notes.tmp~", "the user's");
  testsupport::WriteFile(dir / "x.ods.tmp~", "the user's too");
  // A write that names no files takes over only its own leftover.
  testsupport::WriteFile(dir / "05020404.ods.tmp~", "torn");
  base::WriteFileAtomic(dir / "05020404.ods", "new");
  EXPECT_TRUE(base::PathExists(dir / "05020401.ods.tmp~"));
  EXPECT_FALSE(base::PathExists(dir / "05020404.ods.tmp~"));

  base::WriteFileAtomic(dir / "05020404.ods", "newer", IsRecordName);
  EXPECT_FALSE(base::PathExists(dir / "05020401.ods.tmp~"));
  EXPECT_TRUE(base::NamesFile(dir / "05020402.ods.tmp~", live));
  EXPECT_EQ("kept", base::ReadFileBytes(dir / "05020403.ods"));
  EXPECT_EQ("newer", base::ReadFileBytes(dir / "05020404.ods"));
  EXPECT_EQ("the user's", base::ReadFileBytes(dir / "notes.tmp~"));
  EXPECT_EQ("the user's too", base::ReadFileBytes(dir / "x.ods.tmp~"));
  ::close(live);
  base::WriteFileAtomic(dir / "05020404.ods", "newest", IsRecordName);
  EXPECT_EQ((std::vector<std::string>{"05020403.ods", "05020404.ods", "notes.tmp~", "x.ods.tmp~"}),
            Sorted(dir.path()));
}

TEST(Files, SetAsideNeverReplacesAnEntry) {
  testsupport::TempDir dir;
  const std::string path = dir / "05020405.ods";
  testsupport::WriteFile(path, "first");
  EXPECT_EQ(path + ".damaged", base::SetAside(path, "damaged"));
  testsupport::WriteFile(path, "second");
  EXPECT_EQ(path + ".damaged.2", base::SetAside(path, "damaged"));
  base::MakeDirs(path + "/inside");  // a folder in the file's place
  EXPECT_EQ(path + ".damaged.3", base::SetAside(path, "damaged"));
  EXPECT_FALSE(base::PathExists(path));
  EXPECT_EQ("first", base::ReadFileBytes(path + ".damaged"));
  EXPECT_EQ("second", base::ReadFileBytes(path + ".damaged.2"));
  EXPECT_TRUE(base::DirExists(path + ".damaged.3/inside"));
  try {
    base::SetAside(path, "damaged");  // nothing there any more
    FAIL();
  } catch (const base::FileError& e) {
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
  }
}

TEST(Files, FailuresNameTheFile) {
  testsupport::TempDir dir;
  try {
    base::ReadFileBytes(dir / "missing.csv");
    FAIL();
  } catch (const base::FileError& e) {
    EXPECT_NE(std::string(e.what()).find("missing.csv"), std::string::npos);
  }
  EXPECT_THROW(base::WriteFileAtomic(dir / "no/such/dir/x", "a"), base::FileError);
}

// A folder whose name is not ASCII reads as it is in the failures' texts (Shift-JIS), and
// the system's cause still follows the name.
TEST(Files, FailuresNameAFolderOfAnyNameAsItReads) {
  testsupport::TempDir dir;
  const std::string folder = dir / Utf8(u8"フォルダ");
  base::MakeDirs(folder);
  const std::string missing = std::strerror(ENOENT);
  const struct {
    std::function<void()> fail;
    std::string text;  // UTF-8
  } cases[] = {
      {[&] { base::ReadFileBytes(folder + "/missing.csv"); },
       "Cannot open file \"" + folder + "/missing.csv\". " + missing},
      {[&] { base::WriteFileAtomic(folder + "/none/05020401.ods", "a"); },
       "Cannot create file \"" + folder + "/none/05020401.ods\". " + missing},
      {[&] { base::SetAside(folder + "/05020405.ods", "damaged"); },
       "Cannot rename \"" + folder + "/05020405.ods\". " + missing},
      {[&] { base::ReadFileBytes(folder + Utf8(u8"/é.csv")); },  // a character without Shift-JIS
       "Cannot open file \"" + folder + "/?.csv\". " + missing},
  };
  for (const auto& c : cases) {
    try {
      c.fail();
      ADD_FAILURE() << c.text;
    } catch (const base::FileError& e) {
      EXPECT_EQ(c.text, base::SjisToUtf8(e.what()));
    }
  }
}

// What cannot be read says why; "not there" is told apart from "cannot look".
TEST(Files, FailuresTellTheSystemsCause) {
  testsupport::TempDir dir;
  base::MakeDirs(dir / "folder.csv");
  try {
    base::ReadFileBytes(dir / "folder.csv");
    FAIL();
  } catch (const base::FileError& e) {
    EXPECT_NE(std::string(e.what()).find(std::strerror(EISDIR)), std::string::npos) << e.what();
  }
  testsupport::WriteFile(dir / "a.csv", "a");
  std::filesystem::create_directory_symlink("loop", dir / "loop");
  EXPECT_TRUE(base::FileExistsOrThrow(dir / "a.csv"));
  EXPECT_FALSE(base::FileExistsOrThrow(dir / "missing.csv"));
  EXPECT_FALSE(base::FileExistsOrThrow(dir / "a.csv/b.csv"));  // a file on the way
  EXPECT_FALSE(base::FileExistsOrThrow(dir / "folder.csv"));
  for (const std::string& path : {dir / "loop/DG.CSV", dir / std::string(300, 'x')}) {
    try {
      base::FileExistsOrThrow(path);
      ADD_FAILURE() << path;
    } catch (const base::FileError& e) {
      EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
  }
}

TEST(Files, FileAgeIsPackedDosTime) {
  testsupport::TempDir dir;
  std::string path = dir / "f";
  testsupport::WriteFile(path, "x");
  int32_t age = base::FileAgeDos(path);
  base::Date today = base::Today();
  EXPECT_EQ(today.year - 1980, (age >> 25) & 0x7F);
  EXPECT_EQ(today.month, (age >> 21) & 0x0F);
  EXPECT_EQ(-1, base::FileAgeDos(dir / "none"));
}

TEST(Dates, CalendarArithmetic) {
  EXPECT_EQ((base::Date{2016, 2, 29}), base::AddDays({2016, 3, 1}, -1));
  EXPECT_EQ((base::Date{2015, 12, 31}), base::AddDays({2016, 1, 1}, -1));
  EXPECT_EQ((base::Date{2016, 2, 29}), base::AddMonths({2016, 3, 31}, -1));
  EXPECT_EQ((base::Date{2015, 12, 5}), base::AddMonths({2016, 1, 5}, -1));
  EXPECT_EQ("20160305", base::Yyyymmdd({2016, 3, 5}));
  EXPECT_EQ("2016/03/05", base::SlashedDate({2016, 3, 5}));
}

TEST(Dates, ParseDateAcceptsOnlyRealDates) {
  EXPECT_EQ((base::Date{2016, 3, 5}), base::ParseDate("20160305"));
  EXPECT_EQ((base::Date{2016, 3, 5}), base::ParseDate("2016/03/05"));
  EXPECT_EQ(std::nullopt, base::ParseDate("20160230"));
  EXPECT_EQ(std::nullopt, base::ParseDate("abc"));
  EXPECT_EQ(std::nullopt, base::ParseDate("2016-03-05"));
}

TEST(Dates, TwoDigitYearsLieWithinFiftyYears) {
  EXPECT_EQ(2016, base::ExpandTwoDigitYear(16, 2026));
  EXPECT_EQ(1976, base::ExpandTwoDigitYear(76, 2026));
  EXPECT_EQ(2075, base::ExpandTwoDigitYear(75, 2026));
}

TEST(Dates, ClockCanBeSet) {
  base::SetClock([] { return base::DateTime{{2020, 1, 2}, 3, 4, 5}; });
  EXPECT_EQ((base::Date{2020, 1, 2}), base::Today());
  base::SetClock({});
  EXPECT_GE(base::Today().year, 2024);
}

}  // namespace
