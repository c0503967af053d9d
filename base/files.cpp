#include "base/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "base/errors.h"
#include "base/file_names.h"

namespace base {
namespace {

FileError OpenError(const std::string& path) {
  return FileError("Cannot open file \"" + PathText(path) + "\". " + std::strerror(errno));
}

}  // namespace

bool PathExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FileExistsOrThrow(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) == 0) return S_ISREG(st.st_mode);
  if (errno == ENOENT || errno == ENOTDIR) return false;
  throw FileError("Cannot look for file \"" + PathText(path) + "\". " + std::strerror(errno));
}

Entry EntryAt(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) == 0) return S_ISREG(st.st_mode) ? Entry::kFile : Entry::kOther;
  if (errno == ENOENT) return Entry::kNothing;
  throw FileError("Cannot look for file \"" + PathText(path) + "\". " + std::strerror(errno));
}

bool FileOrNothing(const std::string& path) {
  switch (EntryAt(path)) {
    case Entry::kFile:
      return true;
    case Entry::kNothing:
      return false;
    case Entry::kOther:
      break;
  }
  throw NotAFile(path);
}

FileError NotAFile(const std::string& path) {
  return FileError("\"" + PathText(path) + "\" is not a file");
}

FileBuffer FileBuffer::Copy(std::string_view bytes) {
  FileBuffer buffer;
  buffer.data_ = std::make_unique_for_overwrite<char[]>(bytes.size());
  buffer.size_ = bytes.size();
  if (!bytes.empty()) std::memcpy(buffer.data_.get(), bytes.data(), bytes.size());
  return buffer;
}

FileBuffer ReadFileBuffer(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw OpenError(path);
  // Room sized once by the file's size (one more byte to see the end at once); a file that
  // grows meanwhile is read on into larger room.
  struct stat st;
  size_t room =
      ::fstat(fd, &st) == 0 && st.st_size > 0 ? static_cast<size_t>(st.st_size) + 1 : 65536;
  FileBuffer buffer;
  buffer.data_ = std::make_unique_for_overwrite<char[]>(room);
  for (;;) {
    if (buffer.size_ == room) {
      auto larger = std::make_unique_for_overwrite<char[]>(2 * room);
      std::memcpy(larger.get(), buffer.data_.get(), buffer.size_);
      buffer.data_ = std::move(larger);
      room *= 2;
    }
    ssize_t n = ::read(fd, buffer.data_.get() + buffer.size_, room - buffer.size_);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int cause = errno;
      ::close(fd);
      throw FileError("Read error on file \"" + PathText(path) + "\". " + std::strerror(cause));
    }
    if (n == 0) break;
    buffer.size_ += static_cast<size_t>(n);
  }
  ::close(fd);
  return buffer;
}

std::string ReadFileBytes(const std::string& path) {
  return std::string(ReadFileBuffer(path).view());
}

std::vector<std::string_view> LineViews(std::string_view text) {
  std::vector<std::string_view> lines;
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end) {
    // The line runs to the next LF or CR, whichever comes first.
    const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
    const char* stop = lf ? lf : end;
    const char* cr = static_cast<const char*>(std::memchr(p, '\r', static_cast<size_t>(stop - p)));
    if (cr) stop = cr;
    lines.emplace_back(p, static_cast<size_t>(stop - p));
    if (stop == end) break;
    p = stop + 1;
    if (*stop == '\r' && p < end && *p == '\n') ++p;
  }
  return lines;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  for (std::string_view line : LineViews(text)) lines.emplace_back(line);
  return lines;
}

std::vector<std::string> ReadLines(const std::string& path) {
  return SplitLines(ReadFileBytes(path));
}

namespace {

constexpr std::string_view kTemporaryEnd = ".tmp~";

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

// Closes fd keeping errno as it was.
void CloseKeepingErrno(int fd) {
  const int error = errno;
  ::close(fd);
  errno = error;
}

}  // namespace

void WriteFileAtomic(const std::string& path, std::string_view bytes, NameFilter leftovers_of) {
  if (leftovers_of) {
    RemoveUnlockedFiles(FolderOf(path), [leftovers_of](std::string_view name) {
      return name.ends_with(kTemporaryEnd) &&
             leftovers_of(name.substr(0, name.size() - kTemporaryEnd.size()));
    });
  }
  const std::string tmp = path + std::string(kTemporaryEnd);
  const int fd = CreateLockedFile(tmp);
  if (fd < 0 && errno == EWOULDBLOCK) {
    throw FileError("Cannot create file \"" + PathText(path) +
                    "\": another program holds its temporary file \"" + PathText(tmp) + "\"");
  }
  if (fd < 0) {
    throw FileError("Cannot create file \"" + PathText(path) + "\". " + std::strerror(errno));
  }
  // Ends the write: the temporary file goes (unless another program's file took its name).
  auto fail = [&](const std::string& text) {
    if (NamesFile(tmp, fd)) ::unlink(tmp.c_str());
    ::close(fd);
    throw FileError(text);
  };
  auto write_error = [&](int error) {
    fail("Write error on file \"" + PathText(path) + "\". " + std::strerror(error));
  };
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (w < 0) {
      if (errno == EINTR) continue;
      write_error(errno);
    }
    done += static_cast<size_t>(w);
  }
  // No fsync: the rename alone keeps a reader from ever seeing a half-written file, and
  // the record writes of one racecourse choice (dozens of files) must stay quick.
  if (const int error = CheckWritten(tmp, fd)) write_error(error);
  if (!NamesFile(tmp, fd)) {
    fail("Cannot create file \"" + PathText(path) + "\": its temporary file \"" + PathText(tmp) +
         "\" was removed by another program");
  }
  // The file keeps its lock until it has its final name.
  if (::rename(tmp.c_str(), path.c_str()) != 0) {
    fail("Cannot create file \"" + PathText(path) + "\". " + std::strerror(errno));
  }
  if (::close(fd) != 0) throw FileError("Write error on file \"" + PathText(path) + "\"");
}

