#include <gtest/gtest.h>

#include "base/csv.h"
#include "tests/support/sjis_assert.h"

namespace {

const std::string kLines[] = {
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
    std::string("a\0b,c", 5),
    std::string(",\0", 2),
    "2024060105020411,4,06011001,18,1000000",
    " \t2024,4, 0601  ,x",
    "a,\"b\",c",
    "\x81\x40,\xE0,c\x82",
};

TEST(SplitCsvLine, FirstFieldsAreThoseOfTheWholeLine) {
  for (const auto& line : kLines) {
    std::vector<std::string> all = base::SplitCsvLine(line);
    for (std::size_t k = 0; k <= all.size() + 1; ++k) {
      std::vector<std::string> first(all.begin(), all.begin() + std::min(k, all.size()));
      EXPECT_FIELDS_EQ(first, base::SplitCsvLine(line, k)) << line << " k=" << k;
    }
  }
}

// A field read as a view is the field that the whole line gives; in a line without quotes
// the view is there for every field but an empty one after a last comma.
TEST(PlainCsvField, IsTheFieldOfTheWholeLine) {
  for (const auto& line : kLines) {
    std::vector<std::string> all = base::SplitCsvLine(line);
    for (std::size_t k = 0; k <= all.size() + 1; ++k) {
      std::optional<std::string_view> field = base::PlainCsvField(line, k);
      if (field) {
        ASSERT_LT(k, all.size()) << testsupport::Readable(line);
        EXPECT_SJIS_EQ(all[k], std::string(*field)) << " k=" << k;
      } else if (k < all.size() && line.find('"') == std::string::npos &&
                 !(k + 1 == all.size() && all[k].empty())) {
        ADD_FAILURE() << "no view of field " << k << " of " << testsupport::Readable(line);
      }
    }
  }
}

}  // namespace
