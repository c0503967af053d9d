// File helpers. Paths are byte strings with "/" as separator. Failures throw
// base::FileError with a text that names the file.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace base {

bool PathExists(const std::string& path);
bool FileExists(const std::string& path);
bool DirExists(const std::string& path);
// Whether the path names a file, telling "not there" from "cannot tell": false when nothing
// of that name exists or a folder stands there; a path that cannot be looked at (a folder
// on the way that may not be searched, a name longer than the system takes, ...) throws
// base::FileError naming the path and the system's cause.
bool FileExistsOrThrow(const std::string& path);

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

// Creates or replaces the file with exactly these bytes, never leaving it half-written:
// the bytes go to the locked temporary file path + ".tmp~", which is then renamed over it.
// The ".tmp~" files in its folder that no running writer holds (those of a killed program)
// are removed first.
void WriteFileAtomic(const std::string& path, std::string_view bytes);

// Whole files written under a temporary name in the folder of their final name. The writer
// holds an exclusive lock (flock) on its temporary file from its creation until the file has
// its final name, so a temporary file that can be locked has no running writer.
//
// Creates the temporary file, empty, and locks it (waiting while another writer holds it): its
// descriptor, or -1 with errno set. A file of that name is taken over only once it is locked.
int CreateLockedFile(const std::string& temp);
// Whether `path` still names the file open as fd (no other program removed or replaced it).
bool NamesFile(const std::string& path, int fd);
// Removes the folder's entries whose names `is_temporary` accepts and whose writer is gone.
void RemoveUnlockedFiles(const std::string& folder, bool (*is_temporary)(std::string_view name));

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
