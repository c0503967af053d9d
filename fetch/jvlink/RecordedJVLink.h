// The recorded-data stand-in for the racing-data component. It serves data recorded in a
// folder of plain files:
//
//   stored/<DataSpec>/files.csv   one line per recorded file, in delivery order: the file
//                                 name, its time stamp (14 digits yyyymmddhhmmss) and an
//                                 optional third field "download" (still to be downloaded)
//   stored/<DataSpec>/<file>      that file's records, one per line
//   realtime/<DataSpec>/<key>/    the answer to JVRTOpen(DataSpec, key): its files, taken in
//                                 byte order of their names, one record per line
//   faults.csv                    optional lines "method,n,result": the n-th call of that
//                                 method (counted from 1 for this object) returns the result
//
// A record line ends with CR LF or LF; the line end is not part of the record, and empty
// lines are no records. JVRead hands a record over as its bytes followed by CR LF.
//
// Behaviour:
// - JVOpen selects the files whose stamp is later than FromDate (as text); ReadCount is
//   their number, DownloadCount those marked "download", LastFileTimeStamp the stamp of
//   the last one. None selected, or no files.csv for the data spec: -1. A files.csv that
//   cannot be read or is malformed, or a selected file that is missing: kDamagedData, with
//   the reason in last_problem() and on standard error.
// - The n-th JVStatus after an open returns min(n, DownloadCount). JVRead does not wait
//   for the downloads.
// - JVRead returns -1 after the last record of every file (the last one too), then 0, and
//   0 again at every later call. The file name and ReadingFileStamp are those of the file
//   being read or just ended; real-time files have no stamp (empty).
// - A record longer than size - 2 gives kRecordTooLong and stays: the next JVRead with a
//   large enough size returns it.
// - SkipRestOfFile passes over the rest of the file being read, so the next JVRead gives
//   -1; right after a -1 (or before the first read) it does nothing.
// - A failed open leaves nothing open. JVClose always ends what was opened and returns 0;
//   it may be called when nothing is open.
// - A faulted call does nothing but return its result (out values cleared, the buffer
//   empty), except JVClose, which still ends what was opened. A malformed faults.csv makes
//   the first call throw base::Error naming the line (a failure below the results).
#pragma once
#include <map>
#include <string>
#include <vector>

#include "fetch/jvlink/JVLink.h"

namespace jvlink {

// Results of the stand-in besides those the interface names.
inline constexpr int kNoData = -1;            // JVOpen: nothing newer; JVRTOpen: nothing recorded
inline constexpr int kBadSoftwareId = -101;   // JVInit with an empty identifier
inline constexpr int kBadDataSpec = -111;     // not 1-32 letters and digits
inline constexpr int kBadFromDate = -112;     // not 14 digits
inline constexpr int kBadKey = -114;          // not 1-32 letters and digits
inline constexpr int kNotInitialized = -201;  // JVOpen or JVRTOpen before JVInit
inline constexpr int kAlreadyOpen = -202;     // JVOpen or JVRTOpen before JVClose
inline constexpr int kNotOpen = -203;         // JVRead, JVStatus, SkipRestOfFile with nothing open
inline constexpr int kRecordTooLong = -301;   // JVRead: the record does not fit the size
inline constexpr int kDamagedData = -401;     // recorded data that cannot be read or is malformed

// JVLINK_DATA when it is set and not empty, else "jvlink_data".
std::string DataFolderFromEnvironment();

class RecordedJVLink : public JVLink {
 public:
  explicit RecordedJVLink(std::string data_folder, DialogFunction show_dialog = {});

  int JVInit(const std::string& software_id) override;
  int JVSetUIProperties() override;
  int JVOpen(const std::string& data_spec, const std::string& from_date, int data_option,
             int& read_count, int& download_count, std::string& last_file_time_stamp) override;
  int JVStatus() override;
  int JVRTOpen(const std::string& data_spec, const std::string& key) override;
  int JVRead(std::string& buffer, int size, std::string& file_name) override;
  int SkipRestOfFile() override;
  std::string ReadingFileStamp() override;
  int JVClose() override;

  const std::string& data_folder() const { return folder_; }
  // What was wrong with the recorded data at the last kDamagedData result ("" before any).
  const std::string& last_problem() const { return problem_; }

 private:
  struct File {
    std::string name;
    std::string path;
    std::string stamp;  // empty for real-time files
    bool download = false;
  };

  // The fault result for this call of the method, if faults.csv names one; counts the call.
  const int* Fault(const std::string& method);
  void LoadFaults();
  int Damaged(const std::string& problem);
  // Reads files.csv of a data spec; false (and problem_ set) when it is malformed.
  bool ReadFileList(const std::string& data_spec, std::vector<File>& files);

  std::string folder_;
  DialogFunction show_dialog_;
  bool faults_loaded_ = false;
  std::map<std::string, std::map<int, int>> faults_;  // method -> call number -> result
  std::map<std::string, int> calls_;
  std::string problem_;

  bool initialized_ = false;
  bool open_ = false;
  bool stored_ = false;  // opened by JVOpen (JVStatus applies)
  int download_count_ = 0;
  int downloaded_ = 0;
  std::vector<File> files_;
  std::size_t file_ = 0;      // the file being read, or the next one after a file end
  bool file_loaded_ = false;  // the lines of files_[file_] are loaded
  std::vector<std::string> lines_;
  std::size_t line_ = 0;
  std::string current_name_;  // the file being read or just ended
  std::string current_stamp_;
};

}  // namespace jvlink
