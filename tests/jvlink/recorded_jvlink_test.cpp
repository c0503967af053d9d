#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/errors.h"
#include "fetch/jvlink/RecordedJVLink.h"
#include "tests/support/temp_dir.h"

namespace jvlink {
namespace {

using testsupport::TempDir;
using testsupport::WriteFile;

// One turn of JVRead as the test sees it: the result and what came with it.
struct Read {
  int rc;
  std::string record;
  std::string file;
  std::string stamp;
};

Read ReadOnce(RecordedJVLink& jv, int size = 110000) {
  Read r;
  r.rc = jv.JVRead(r.record, size, r.file);
  r.stamp = jv.ReadingFileStamp();
  return r;
}

// Reads until 0 or an error; each record as its text, each file end as "-1 <file> <stamp>".
std::vector<std::string> ReadAll(RecordedJVLink& jv) {
  std::vector<std::string> out;
  for (int i = 0; i < 1000; ++i) {
    Read r = ReadOnce(jv);
    if (r.rc > 0) {
      EXPECT_EQ(r.rc, static_cast<int>(r.record.size()));
      out.push_back(r.record);
    } else if (r.rc == -1) {
      out.push_back("-1 " + r.file + " " + r.stamp);
    } else {
      out.push_back(std::to_string(r.rc));
      return out;
    }
  }
  ADD_FAILURE() << "no end of data";
  return out;
}

class StoredData : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(dir / "stored/RACE/files.csv",
              "RAxx20240301.txt,20240302100000\r\n"
              "SExx20240301.txt,20240302100500,download\r\n"
              "\r\n"
              "HRxx20240302.txt,20240303090000,download\r\n");
    WriteFile(dir / "stored/RACE/RAxx20240301.txt", "RA7first\r\nRA7second\r\n");
    WriteFile(dir / "stored/RACE/SExx20240301.txt", "SE7one\n\nSE7two");
    WriteFile(dir / "stored/RACE/HRxx20240302.txt", "");
    ASSERT_EQ(0, jv.JVInit(kSoftwareId));
  }
  int Open(const std::string& from) {
    return jv.JVOpen("RACE", from, 1, read_count, download_count, last_stamp);
  }

  TempDir dir;
  RecordedJVLink jv{dir.path()};
  int read_count = -9, download_count = -9;
  std::string last_stamp = "x";
};

TEST_F(StoredData, DeliversEveryFileWithItsEndAndThenZero) {
  ASSERT_EQ(0, Open("20240101000000"));
  EXPECT_EQ(3, read_count);
  EXPECT_EQ(2, download_count);
  EXPECT_EQ("20240303090000", last_stamp);
  std::vector<std::string> expected = {"RA7first\r\n",
                                       "RA7second\r\n",
                                       "-1 RAxx20240301.txt 20240302100000",
                                       "SE7one\r\n",
                                       "SE7two\r\n",
                                       "-1 SExx20240301.txt 20240302100500",
                                       "-1 HRxx20240302.txt 20240303090000",
                                       "0"};
  EXPECT_EQ(expected, ReadAll(jv));
  EXPECT_EQ(0, ReadOnce(jv).rc) << "the end of data stays the end";
}

TEST_F(StoredData, RecordCarriesTheFileNameAndStampOfItsFile) {
  ASSERT_EQ(0, Open("20240101000000"));
  Read r = ReadOnce(jv);
  EXPECT_EQ(10, r.rc);
  EXPECT_EQ("RAxx20240301.txt", r.file);
  EXPECT_EQ("20240302100000", r.stamp);
}

