// The per-horse window's payoff memo from a payoff file of any bytes. Input parts: the race
// key, the payoff file. The reader gives nothing (no line of the race), the eight lines of
// the race's last line, or its error naming the file and the line; a line begins with its
// bet type's label, and every amount it shows is a whole number of yen.
#include <cctype>

#include "base/csv.h"
#include "base/errors.h"
#include "base/files.h"
#include "base/values.h"
#include "fuzz/fuzz_support.h"
#include "viewer/logic/Payoffs.h"

namespace {

constexpr const char* kLabels[8] = {"[単] ", "[複] ",   "[枠] ",   "[馬] ",
                                    "[ワ] ", "[馬単] ", "[３複] ", "[３単] "};
constexpr char kFile[] = "jv_data/20240601/DH240601.CSV";

// An amount as the memo shows it: "￥" or "-￥", then digits grouped by commas in threes.
void CheckYen(const std::string& text) {
  std::string_view t = text;
  if (t.substr(0, 1) == "-") t.remove_prefix(1);
  FUZZ_CHECK(t.substr(0, 2) == "￥", fuzzsupport::Shown(text));
  t.remove_prefix(2);
  FUZZ_CHECK(!t.empty(), fuzzsupport::Shown(text));
  for (std::size_t i = 0; i < t.size(); ++i) {
    const bool comma_place = (t.size() - i) % 4 == 0;
    FUZZ_CHECK(comma_place ? t[i] == ',' : std::isdigit(static_cast<unsigned char>(t[i])) != 0,
               fuzzsupport::Shown(text));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto parts = fuzzsupport::Parts(fuzzsupport::Bytes(data, size), 2);
  const std::string key(parts[0]);
  const std::vector<std::string> lines = base::SplitLines(parts[1]);
  std::optional<std::vector<std::string>> memo;
  try {
    memo = viewer::PayoffMemoLines(lines, key, kFile);
  } catch (const base::Error& e) {
    const std::string what = e.what();
    FUZZ_CHECK(what.find(std::string(kFile) + " line ") != std::string::npos, what);
    return 0;
  }
  if (!memo) return 0;
  FUZZ_CHECK(memo->size() == 8, std::to_string(memo->size()));
  for (std::size_t i = 0; i < 8; ++i) {
    FUZZ_CHECK((*memo)[i].rfind(kLabels[i], 0) == 0, fuzzsupport::Shown((*memo)[i]));
  }
  // The amounts of every line of the race, as the memo writes them.
  for (const std::string& line : lines) {
    const std::vector<std::string> fields = base::SplitCsvLine(line);
    if (fields.empty() || base::Chars(fields[0], 1, 16) != key) continue;
    for (std::size_t c = 8; c < fields.size() && c <= 78; c += 2) {
      if (auto amount = base::ParseDecimal(fields[c])) CheckYen(viewer::YenText(*amount));
    }
  }
  return 0;
}
