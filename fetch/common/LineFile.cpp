#include "fetch/common/LineFile.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "base/file_names.h"
#include "base/files.h"
#include "fetch/common/DataPaths.h"
#include "fetch/common/FetchTexts.h"

namespace fetch {
namespace {

constexpr std::string_view kPartEnd = ".part";

std::string Reason(int error) { return std::strerror(error); }

void MakeFolder(const std::string& folder) {
  if (base::DirExists(folder)) return;
  if (!base::MakeDirs(folder)) {
    throw OutputError(CannotCreateFolderText(folder),
                      "cannot create the folder " + base::PathText(folder));
  }
}

std::string FolderOf(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

// "<name>.<digits>.part": the temporary file of one of our runs.
bool IsTemporaryName(std::string_view name) {
  if (name.size() <= kPartEnd.size() || !name.ends_with(kPartEnd)) return false;
  name.remove_suffix(kPartEnd.size());
  std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot + 1 == name.size() || dot == 0) return false;
  return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(dot) + 1, name.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

void MakeDayFolder(const std::string& day_folder) {
  MakeFolder(kDataFolder);
  MakeFolder(day_folder);
}

void RemoveStaleTemporaryFiles(const std::string& folder) {
  base::RemoveUnlockedFiles(folder, IsTemporaryName);
}

void LineFile::Discard() noexcept {
  // The temporary file goes, unless it is no longer ours (another program's file took its
  // name); its lock goes with the close.
  if (file_ && !temp_.empty() && base::NamesFile(temp_, ::fileno(file_))) ::unlink(temp_.c_str());
  if (file_) std::fclose(file_);
  file_ = nullptr;
  temp_.clear();
}

void LineFile::Abandon() noexcept { Discard(); }

void LineFile::Fail(const std::string& status, const char* what) {
  int error = errno;
  Discard();
  throw OutputError(status, std::string(what) + " " + base::PathText(path_) + ": " + Reason(error));
}

void LineFile::Create(const std::string& path) {
  if (file_) Close();
  path_ = path;
  has_lines_ = false;
  if (base::PathExists(path) && !base::FileExists(path)) {
    errno = EISDIR;
    Fail(CannotCreateFileText(path), "cannot create");
  }
  RemoveStaleTemporaryFiles(FolderOf(path));
  temp_ = path + "." + std::to_string(::getpid()) + std::string(kPartEnd);
  int fd = base::CreateLockedFile(temp_);
  if (fd < 0 && errno == EWOULDBLOCK) {
    const std::string held = temp_;
    temp_.clear();
    throw OutputError(HeldTemporaryFileText(path),
                      "cannot create " + base::PathText(path) +
                          ": another program holds its temporary file " + base::PathText(held));
  }
  if (fd < 0) {
    temp_.clear();
    Fail(CannotCreateFileText(path), "cannot create");
  }
  file_ = ::fdopen(fd, "wb");
  if (!file_) {
    int error = errno;
    ::unlink(temp_.c_str());
    ::close(fd);
    temp_.clear();
    errno = error;
    Fail(CannotCreateFileText(path), "cannot create");
  }
}

void LineFile::WriteLine(std::string_view line, bool flush) {
  if (std::fwrite(line.data(), 1, line.size(), file_) != line.size() ||
      std::fwrite(kCrLf, 1, 2, file_) != 2 || (flush && std::fflush(file_) != 0)) {
    Fail(CannotWriteFileText(path_), "cannot write");
  }
  has_lines_ = true;
}

void LineFile::Close() {
  if (!file_) return;
  if (std::fflush(file_) != 0) Fail(CannotWriteFileText(path_), "cannot write");
  if (!has_lines_ && base::PathExists(path_)) {
    Discard();  // an empty result keeps the old file
    return;
  }
  // A write error that the system tells only now keeps the old file.
  if (const int error = base::CheckWritten(temp_, ::fileno(file_))) {
    errno = error;
    Fail(CannotWriteFileText(path_), "cannot write");
  }
  // The file is still open, so still locked: another run's cleanup leaves it alone until it
  // has its final name.
  if (before_rename_for_test) before_rename_for_test(temp_);
  if (!base::NamesFile(temp_, ::fileno(file_))) {
    errno = ENOENT;
    Fail(LostTemporaryFileText(path_), "lost the temporary file of");
  }
  if (::rename(temp_.c_str(), path_.c_str()) != 0) {
    Fail(CannotCreateFileText(path_), "cannot create");
  }
  temp_.clear();
  std::FILE* f = file_;
  file_ = nullptr;
  if (std::fclose(f) != 0) Fail(CannotWriteFileText(path_), "cannot write");
}

}  // namespace fetch
