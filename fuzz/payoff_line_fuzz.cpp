// A payoff record of any bytes gives its line of 80 fields or the reason why not.
#include "fetch/records/DayLines.h"
#include "fuzz/line_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzsupport::CheckLine(records::FormatPayoffLine(fuzzsupport::Bytes(data, size)), 80, true);
  return 0;
}
