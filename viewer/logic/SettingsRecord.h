// The viewer's settings: one fixed-size record of 33 bytes (a length byte and 32 bytes: the
// name of the current odds-timing file in gt_data, the file system's bytes of it), kept in
// the program's own path with the extension ".cfg", beside the program.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace viewer {

struct SettingsRecord {
  static constexpr std::size_t kSize = 33;
  static constexpr std::size_t kTimingFileCapacity = 32;
  std::string TimingFile;  // at most 32 bytes when stored (base::CutName)
};

// TimingFile "time_100a.csv".
SettingsRecord DefaultSettings();

// The record's bytes, and the record of the first 33 bytes (a shorter text throws
// base::FileError naming the file).
std::string SettingsBytes(const SettingsRecord& settings);
SettingsRecord SettingsOfBytes(std::string_view bytes, const std::string& file);

// The program's path with its extension replaced by ".cfg" (added when it has none; a dot
// in a folder name is not an extension).
std::string SettingsFilePath(std::string_view program_path);

// The path of the running program, through which the settings file is found. Tests point
// it elsewhere; an empty text goes back to the real one.
std::string ViewerProgramPath();
void SetViewerProgramPath(std::string path);

// Reads the record of the file; a missing file or one shorter than a record throws
// base::FileError naming it.
SettingsRecord ReadSettingsFile(const std::string& path);
// Writes the record as the file's first 33 bytes, keeping any bytes behind them, never
// leaving the file half-written; a missing file is made. A path that cannot be looked at,
// or holds something else than a file, throws base::FileError and nothing is written.
void WriteSettingsFile(const std::string& path, const SettingsRecord& settings);

}  // namespace viewer
