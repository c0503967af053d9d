#include "fetch/jvlink/RecordedJVLink.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <set>

#include "base/csv.h"
#include "base/errors.h"
#include "base/file_names.h"
#include "base/files.h"
#include "base/sjis.h"
#include "base/values.h"

namespace jvlink {
namespace {

const std::set<std::string> kFaultMethods = {
    "JVInit", "JVSetUIProperties", "JVOpen", "JVStatus", "JVRTOpen",
    "JVRead", "SkipRestOfFile",    "JVClose"};

// A data spec or key names a folder: 1-32 letters and digits, nothing that leads elsewhere.
bool IsPlainName(const std::string& text) {
  if (text.empty() || text.size() > 32) return false;
  return std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  });
}

bool IsStamp(const std::string& text) {
  return text.size() == 14 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

}  // namespace

std::string DataFolderFromEnvironment() {
  const char* env = std::getenv("JVLINK_DATA");
  if (env && *env) return env;
  return "jvlink_data";
}

std::unique_ptr<JVLink> MakeJVLink(DialogFunction show_dialog) {
  return std::make_unique<RecordedJVLink>(DataFolderFromEnvironment(), std::move(show_dialog));
}

RecordedJVLink::RecordedJVLink(std::string data_folder, DialogFunction show_dialog)
    : folder_(std::move(data_folder)), show_dialog_(std::move(show_dialog)) {}

void RecordedJVLink::LoadFaults() {
  faults_loaded_ = true;
  std::string path = folder_ + "/faults.csv";
  if (!base::FileExists(path)) return;
  std::vector<std::string> lines = base::ReadLines(path);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    std::string where = base::PathText(path) + " line " + std::to_string(i + 1) + ": ";
    std::vector<std::string> f = base::SplitCsvLine(lines[i]);
    if (f.size() != 3) throw base::Error(where + "expected method,n,result");
    if (!kFaultMethods.count(f[0])) throw base::Error(where + "unknown method '" + f[0] + "'");
    std::optional<int32_t> n = base::ParseInt32(f[1]);
    if (!n || *n < 1) throw base::Error(where + "call number '" + f[1] + "' is not 1 or more");
    std::optional<int32_t> result = base::ParseInt32(f[2]);
    if (!result) throw base::Error(where + "result '" + f[2] + "' is not an integer");
    if (f[0] == "JVRead" && *result > 0) {
      throw base::Error(where + "a JVRead fault cannot claim a record (result above 0)");
    }
    faults_[f[0]][*n] = *result;
  }
}

const int* RecordedJVLink::Fault(const std::string& method) {
  if (!faults_loaded_) LoadFaults();
  int n = ++calls_[method];
  auto m = faults_.find(method);
  if (m == faults_.end()) return nullptr;
  auto r = m->second.find(n);
  return r == m->second.end() ? nullptr : &r->second;
}

int RecordedJVLink::Damaged(const std::string& problem) {
  problem_ = problem;
  std::cerr << "jvlink stand-in: " << base::SjisToUtf8(problem) << "\n";
  return kDamagedData;
}

int RecordedJVLink::JVInit(const std::string& software_id) {
  if (const int* f = Fault("JVInit")) return *f;
  if (software_id.empty()) return kBadSoftwareId;
  initialized_ = true;
  return 0;
}

int RecordedJVLink::JVSetUIProperties() {
  if (const int* f = Fault("JVSetUIProperties")) return *f;
  std::error_code ec;
  std::string shown = std::filesystem::absolute(folder_, ec).string();
  if (show_dialog_) {
    show_dialog_("JVLink（記録データ版）\nデータフォルダ：" + base::PathText(shown));
  }
  return 0;
}

bool RecordedJVLink::ReadFileList(const std::string& data_spec, std::vector<File>& files) {
  std::string dir = folder_ + "/stored/" + data_spec;
  std::string list = dir + "/files.csv";
  std::vector<std::string> lines;
  try {
    lines = base::ReadLines(list);
  } catch (const base::FileError& e) {
    Damaged(e.what());
    return false;
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    std::string where = base::PathText(list) + " line " + std::to_string(i + 1) + ": ";
    std::vector<std::string> f = base::SplitCsvLine(lines[i]);
    if (f.size() < 2 || f.size() > 3) {
      Damaged(where + "expected name,stamp[,download]");
      return false;
    }
    if (!IsFileName(f[0])) {
      Damaged(where + "'" + f[0] + "' is not a file name");
      return false;
    }
    if (!IsStamp(f[1])) {
      Damaged(where + "time stamp '" + f[1] + "' is not 14 digits");
      return false;
    }
    if (f.size() == 3 && !f[2].empty() && f[2] != "download") {
      Damaged(where + "third field '" + f[2] + "' is not download");
      return false;
    }
    files.push_back({f[0], dir + "/" + f[0], f[1], f.size() == 3 && f[2] == "download"});
  }
  return true;
}

