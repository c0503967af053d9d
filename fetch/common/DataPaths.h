// Where the fetch programs write: the folder jv_data in the current directory, one
// DayFolder per race day yyyymmdd, and the day files "DG", "DE", "DH" + yymmdd + ".CSV".
#pragma once
#include <string>
#include <string_view>

namespace fetch {

inline constexpr char kDataFolder[] = "jv_data";

// "jv_data/" + day.
std::string DayFolder(std::string_view day);
// "jv_data/" + day + "/" + prefix + day characters 3-8 + ".CSV".
std::string DayFilePath(std::string_view day, std::string_view prefix);

}  // namespace fetch
