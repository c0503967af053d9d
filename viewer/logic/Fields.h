// Reading the fields of a split CSV line, and naming the file and line of a failure.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/errors.h"
#include "base/file_names.h"

namespace viewer {

// Field i, or an empty text when the line has fewer fields.
inline std::string_view FieldOrEmpty(const std::vector<std::string>& fields, std::size_t i) {
  return i < fields.size() ? std::string_view(fields[i]) : std::string_view();
}

// Where a failure happened, for the error texts: " (jv_data/20160305/DE160305.CSV line 4)";
// line counts from 0.
inline std::string LinePlace(std::string_view file, std::size_t line) {
  return " (" + base::PathText(file) + " line " + std::to_string(line + 1) + ")";
}

// Runs fn; a conversion error it throws is thrown again with the file and line added, so
// that the user knows which file to fetch again.
template <typename Fn>
auto AtLine(std::string_view file, std::size_t line, Fn&& fn) -> decltype(fn()) {
  try {
    return fn();
  } catch (const base::ConversionError& e) {
    throw base::ConversionError(e.what() + LinePlace(file, line));
  }
}

}  // namespace viewer
