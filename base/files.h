// File helpers. Paths are byte strings with "/" as separator. Failures throw
// base::FileError with a text that names the file.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/errors.h"

namespace base {

bool PathExists(const std::string& path);
bool FileExists(const std::string& path);
bool DirExists(const std::string& path);
// Whether the path names a file, telling "not there" from "cannot tell": false when nothing
// of that name exists or a folder stands there; a path that cannot be looked at (a folder
// on the way that may not be searched, a name longer than the system takes, ...) throws
// base::FileError naming the path and the system's cause.
bool FileExistsOrThrow(const std::string& path);

// What stands at a path, for the programs' own store files, where only a file that is not
// there is missing: kNothing when no entry has that name (ENOENT), kFile for a file, kOther
// for anything else (a folder, a device, ...). A path that cannot be looked at (a folder on
// the way that may not be searched, a link that cannot be followed, a name longer than the
// system takes) throws base::FileError naming the path and the system's cause.
enum class Entry { kNothing, kFile, kOther };
Entry EntryAt(const std::string& path);
// Whether a file is there: true for a file, false when nothing is; anything else at the
// path throws NotAFile, and a path that cannot be looked at throws as EntryAt does.
bool FileOrNothing(const std::string& path);
// The error of a path where something other than a file stands: "\"<path>\" is not a file".
FileError NotAFile(const std::string& path);

// The whole file as bytes.
std::string ReadFileBytes(const std::string& path);

// A file's bytes in one buffer that is not cleared before it is filled: for the large files
// that are read whole and looked at in place.
class FileBuffer {
 public:
  FileBuffer() = default;
  // A buffer holding a copy of the bytes.
  static FileBuffer Copy(std::string_view bytes);
  std::string_view view() const { return {data_.get(), size_}; }

 private:
  friend FileBuffer ReadFileBuffer(const std::string& path);
  std::unique_ptr<char[]> data_;
  std::size_t size_ = 0;
};
FileBuffer ReadFileBuffer(const std::string& path);
// The file's lines: a line ends at CR LF, LF or CR; the line end is not part of it; a
// last line without a line end still counts, an empty file has no lines.
std::vector<std::string> ReadLines(const std::string& path);
std::vector<std::string> SplitLines(std::string_view text);
// The same lines as views of the text, nothing copied.
std::vector<std::string_view> LineViews(std::string_view text);

// Names of files, for the writers' cleanup: true for the names it covers.
using NameFilter = bool (*)(std::string_view name);

// Creates or replaces the file with exactly these bytes, never leaving it half-written:
// the bytes go to the locked temporary file path + ".tmp~", which is renamed over it once
// the bytes are known to have reached the file system (CheckWritten); a write error keeps
// the old file. The temporary file of an earlier write of the same file that was killed is
// taken over. `leftovers_of`, when given, names the files of the folder whose temporary
// files of a writer that is gone are removed first (the files of one kind, such as a day's
// race records); no other file of the folder is touched.
void WriteFileAtomic(const std::string& path, std::string_view bytes,
                     NameFilter leftovers_of = nullptr);

// Whole files written under a temporary name in the folder of their final name. The writer
// holds an exclusive lock (flock) on its temporary file from its creation until the file has
// its final name, so a temporary file that can be locked has no running writer.
//
// Creates the temporary file, empty, and locks it: its descriptor, or -1 with errno set. A
// file of that name is taken over only once it is locked. Another program that holds the
// lock is waited for kLockWaitMilliseconds at most; then errno is EWOULDBLOCK.
inline constexpr int kLockWaitMilliseconds = 1000;
int CreateLockedFile(const std::string& temp);
// The last step of a whole-file write before its rename: 0 when the bytes written to fd (the
// temporary file `temp`) have reached the file system, else the errno of the error it
// reports. Network file systems often tell a write error only when the file is closed, so a
// duplicate of the descriptor is closed (on a local disk this flushes nothing); fd and its
// lock stay open.
int CheckWritten(const std::string& temp, int fd);
// For tests: when set, CheckWritten returns its result instead of making its own check.
inline std::function<int(const std::string& temp, int fd)> check_written_for_test;
// Whether `path` still names the file open as fd (no other program removed or replaced it).
bool NamesFile(const std::string& path, int fd);
// Removes the folder's entries whose names `is_temporary` accepts and whose writer is gone.
void RemoveUnlockedFiles(const std::string& folder,
                         const std::function<bool(std::string_view name)>& is_temporary);

// Gives the file or folder at `path` a new name beside it that says why: path + "." + reason,
// or with ".2", ".3", ... behind it when that name is taken; no existing entry is ever
// replaced. The new name; base::FileError naming the path when it cannot be renamed.
std::string SetAside(const std::string& path, std::string_view reason);

// Creates the folder and any missing parents; true when it exists afterwards.
bool MakeDirs(const std::string& path);

// Names of the folder's entries (files and folders), without "." and ".."; empty when
// the folder is missing.
std::vector<std::string> ListEntries(const std::string& folder);

// The last change of the file as packed DOS date and time in local time (date in the
// high 16 bits, time in the low 16, seconds halved); -1 when the file is missing.
int32_t FileAgeDos(const std::string& path);

// The current directory, and the running program's own path.
std::string CurrentDirectory();
std::string ProgramPath();

}  // namespace base
