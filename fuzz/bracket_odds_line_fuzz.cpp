// A "0B41" record's bracket quinella odds of any bytes gives its line of 41 fields or the reason
// why not.
#include "fetch/pricepull/OddsLines.h"
#include "fuzz/line_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzsupport::CheckLine(pricepull::FormatBracketOddsLine(fuzzsupport::Bytes(data, size)), 41,
                         false);
  return 0;
}