TEST_F(StoredData, FromDateSelectsTheLaterStampsAsText) {
  struct Case {
    std::string from;
    int rc, reads, downloads;
    std::string last;
  } cases[] = {
      {"20240302100000", 0, 2, 2, "20240303090000"},  // equal stamp is not later
      {"20240302100459", 0, 2, 2, "20240303090000"},
      {"20240302100500", 0, 1, 1, "20240303090000"},
      {"20240303090000", -1, 0, 0, ""},
      {"20991231235959", -1, 0, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.from);
    EXPECT_EQ(c.rc, Open(c.from));
    EXPECT_EQ(c.reads, read_count);
    EXPECT_EQ(c.downloads, download_count);
    EXPECT_EQ(c.last, last_stamp);
    jv.JVClose();
  }
}

TEST_F(StoredData, FirstDeliveredFileIsTheFirstSelected) {
  ASSERT_EQ(0, Open("20240302100000"));
  std::vector<std::string> expected = {"SE7one\r\n", "SE7two\r\n",
                                       "-1 SExx20240301.txt 20240302100500",
                                       "-1 HRxx20240302.txt 20240303090000", "0"};
  EXPECT_EQ(expected, ReadAll(jv));
}

TEST_F(StoredData, StatusCountsOneMoreDownloadAtEachCallUpToTheCount) {
  ASSERT_EQ(0, Open("20240101000000"));
  EXPECT_EQ(1, jv.JVStatus());
  EXPECT_EQ(2, jv.JVStatus());
  EXPECT_EQ(2, jv.JVStatus());
  jv.JVClose();
  ASSERT_EQ(0, Open("20240303000000"));
  EXPECT_EQ(1, download_count);
  EXPECT_EQ(1, jv.JVStatus()) << "the count starts anew with each open";
  jv.JVClose();
}

TEST_F(StoredData, StatusWithoutDownloadsIsZero) {
  WriteFile(dir / "stored/RACE/files.csv", "RAxx20240301.txt,20240302100000\r\n");
  ASSERT_EQ(0, Open("20240101000000"));
  EXPECT_EQ(0, download_count);
  EXPECT_EQ(0, jv.JVStatus());
}

TEST_F(StoredData, SkipRestOfFileEndsTheCurrentFileOnly) {
  ASSERT_EQ(0, Open("20240101000000"));
  EXPECT_EQ("RA7first\r\n", ReadOnce(jv).record);
  EXPECT_EQ(0, jv.SkipRestOfFile());
  Read end = ReadOnce(jv);
  EXPECT_EQ(-1, end.rc);
  EXPECT_EQ("RAxx20240301.txt", end.file);
  // Right after a file end there is no rest to pass over: the next file is read whole.
  EXPECT_EQ(0, jv.SkipRestOfFile());
  EXPECT_EQ("SE7one\r\n", ReadOnce(jv).record);
}

TEST_F(StoredData, TooLongRecordIsAnErrorAndStaysForALargerBuffer) {
  ASSERT_EQ(0, Open("20240101000000"));
  Read r = ReadOnce(jv, 10);  // "RA7first" + CR LF needs 10
  EXPECT_EQ(10, r.rc);
  Read too_long = ReadOnce(jv, 10);  // "RA7second" + CR LF needs 11
  EXPECT_EQ(kRecordTooLong, too_long.rc);
  EXPECT_EQ("", too_long.record);
  Read again = ReadOnce(jv, 11);
  EXPECT_EQ(11, again.rc);
  EXPECT_EQ("RA7second\r\n", again.record);
}

TEST_F(StoredData, CloseEndsTheDataAndReopeningStartsAgain) {
  ASSERT_EQ(0, Open("20240101000000"));
  ReadOnce(jv);
  EXPECT_EQ(0, jv.JVClose());
  EXPECT_EQ(kNotOpen, ReadOnce(jv).rc);
  EXPECT_EQ(kNotOpen, jv.JVStatus());
  EXPECT_EQ(0, jv.JVClose()) << "closing twice is harmless";
  ASSERT_EQ(0, Open("20240101000000"));
  EXPECT_EQ("RA7first\r\n", ReadOnce(jv).record);
}

