#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "viewer/logic/CellNumbers.h"

namespace {

// A fall too small for the decimals keeps its sign (" -0.00"); only an exact zero of either
// sign is written as zero.
TEST(FixedText, PrintfWidthAndDecimals) {
  struct {
    double value;
    int width, decimals;
    const char* text;
  } cases[] = {
      {-1.05, 6, 2, " -1.05"},  {12.5, 6, 2, " 12.50"},      {50, 6, 2, " 50.00"},
      {100, 6, 2, "100.00"},    {1234.567, 6, 2, "1234.57"}, {0, 6, 1, "   0.0"},
      {9999, 7, 1, " 9999.0"},  {2.25, 6, 1, "   2.2"},      {-12.345678, 6, 2, "-12.35"},
      {0.005, 6, 2, "  0.01"},  {-0.006, 6, 2, " -0.01"},    {10001, 6, 1, "10001.0"},
      {-0.001, 6, 2, " -0.00"}, {-0.004999, 6, 2, " -0.00"}, {-1e-300, 6, 2, " -0.00"},
      {-0.04, 6, 1, "  -0.0"},  {0.001, 6, 2, "  0.00"},     {0.0, 6, 2, "  0.00"},
      {-0.0, 6, 2, "  0.00"},   {-0.0, 6, 1, "   0.0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.text, viewer::FixedText(c.value, c.width, c.decimals)) << c.value;
  }
}

TEST(IntText, RightAligned) {
  EXPECT_EQ(" 5", viewer::IntText(5, 2));
  EXPECT_EQ("12", viewer::IntText(12, 2));
  EXPECT_EQ("  3", viewer::IntText(3, 3));
  EXPECT_EQ("-1", viewer::IntText(-1, 2));
  EXPECT_EQ("123", viewer::IntText(123, 2));
}

TEST(CompareNumbers, TotalOrderWithNotANumberLast) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(-1, viewer::CompareNumbers(1, 2));
  EXPECT_EQ(1, viewer::CompareNumbers(2, 1));
  EXPECT_EQ(0, viewer::CompareNumbers(2, 2));
  EXPECT_EQ(1, viewer::CompareNumbers(nan, 1e300));
  EXPECT_EQ(-1, viewer::CompareNumbers(-1e300, nan));
  EXPECT_EQ(0, viewer::CompareNumbers(nan, nan));
}

}  // namespace
