// The CSV line reader on any bytes: the first fields read alone are the first fields of the
// whole line, and no field holds a byte 0 (which ends the line).
#include <algorithm>

#include "base/csv.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line = fuzzsupport::Bytes(data, size);
  const std::vector<std::string> all = base::SplitCsvLine(line);
  for (const std::string& field : all) {
    FUZZ_CHECK(field.find('\0') == std::string::npos, fuzzsupport::Shown(field));
  }
  for (std::size_t count : {std::size_t{0}, std::size_t{1}, std::size_t{3}, all.size() / 2,
                            all.size(), all.size() + 1}) {
    const std::vector<std::string> first = base::SplitCsvLine(line, count);
    FUZZ_CHECK(first.size() == std::min(count, all.size()), std::to_string(count));
    FUZZ_CHECK(std::equal(first.begin(), first.end(), all.begin()), std::to_string(count));
  }
  return 0;
}
