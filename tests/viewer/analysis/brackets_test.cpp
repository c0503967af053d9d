#include "viewer/logic/Brackets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/csv.h"
#include "tests/support/sjis_assert.h"

namespace {

// The brackets of 1..n told the other way round: bracket b holds one horse when
// n + b <= 16, two when n + b <= 24, three above, numbered on from bracket 1.
std::vector<int> BracketsBySize(int n) {
  std::vector<int> brackets;
  for (int b = 1; b <= 8 && static_cast<int>(brackets.size()) < n; ++b) {
    const int size = n + b <= 16 ? 1 : n + b <= 24 ? 2 : 3;
    for (int k = 0; k < size; ++k) brackets.push_back(b);
  }
  brackets.resize(n);
  return brackets;
}

TEST(BracketOfHorse, EveryRaceSizeAgreesWithTheBracketSizes) {
  for (int n = 1; n <= 18; ++n) {
    const std::vector<int> expected = BracketsBySize(n);
    for (int i = 1; i <= n; ++i) {
      EXPECT_EQ(expected[i - 1], viewer::BracketOfHorse(n, i)) << "n " << n << " horse " << i;
    }
    EXPECT_EQ(0, viewer::BracketOfHorse(n, 0)) << n;
    EXPECT_EQ(0, viewer::BracketOfHorse(n, n + 1)) << n;
  }
  // The spots that the rule names.
  EXPECT_EQ(8, viewer::BracketOfHorse(9, 8));
  EXPECT_EQ(8, viewer::BracketOfHorse(9, 9));
  EXPECT_EQ(8, viewer::BracketOfHorse(17, 15));
  EXPECT_EQ(7, viewer::BracketOfHorse(17, 14));
  EXPECT_EQ(7, viewer::BracketOfHorse(18, 13));
  EXPECT_EQ(7, viewer::BracketOfHorse(18, 15));
  EXPECT_EQ(8, viewer::BracketOfHorse(18, 16));
  for (int n : {0, -1, 19, 100}) EXPECT_EQ(0, viewer::BracketOfHorse(n, 1)) << n;
}

TEST(HorseBracketList, EntryKIsTheBracketOfHorseK) {
  for (int n = 0; n <= 19; ++n) {
    const auto list = viewer::HorseBracketList(n);
    if (n == 0 || n == 19) {
      EXPECT_TRUE(list.empty()) << n;
      continue;
    }
    const std::vector<std::string> entries = base::SplitCsvLine(list);
    const int shown = n < 6 ? 6 : n;  // the list for up to 6 runners always has six
    ASSERT_EQ(static_cast<std::size_t>(shown + 1), entries.size()) << n;
    EXPECT_SJIS_EQ("１", entries[0]);
    for (int k = 1; k <= shown; ++k) {
      const int bracket = k <= n ? viewer::BracketOfHorse(n, k) : k;
      EXPECT_SJIS_EQ(viewer::BracketDigit(bracket), entries[k]) << "n " << n << " horse " << k;
    }
  }
  // The list for 18 runners is written with blanks after some commas.
  EXPECT_NE(std::string::npos, viewer::HorseBracketList(18).find(", "));
}

TEST(BracketRowList, OneEntryPerBracketRow) {
  struct {
    int n;
    std::size_t entries;
  } cases[] = {{0, 0}, {1, 7}, {5, 7}, {6, 7}, {7, 8}, {8, 9}, {9, 9}, {18, 9}, {19, 0}};
  for (const auto& c : cases) {
    const std::vector<std::string> entries = c.entries == 0
                                                 ? std::vector<std::string>{}
                                                 : base::SplitCsvLine(viewer::BracketRowList(c.n));
    EXPECT_EQ(c.entries == 0, viewer::BracketRowList(c.n).empty()) << c.n;
    ASSERT_EQ(c.entries, entries.size()) << c.n;
    for (std::size_t b = 1; b < entries.size(); ++b) {
      EXPECT_SJIS_EQ(viewer::BracketDigit(static_cast<int>(b)), entries[b]) << c.n;
    }
  }
}

TEST(BracketDigits, TextsAndValues) {
  const char* digits[] = {"１", "２", "３", "４", "５", "６", "７", "８"};
  for (int b = 1; b <= 8; ++b) {
    EXPECT_SJIS_EQ(digits[b - 1], viewer::BracketDigit(b));
    EXPECT_EQ(b, viewer::BracketDigitValue(digits[b - 1]));
  }
  for (const char* other : {"９", "0", "1", "", "１１", " １", "１ "}) {
    EXPECT_EQ(0, viewer::BracketDigitValue(other)) << testsupport::Readable(other);
    EXPECT_FALSE(viewer::BracketDigitBrush(other).has_value());
  }
  EXPECT_TRUE(viewer::BracketDigit(0).empty());
  EXPECT_TRUE(viewer::BracketDigit(9).empty());
}

TEST(BracketColours, TableBrushesChartColoursAndMarks) {
  const ui::Color brushes[] = {{250, 250, 250}, {157, 157, 157}, {253, 96, 91},   {120, 155, 237},
                               {244, 252, 105}, {134, 240, 83},  {253, 177, 104}, {249, 87, 240}};
  const ui::Color charts[] = {{255, 255, 255}, {16, 16, 16}, {253, 0, 0},   {0, 0, 255},
                              {255, 255, 0},   {0, 255, 0},  {255, 128, 0}, {255, 0, 255}};
  for (int b = 1; b <= 8; ++b) {
    EXPECT_EQ(brushes[b - 1], viewer::BracketDigitBrush(viewer::BracketDigit(b))) << b;
    EXPECT_EQ(charts[b - 1], viewer::BracketColours(b)) << b;
  }
  EXPECT_EQ((ui::Color{255, 213, 236}), viewer::MarkColor(3));
  EXPECT_EQ((ui::Color{255, 151, 194}), viewer::MarkColor(2));
  EXPECT_EQ((ui::Color{255, 81, 146}), viewer::MarkColor(1));
  for (int foreign : {0, 4, -1, 99})
    EXPECT_FALSE(viewer::MarkColor(foreign).has_value()) << foreign;
}

}  // namespace