TEST_F(StoredData, CallsOutOfOrder) {
  RecordedJVLink fresh(dir.path());
  int rc = 0, dc = 0;
  std::string stamp;
  EXPECT_EQ(kNotInitialized, fresh.JVOpen("RACE", "20240101000000", 1, rc, dc, stamp));
  EXPECT_EQ(kNotInitialized, fresh.JVRTOpen("0B15", "20240301"));
  std::string buffer = "old", name;
  EXPECT_EQ(kNotOpen, fresh.JVRead(buffer, 100, name));
  EXPECT_EQ("", buffer) << "the buffer is made anew by every call";
  EXPECT_EQ(kNotOpen, fresh.JVStatus());
  EXPECT_EQ(kNotOpen, fresh.SkipRestOfFile());
  EXPECT_EQ(0, fresh.JVClose());

  ASSERT_EQ(0, Open("20240101000000"));
  EXPECT_EQ(kAlreadyOpen, Open("20240101000000"));
  EXPECT_EQ(kAlreadyOpen, jv.JVRTOpen("0B15", "20240301"));
  EXPECT_EQ("RA7first\r\n", ReadOnce(jv).record) << "the open data are untouched";
}

TEST_F(StoredData, BadParameters) {
  EXPECT_EQ(kBadFromDate, Open("20240101"));
  EXPECT_EQ(kBadFromDate, Open("2024010100000x"));
  EXPECT_EQ(kBadDataSpec,
            jv.JVOpen("../RACE", "20240101000000", 1, read_count, download_count, last_stamp));
  EXPECT_EQ(kBadDataSpec,
            jv.JVOpen("", "20240101000000", 1, read_count, download_count, last_stamp));
  EXPECT_EQ(kBadSoftwareId, jv.JVInit(""));
  EXPECT_EQ(0, Open("20240101000000")) << "failed opens leave nothing open";
}

TEST_F(StoredData, DataSpecWithoutRecordingHasNoData) {
  EXPECT_EQ(kNoData,
            jv.JVOpen("DIFF", "20240101000000", 1, read_count, download_count, last_stamp));
}

TEST_F(StoredData, MalformedRecordingsAreDamagedData) {
  struct Case {
    std::string files_csv;
    std::string problem;
  } cases[] = {
      {"RAxx20240301.txt\r\n", "expected name,stamp"},
      {"RAxx20240301.txt,2024030210\r\n", "time stamp '2024030210' is not 14 digits"},
      {"RAxx20240301.txt,20240302100000,later\r\n", "third field 'later'"},
      {"../RAxx20240301.txt,20240302100000\r\n", "is not a file name"},
      {"missing.txt,20240302100000\r\n", "missing.txt is missing"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.files_csv);
    WriteFile(dir / "stored/RACE/files.csv", c.files_csv);
    EXPECT_EQ(kDamagedData, Open("20240101000000"));
    EXPECT_NE(std::string::npos, jv.last_problem().find(c.problem)) << jv.last_problem();
  }
}

TEST_F(StoredData, UnreadableFileListIsDamagedData) {
  std::filesystem::remove(dir / "stored/RACE/files.csv");
  std::filesystem::create_directory(dir / "stored/RACE/files.csv");
  EXPECT_EQ(kDamagedData, Open("20240101000000"));
  EXPECT_NE(std::string::npos, jv.last_problem().find("files.csv"));
}

TEST_F(StoredData, RecordedFileVanishedBeforeReadingIsAReadError) {
  ASSERT_EQ(0, Open("20240101000000"));
  std::filesystem::remove(dir / "stored/RACE/RAxx20240301.txt");
  EXPECT_EQ(kDamagedData, ReadOnce(jv).rc);
}

class RealTimeData : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(0, jv.JVInit(kSoftwareId)); }
  TempDir dir;
  RecordedJVLink jv{dir.path()};
};

