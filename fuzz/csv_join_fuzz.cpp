// The CSV line writer and reader agree: fields of any bytes (the input's parts) make one
// line that reads back as as many fields of the same lengths, plain fields unchanged, and
// that is written again the same from the fields read back.
#include <algorithm>

#include "base/csv.h"
#include "fetch/records/CsvLine.h"
#include "fuzz/fuzz_support.h"

namespace {

// Bytes every line carries as they are: no byte 0, CR or LF, and no double-byte character.
bool Plain(std::string_view field) {
  return std::all_of(field.begin(), field.end(), [](char c) {
    auto u = static_cast<unsigned char>(c);
    return u != 0 && c != '\r' && c != '\n' && u < 0x80;
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string_view> parts = fuzzsupport::AllParts(fuzzsupport::Bytes(data, size));
  const std::vector<std::string> fields(parts.begin(), parts.end());
  const std::string line = records::JoinCsvFields(fields);
  FUZZ_CHECK(line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos,
             fuzzsupport::Shown(line));
  const std::vector<std::string> read = base::SplitCsvLine(line);
  if (fields.size() == 1 && fields[0].empty()) {
    FUZZ_CHECK(read.empty(), fuzzsupport::Shown(line));  // the empty line holds no field
    return 0;
  }
  FUZZ_CHECK(read.size() == fields.size(), fuzzsupport::Shown(line));
  for (std::size_t i = 0; i < fields.size(); ++i) {
    FUZZ_CHECK(read[i].size() == fields[i].size(), fuzzsupport::Shown(fields[i]));
    if (Plain(fields[i])) FUZZ_CHECK(read[i] == fields[i], fuzzsupport::Shown(fields[i]));
  }
  FUZZ_CHECK(records::JoinCsvFields(read) == line, fuzzsupport::Shown(line));
  return 0;
}
