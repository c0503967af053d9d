// Reading the fields of a split CSV line.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace viewer {

// Field i, or an empty text when the line has fewer fields.
inline std::string_view FieldOrEmpty(const std::vector<std::string>& fields, std::size_t i) {
  return i < fields.size() ? std::string_view(fields[i]) : std::string_view();
}

}  // namespace viewer
