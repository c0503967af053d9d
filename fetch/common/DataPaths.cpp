#include "fetch/common/DataPaths.h"

#include "base/values.h"

namespace fetch {

std::string DayFolder(std::string_view day) {
  return std::string(kDataFolder) + "/" + std::string(day);
}

std::string DayFilePath(std::string_view day, std::string_view prefix) {
  return DayFolder(day) + "/" + std::string(prefix) + std::string(base::Chars(day, 3, 8)) + ".CSV";
}

}  // namespace fetch