namespace {

long MonotonicMilliseconds() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000L + now.tv_nsec / 1000000L;
}

// <chrono> cannot be compiled to code page 932: the POSIX call.
void SleepMilliseconds(long milliseconds) {
  timespec pause{milliseconds / 1000, (milliseconds % 1000) * 1000000L};
  while (::nanosleep(&pause, &pause) != 0 && errno == EINTR) {
  }
}

}  // namespace

int CreateLockedFile(const std::string& temp) {
  const long give_up = MonotonicMilliseconds() + kLockWaitMilliseconds;
  // A cleanup may remove the file between its creation and its lock: then it is made again.
  // O_NONBLOCK: a pipe of that name, which no writer of ours makes, fails instead of waiting
  // for a reader.
  for (int attempt = 0; attempt < 100; ++attempt) {
    const int fd =
        ::open(temp.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (fd < 0) return -1;
    // Another program's lock is waited for in short steps, never beyond the limit.
    long pause = 1;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      if (errno == EINTR) continue;
      if (errno != EWOULDBLOCK || MonotonicMilliseconds() >= give_up) {
        CloseKeepingErrno(fd);
        return -1;
      }
      SleepMilliseconds(pause);
      pause = std::min(2 * pause, 50L);
    }
    if (NamesFile(temp, fd)) {
      if (::ftruncate(fd, 0) == 0) return fd;
      CloseKeepingErrno(fd);
      return -1;
    }
    ::close(fd);
  }
  errno = EBUSY;
  return -1;
}

int CheckWritten(const std::string& temp, int fd) {
  if (check_written_for_test) return check_written_for_test(temp, fd);
  const int copy = ::dup(fd);
  if (copy < 0) return errno;
  return ::close(copy) == 0 ? 0 : errno;
}

bool NamesFile(const std::string& path, int fd) {
  struct stat open_file, named;
  return ::fstat(fd, &open_file) == 0 && ::lstat(path.c_str(), &named) == 0 &&
         open_file.st_dev == named.st_dev && open_file.st_ino == named.st_ino;
}

void RemoveUnlockedFiles(const std::string& folder,
                         const std::function<bool(std::string_view name)>& is_temporary) {
  for (const std::string& name : ListEntries(folder)) {
    if (!is_temporary(name)) continue;
    const std::string path = folder + "/" + name;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) continue;
    // A lock that can be had belongs to no running writer; the name must still be that
    // file's (its writer may have renamed it and made a new one of the same name meanwhile).
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && NamesFile(path, fd)) ::unlink(path.c_str());
    ::close(fd);
  }
}

std::string SetAside(const std::string& path, std::string_view reason) {
  const std::string first = path + "." + std::string(reason);
  for (int n = 1; n < 10000; ++n) {
    const std::string name = n == 1 ? first : first + "." + std::to_string(n);
    if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, name.c_str(), RENAME_NOREPLACE) == 0) {
      return name;
    }
    if (errno == EINVAL || errno == ENOSYS) {
      // A file system without a rename that refuses to replace: look first.
      struct stat st;
      if (::lstat(name.c_str(), &st) == 0) continue;
      if (::rename(path.c_str(), name.c_str()) == 0) return name;
    }
    if (errno != EEXIST) break;
  }
  throw FileError("Cannot rename \"" + PathText(path) + "\". " + std::strerror(errno));
}

bool MakeDirs(const std::string& path) {
  std::error_code ec;
  std::filesystem::create_directories(path, ec);
  return DirExists(path);
}

std::vector<std::string> ListEntries(const std::string& folder) {
  std::vector<std::string> names;
  DIR* d = ::opendir(folder.c_str());
  if (!d) return names;
  while (dirent* e = ::readdir(d)) {
    if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0) continue;
    names.emplace_back(e->d_name);
  }
  ::closedir(d);
  return names;
}

int32_t FileAgeDos(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return -1;
  std::tm tm{};
  time_t t = st.st_mtime;
  localtime_r(&t, &tm);
  uint32_t date = static_cast<uint32_t>(((tm.tm_year + 1900 - 1980) << 9) | ((tm.tm_mon + 1) << 5) |
                                        tm.tm_mday);
  uint32_t time = static_cast<uint32_t>((tm.tm_hour << 11) | (tm.tm_min << 5) | (tm.tm_sec / 2));
  return static_cast<int32_t>((date << 16) | time);
}

std::string CurrentDirectory() {
  std::error_code ec;
  return std::filesystem::current_path(ec).string();
}

std::string ProgramPath() {
  std::error_code ec;
  return std::filesystem::read_symlink("/proc/self/exe", ec).string();
}

}  // namespace base
