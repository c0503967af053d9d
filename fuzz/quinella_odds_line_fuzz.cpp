// A "0B42" record of any bytes gives its line of 158 fields or the reason why not.
#include "fetch/pricepull/OddsLines.h"
#include "fuzz/line_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzsupport::CheckLine(pricepull::FormatQuinellaOddsLine(fuzzsupport::Bytes(data, size)), 158,
                         false);
  return 0;
}
