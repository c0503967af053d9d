// The output text files of the fetch programs: one CSV line after another, each ended by
// CR LF. A file is written whole or not at all: its lines go to a temporary file in the
// same folder, which takes the file's place only when the file is closed after its last
// line; a file that is abandoned, or whose program ends or is killed before, leaves the old
// file as it was. So a reader only ever sees the old or the new file. A file that cannot
// be made or written throws OutputError, whose status() is the text for the status panel
// and whose what() says what the system reported.
#pragma once
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/errors.h"

namespace fetch {

class OutputError : public base::FileError {
 public:
  OutputError(std::string status, const std::string& detail)
      : base::FileError(detail), status_(std::move(status)) {}
  const std::string& status() const { return status_; }

 private:
  std::string status_;
};

// Makes the folder "jv_data" and its day folder below it when they are missing.
void MakeDayFolder(const std::string& day_folder);

// One output file. Its temporary file is the file's name followed by "." + the process id
// + ".part", locked from its creation until it has taken the file's place; the temporary
// files of runs that were killed (unlocked ones) are removed whenever a file is made in
// their folder.
class LineFile {
 public:
  LineFile() = default;
  ~LineFile() { Abandon(); }
  LineFile(const LineFile&) = delete;
  LineFile& operator=(const LineFile&) = delete;

  // Begins the file (the old one stays until Close). A temporary file that another program
  // holds locked fails with HeldTemporaryFileText once the wait for it is over.
  void Create(const std::string& path);
  bool is_open() const { return file_ != nullptr; }
  const std::string& path() const { return path_; }
  // Writes the line and CR LF; flush: hands them to the system at once.
  void WriteLine(std::string_view line, bool flush);
  // Ends the file: it takes the place of the old one. A file without lines replaces no old
  // file: it is made, empty, only where there is none. Nothing happens when none is open;
  // the temporary file is gone also when this throws. A temporary file that another program
  // removed fails with LostTemporaryFileText.
  void Close();
  // Ends the file without replacing the old one (after a failure, or when a run ends
  // before the file is whole).
  void Abandon() noexcept;

  // For tests: runs inside Close, with the temporary file's path, after the last line has
  // reached the file system (base::CheckWritten) and before the rename.
  static inline std::function<void(const std::string& temp)> before_rename_for_test;

 private:
  [[noreturn]] void Fail(const std::string& status, const char* what);
  void Discard() noexcept;

  std::FILE* file_ = nullptr;
  std::string path_;
  std::string temp_;
  bool has_lines_ = false;
};

// Removes the temporary files in the folder that no running program writes (those of a
// killed run).
void RemoveStaleTemporaryFiles(const std::string& folder);

// Closes every file of the list that is open, each taking the place of its old one; the
// first failure is thrown after all are closed.
template <std::size_t N>
void CloseAll(LineFile (&files)[N]) {
  std::optional<OutputError> first;
  for (LineFile& f : files) {
    try {
      f.Close();
    } catch (const OutputError& e) {
      if (!first) first = e;
    }
  }
  if (first) throw *first;
}

template <std::size_t N>
void AbandonAll(LineFile (&files)[N]) noexcept {
  for (LineFile& f : files) f.Abandon();
}

}  // namespace fetch
