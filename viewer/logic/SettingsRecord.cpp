#include "viewer/logic/SettingsRecord.h"

#include "base/errors.h"
#include "base/file_names.h"
#include "base/files.h"
#include "base/fixed_record.h"

namespace viewer {
namespace {

std::string& ProgramPathOverride() {
  static std::string path;
  return path;
}

}  // namespace

SettingsRecord DefaultSettings() { return SettingsRecord{"time_100a.csv"}; }

std::string SettingsBytes(const SettingsRecord& settings) {
  std::string bytes(SettingsRecord::kSize, '\0');
  base::PutShortString(bytes, 0, SettingsRecord::kTimingFileCapacity, settings.TimingFile);
  return bytes;
}

SettingsRecord SettingsOfBytes(std::string_view bytes, const std::string& file) {
  if (bytes.size() < SettingsRecord::kSize) {
    throw base::FileError("The settings file \"" + base::PathText(file) + "\" holds " +
                          std::to_string(bytes.size()) + " bytes, less than one record (" +
                          std::to_string(SettingsRecord::kSize) + " bytes)");
  }
  return SettingsRecord{base::GetShortString(bytes, 0, SettingsRecord::kTimingFileCapacity)};
}

std::string SettingsFilePath(std::string_view program_path) {
  std::string path(program_path);
  std::size_t slash = path.rfind('/');
  std::size_t dot = path.rfind('.');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
    path.erase(dot);
  }
  return path + ".cfg";
}

std::string ViewerProgramPath() {
  const std::string& path = ProgramPathOverride();
  return path.empty() ? base::ProgramPath() : path;
}

void SetViewerProgramPath(std::string path) { ProgramPathOverride() = std::move(path); }

SettingsRecord ReadSettingsFile(const std::string& path) {
  return SettingsOfBytes(base::ReadFileBytes(path), path);
}

void WriteSettingsFile(const std::string& path, const SettingsRecord& settings) {
  std::string bytes = SettingsBytes(settings);
  // Only a file that is not there is made: one that cannot be looked at, or something
  // else in its place, is not written over.
  if (base::FileOrNothing(path)) {
    std::string old = base::ReadFileBytes(path);
    if (old.size() > bytes.size()) bytes += old.substr(bytes.size());
  }
  base::WriteFileAtomic(path, bytes);
}

}  // namespace viewer
