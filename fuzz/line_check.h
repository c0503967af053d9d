// The check of every line formatter: any record gives a line or the reason why not, never
// both; a line is one line (no byte 0, CR or LF), reads back as the formatter's number of
// fields, and written again from the fields read back it is the same line, so the reader
// sees exactly the fields the formatter wrote.
#pragma once
#include <string>
#include <vector>

#include "base/csv.h"
#include "fetch/records/CsvLine.h"
#include "fetch/records/LineResult.h"
#include "fuzz/fuzz_support.h"

namespace fuzzsupport {

inline void CheckLine(const records::LineResult& result, std::size_t fields, bool line_end_mark) {
  if (!result.ok()) {
    FUZZ_CHECK(result.line.empty(), Shown(result.line));
    return;
  }
  FUZZ_CHECK(result.line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos,
             Shown(result.line));
  const std::vector<std::string> read = base::SplitCsvLine(result.line);
  FUZZ_CHECK(read.size() == fields, std::to_string(read.size()) + " fields: " + Shown(result.line));
  FUZZ_CHECK(records::JoinCsvFields(read) == result.line, Shown(result.line));
  if (line_end_mark) FUZZ_CHECK(read.back() == records::kLineEndMark, Shown(result.line));
}

}  // namespace fuzzsupport
