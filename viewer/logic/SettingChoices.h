// What the settings and help window shows: the version, the odds-timing files of gt_data
// to choose from, and the documents that ship in the program folder.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace viewer {

// The version: the settings window's version field and the main window's caption.
inline constexpr char kVersionText[] = "Vantrel 1.01a";

// The documents installed beside the programs: the home page and the user's manual.
inline constexpr char kHomePageFile[] = "README.md";
inline constexpr char kManualFile[] = "manual.html";

// The file `name` in the folder of the program at `program_path`.
std::string ProgramFolderFile(std::string_view program_path, std::string_view name);

// The entries of `folder` whose names end in ".csv" (in any case, as the desktop matches
// "*.csv"), files and sub-folders alike, hidden ones (a name beginning with ".")
// excepted, in ascending byte order. A missing folder gives none.
std::vector<std::string> TimingFileEntries(const std::string& folder);

}  // namespace viewer