int RecordedJVLink::JVOpen(const std::string& data_spec, const std::string& from_date,
                           int /*data_option*/, int& read_count, int& download_count,
                           std::string& last_file_time_stamp) {
  read_count = 0;
  download_count = 0;
  last_file_time_stamp.clear();
  if (const int* f = Fault("JVOpen")) return *f;
  if (!initialized_) return kNotInitialized;
  if (open_) return kAlreadyOpen;
  if (!IsPlainName(data_spec)) return kBadDataSpec;
  if (!IsStamp(from_date)) return kBadFromDate;
  if (!base::PathExists(folder_ + "/stored/" + data_spec + "/files.csv")) return kNoData;

  std::vector<File> all;
  if (!ReadFileList(data_spec, all)) return kDamagedData;
  std::vector<File> chosen;
  for (File& file : all) {
    if (file.stamp > from_date) chosen.push_back(std::move(file));
  }
  if (chosen.empty()) return kNoData;
  for (const File& file : chosen) {
    if (!base::FileExists(file.path))
      return Damaged("recorded file " + base::PathText(file.path) + " is missing");
  }

  read_count = static_cast<int>(chosen.size());
  download_count = static_cast<int>(
      std::count_if(chosen.begin(), chosen.end(), [](const File& f) { return f.download; }));
  last_file_time_stamp = chosen.back().stamp;
  files_ = std::move(chosen);
  open_ = true;
  stored_ = true;
  download_count_ = download_count;
  downloaded_ = 0;
  file_ = 0;
  file_loaded_ = false;
  current_name_.clear();
  current_stamp_.clear();
  return 0;
}

int RecordedJVLink::JVStatus() {
  if (const int* f = Fault("JVStatus")) return *f;
  if (!open_ || !stored_) return kNotOpen;
  if (downloaded_ < download_count_) ++downloaded_;
  return downloaded_;
}

int RecordedJVLink::JVRTOpen(const std::string& data_spec, const std::string& key) {
  if (const int* f = Fault("JVRTOpen")) return *f;
  if (!initialized_) return kNotInitialized;
  if (open_) return kAlreadyOpen;
  if (!IsPlainName(data_spec)) return kBadDataSpec;
  if (!IsPlainName(key)) return kBadKey;
  std::string dir = folder_ + "/realtime/" + data_spec + "/" + key;
  if (!base::DirExists(dir)) return kNoData;

  std::vector<std::string> names = base::ListEntries(dir);
  std::sort(names.begin(), names.end());
  files_.clear();
  for (const std::string& name : names) {
    std::string path = dir + "/" + name;
    if (base::FileExists(path)) files_.push_back({name, path, "", false});
  }
  open_ = true;
  stored_ = false;
  file_ = 0;
  file_loaded_ = false;
  current_name_.clear();
  current_stamp_.clear();
  return 0;
}

int RecordedJVLink::JVRead(std::string& buffer, int size, std::string& file_name) {
  buffer.clear();
  if (const int* f = Fault("JVRead")) return *f;
  if (!open_) return kNotOpen;
  file_name = current_name_;
  if (file_ >= files_.size()) return 0;
  if (!file_loaded_) {
    const File& file = files_[file_];
    std::vector<std::string> lines;
    try {
      lines = base::ReadLines(file.path);
    } catch (const base::FileError& e) {
      return Damaged(e.what());
    }
    lines_.clear();
    for (std::string& line : lines) {
      if (!line.empty()) lines_.push_back(std::move(line));
    }
    line_ = 0;
    file_loaded_ = true;
    current_name_ = file.name;
    current_stamp_ = file.stamp;
  }
  file_name = current_name_;
  if (line_ < lines_.size()) {
    const std::string& record = lines_[line_];
    if (size < 0 || record.size() + 2 > static_cast<std::size_t>(size)) return kRecordTooLong;
    buffer = record + "\r\n";
    ++line_;
    return static_cast<int>(buffer.size());
  }
  ++file_;
  file_loaded_ = false;
  lines_.clear();
  return -1;
}

int RecordedJVLink::SkipRestOfFile() {
  if (const int* f = Fault("SkipRestOfFile")) return *f;
  if (!open_) return kNotOpen;
  if (file_loaded_) line_ = lines_.size();
  return 0;
}

std::string RecordedJVLink::ReadingFileStamp() { return current_stamp_; }

int RecordedJVLink::JVClose() {
  const int* f = Fault("JVClose");
  open_ = false;
  stored_ = false;
  files_.clear();
  file_ = 0;
  file_loaded_ = false;
  lines_.clear();
  line_ = 0;
  download_count_ = 0;
  downloaded_ = 0;
  return f ? *f : 0;
}

}  // namespace jvlink