TEST_F(RealTimeData, FilesComeInByteOrderOfTheirNames) {
  std::string key = dir / "realtime/0B41/2024030105010211";
  WriteFile(key + "/b.txt", "O1 b1\r\nO1 b2\r\n");
  WriteFile(key + "/A.txt", "O1 A1\n");
  WriteFile(key + "/a.txt", "O1 a1\n");
  std::filesystem::create_directory(key + "/sub");  // folders are not files
  ASSERT_EQ(0, jv.JVRTOpen("0B41", "2024030105010211"));
  std::vector<std::string> expected = {"O1 A1\r\n", "-1 A.txt ", "O1 a1\r\n", "-1 a.txt ",
                                       "O1 b1\r\n", "O1 b2\r\n", "-1 b.txt ", "0"};
  EXPECT_EQ(expected, ReadAll(jv));
  EXPECT_EQ(0, jv.JVClose());
  ASSERT_EQ(0, jv.JVRTOpen("0B41", "2024030105010211")) << "reopening works";
  EXPECT_EQ("O1 A1\r\n", ReadOnce(jv).record);
}

TEST_F(RealTimeData, MissingFolderHasNoDataAndEmptyFolderEndsAtOnce) {
  EXPECT_EQ(kNoData, jv.JVRTOpen("0B15", "20240301"));
  std::filesystem::create_directories(dir / "realtime/0B15/20240301");
  ASSERT_EQ(0, jv.JVRTOpen("0B15", "20240301"));
  EXPECT_EQ(0, ReadOnce(jv).rc);
  EXPECT_EQ(kNotOpen, jv.JVStatus()) << "the download state belongs to stored data";
}

TEST_F(RealTimeData, KeysThatLeadElsewhereAreRefused) {
  WriteFile(dir / "realtime/0B15/x.txt", "RA\n");
  for (const std::string key : {"", "..", "../0B15", "2024/0301", "2024 0301"}) {
    SCOPED_TRACE(key);
    EXPECT_EQ(kBadKey, jv.JVRTOpen("0B15", key));
  }
  EXPECT_EQ(kBadDataSpec, jv.JVRTOpen("..", "0B15"));
}

TEST(RecordedJVLinkFaults, TheNthCallReturnsTheResultInstead) {
  TempDir dir;
  WriteFile(dir / "faults.csv",
            "JVInit,1,-101\r\nJVRead,2,-502\r\nJVRTOpen,3,-1\r\nJVClose,1,-9\r\n"
            "JVSetUIProperties,1,-100\r\n");
  WriteFile(dir / "realtime/0B15/20240301/f.txt", "R1\nR2\n");
  RecordedJVLink jv(dir.path());
  EXPECT_EQ(-101, jv.JVInit(kSoftwareId));
  EXPECT_EQ(kNotInitialized, jv.JVRTOpen("0B15", "20240301")) << "a faulted JVInit did nothing";
  EXPECT_EQ(0, jv.JVInit(kSoftwareId));
  EXPECT_EQ(0, jv.JVRTOpen("0B15", "20240301"));
  std::string buffer, name;
  EXPECT_EQ(4, jv.JVRead(buffer, 100, name));
  EXPECT_EQ(-502, jv.JVRead(buffer, 100, name));
  EXPECT_EQ("", buffer);
  EXPECT_EQ(4, jv.JVRead(buffer, 100, name)) << "the faulted read passed over no record";
  EXPECT_EQ("R2\r\n", buffer);
  EXPECT_EQ(-9, jv.JVClose());
  EXPECT_EQ(-1, jv.JVRTOpen("0B15", "20240301")) << "a faulted JVClose still ends the data";
  EXPECT_EQ(0, jv.JVClose());
  EXPECT_EQ(-100, jv.JVSetUIProperties());
  EXPECT_EQ(0, jv.JVSetUIProperties());
}

