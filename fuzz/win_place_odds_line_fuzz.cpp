// A "0B41" record's win and place odds of any bytes give their line of 6 + 3n fields (n the
// runner count of characters 36-37) or the reason why not.
#include "base/values.h"
#include "fetch/pricepull/OddsLines.h"
#include "fuzz/line_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view record = fuzzsupport::Bytes(data, size);
  const records::LineResult result = pricepull::FormatWinPlaceOddsLine(record);
  const int32_t runners = base::ValueOf(record, 36, 37).value_or(0);
  fuzzsupport::CheckLine(result, 6 + 3 * static_cast<std::size_t>(runners < 0 ? 0 : runners),
                         false);
  return 0;
}
