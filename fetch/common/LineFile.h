// The output text files of the fetch programs: one CSV line after another, each ended by
// CR LF. A file that cannot be made or written throws OutputError, whose status() is the
// text for the status panel and whose what() says what the system reported.
#pragma once
#include <cstdio>
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

class LineFile {
 public:
  LineFile() = default;
  ~LineFile() { Abandon(); }
  LineFile(const LineFile&) = delete;
  LineFile& operator=(const LineFile&) = delete;

  // Creates the file, or replaces the one that is there (emptied).
  void Create(const std::string& path);
  bool is_open() const { return file_ != nullptr; }
  const std::string& path() const { return path_; }
  // Writes the line and CR LF; flush: hands them to the system at once.
  void WriteLine(std::string_view line, bool flush);
  // Closes the file (nothing when none is open); it is closed also when this throws.
  void Close();
  // Closes the file without reporting a failure (after another failure was reported).
  void Abandon() noexcept;

 private:
  [[noreturn]] void Fail(const std::string& status, const char* what);

  std::FILE* file_ = nullptr;
  std::string path_;
};

// Closes every file of the list that is open; the first failure is thrown after all are
// closed.
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
