#include <gtest/gtest.h>

#include "base/csv.h"
#include "tests/support/sjis_assert.h"

namespace {

TEST(SplitCsvLine, FirstFieldsAreThoseOfTheWholeLine) {
  const std::string lines[] = {
      "a,b,c",
      "",
      ",",
      "a,b,",
      "\"a, b\",c,\"\"\"x\"",
      "a b,c",
      "a  ,  b",
      "a,  ",
      "\"ab\"cd,e",
      "東京　芝,x,\x81\x2C"
      "a,b",
      "  a,,b,,,",
      "\"abc",
      "a\tb,c d",
      std::string("a,b\0,c", 6),
  };
  for (const auto& line : lines) {
    std::vector<std::string> all = base::SplitCsvLine(line);
    for (std::size_t k = 0; k <= all.size() + 1; ++k) {
      std::vector<std::string> first(all.begin(), all.begin() + std::min(k, all.size()));
      EXPECT_FIELDS_EQ(first, base::SplitCsvLine(line, k)) << line << " k=" << k;
    }
  }
}

}  // namespace
