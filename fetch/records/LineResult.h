// What a line formatter gives back: the line, or the reason why the record gives none.
#pragma once
#include <string>

namespace records {

struct LineResult {
  std::string line;   // the CSV line without its line end (the caller adds CR LF)
  std::string error;  // what was wrong with the record; empty when there is a line
  bool ok() const { return error.empty(); }
};

}  // namespace records
