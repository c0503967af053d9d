#include "base/racing.h"

#include <gtest/gtest.h>

#include "tests/support/sjis_assert.h"

namespace {

TEST(Racing, TrackNamesByCode) {
  EXPECT_SJIS_EQ("", base::TrackNameByCode(0));
  EXPECT_SJIS_EQ("札幌", base::TrackNameByCode(1));
  EXPECT_SJIS_EQ("東京", base::TrackNameByCode(5));
  EXPECT_SJIS_EQ("小倉", base::TrackNameByCode(10));
  EXPECT_EQ(nullptr, base::TrackNameByCode(11));
  EXPECT_EQ(nullptr, base::TrackNameByCode(-1));
}

TEST(Racing, CompactRaceCode) {
  struct {
    const char* key;
    const char* code;
  } cases[] = {
      {"2016010205030811", "05163811"},  {"2016010205030111", "05163111"},
      {"2016010205030911", "05163911"},  {"2016010205031011", "05163A11"},
      {"2016010205031111", "05163B11"},  {"2016010205031211", "05163C11"},
      {"2016010205031311", "051631311"},  // above 12: the two digits
      {"2016010205120811", "05162811"},   // meeting 12: its last digit
  };
  for (const auto& c : cases) EXPECT_EQ(c.code, base::CompactRaceCode(c.key)) << c.key;
}

}  // namespace