TEST(RecordedJVLinkFaults, StatusFaultDoesNotAdvanceTheDownload) {
  TempDir dir;
  WriteFile(dir / "faults.csv", "JVStatus,2,-201\nJVOpen,2,-504\n");
  WriteFile(dir / "stored/RACE/files.csv",
            "a20240301,20240302000000,download\n"
            "b20240301,20240302000001,download\n");
  WriteFile(dir / "stored/RACE/a20240301", "x\n");
  WriteFile(dir / "stored/RACE/b20240301", "y\n");
  RecordedJVLink jv(dir.path());
  ASSERT_EQ(0, jv.JVInit(kSoftwareId));
  int rc = 0, dc = 0;
  std::string stamp;
  ASSERT_EQ(0, jv.JVOpen("RACE", "20240101000000", 1, rc, dc, stamp));
  EXPECT_EQ(1, jv.JVStatus());
  EXPECT_EQ(-201, jv.JVStatus());
  EXPECT_EQ(2, jv.JVStatus());
  jv.JVClose();
  EXPECT_EQ(-504, jv.JVOpen("RACE", "20240101000000", 1, rc, dc, stamp));
  EXPECT_EQ(0, dc);
  EXPECT_EQ("", stamp);
  EXPECT_EQ(0, jv.JVOpen("RACE", "20240101000000", 1, rc, dc, stamp)) << "nothing was left open";
}

TEST(RecordedJVLinkFaults, MalformedFaultListFailsTheCallWithItsLine) {
  struct Case {
    std::string line;
    std::string problem;
  } cases[] = {
      {"JVRead,1", "line 1: expected method,n,result"},
      {"JVFoo,1,-1", "unknown method 'JVFoo'"},
      {"JVRead,0,-1", "call number '0'"},
      {"JVRead,1,x", "result 'x'"},
      {"JVRead,1,5", "cannot claim a record"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    TempDir dir;
    WriteFile(dir / "faults.csv", c.line + "\r\n");
    RecordedJVLink jv(dir.path());
    try {
      jv.JVInit(kSoftwareId);
      ADD_FAILURE() << "no error";
    } catch (const base::Error& e) {
      EXPECT_NE(std::string::npos, std::string(e.what()).find(c.problem)) << e.what();
    }
  }
}

TEST(RecordedJVLinkDialog, ShowsTheDataFolderAndReturnsZero) {
  TempDir dir;
  std::vector<std::string> shown;
  RecordedJVLink jv(dir.path(), [&](const std::string& text) { shown.push_back(text); });
  EXPECT_EQ(0, jv.JVSetUIProperties());
  ASSERT_EQ(1u, shown.size());
  EXPECT_NE(std::string::npos, shown[0].find(dir.path()));
  RecordedJVLink silent(dir.path());
  EXPECT_EQ(0, silent.JVSetUIProperties());
}

TEST(RecordedJVLinkFactory, DataFolderFromTheEnvironmentElseJvlinkData) {
  const char* old = std::getenv("JVLINK_DATA");
  std::string saved = old ? old : "";
  setenv("JVLINK_DATA", "/some/where", 1);
  EXPECT_EQ("/some/where", DataFolderFromEnvironment());
  setenv("JVLINK_DATA", "", 1);
  EXPECT_EQ("jvlink_data", DataFolderFromEnvironment());
  unsetenv("JVLINK_DATA");
  EXPECT_EQ("jvlink_data", DataFolderFromEnvironment());

  TempDir dir;
  WriteFile(dir / "jvlink_data/realtime/0B15/20240301/f", "RA\n");
  testsupport::ScopedCurrentDir cwd(dir.path());
  std::unique_ptr<JVLink> jv = MakeJVLink();
  ASSERT_EQ(0, jv->JVInit(kSoftwareId));
  EXPECT_EQ(0, jv->JVRTOpen("0B15", "20240301"));
  if (old) setenv("JVLINK_DATA", saved.c_str(), 1);
}

}  // namespace
}  // namespace jvlink
