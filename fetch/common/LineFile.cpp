#include "fetch/common/LineFile.h"

#include <cerrno>
#include <cstring>

#include "base/files.h"
#include "fetch/common/DataPaths.h"
#include "fetch/common/FetchTexts.h"

namespace fetch {
namespace {

std::string Reason(int error) { return std::strerror(error); }

void MakeFolder(const std::string& folder) {
  if (base::DirExists(folder)) return;
  if (!base::MakeDirs(folder)) {
    throw OutputError(CannotCreateFolderText(folder), "cannot create the folder " + folder);
  }
}

}  // namespace

void MakeDayFolder(const std::string& day_folder) {
  MakeFolder(kDataFolder);
  MakeFolder(day_folder);
}

void LineFile::Abandon() noexcept {
  if (file_) std::fclose(file_);
  file_ = nullptr;
}

void LineFile::Fail(const std::string& status, const char* what) {
  int error = errno;
  if (file_) {
    std::fclose(file_);
    file_ = nullptr;
  }
  throw OutputError(status, std::string(what) + " " + path_ + ": " + Reason(error));
}

void LineFile::Create(const std::string& path) {
  if (file_) Close();
  path_ = path;
  file_ = std::fopen(path.c_str(), "wb");
  if (!file_) Fail(CannotCreateFileText(path), "cannot create");
}

void LineFile::WriteLine(std::string_view line, bool flush) {
  if (std::fwrite(line.data(), 1, line.size(), file_) != line.size() ||
      std::fwrite(kCrLf, 1, 2, file_) != 2 || (flush && std::fflush(file_) != 0)) {
    Fail(CannotWriteFileText(path_), "cannot write");
  }
}

void LineFile::Close() {
  if (!file_) return;
  std::FILE* f = file_;
  file_ = nullptr;
  if (std::fclose(f) != 0) {
    int error = errno;
    throw OutputError(CannotWriteFileText(path_), "cannot write " + path_ + ": " + Reason(error));
  }
}

}  // namespace fetch
