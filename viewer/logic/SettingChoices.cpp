#include "viewer/logic/SettingChoices.h"

#include <algorithm>

#include "base/files.h"

namespace viewer {
namespace {

bool EndsInCsv(std::string_view name) {
  if (name.size() < 4) return false;
  std::string ext(name.substr(name.size() - 4));
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return ext == ".csv";
}

}  // namespace

std::string ProgramFolderFile(std::string_view program_path, std::string_view name) {
  const std::size_t slash = program_path.rfind('/');
  const std::string_view folder =
      slash == std::string_view::npos ? std::string_view(".") : program_path.substr(0, slash);
  return std::string(folder) + "/" + std::string(name);
}

std::vector<std::string> TimingFileEntries(const std::string& folder) {
  std::vector<std::string> names;
  for (std::string& name : base::ListEntries(folder)) {
    if (name[0] != '.' && EndsInCsv(name)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace viewer
