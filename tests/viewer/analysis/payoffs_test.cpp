#include "viewer/logic/Payoffs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/errors.h"
#include "tests/support/sjis_assert.h"

namespace {

constexpr const char* kKey = "2024051905021211";

// A payoff line as the card fetch writes it: 80 fields, quoted where they hold a blank.
struct PayoffFields {
  std::vector<std::string> f = std::vector<std::string>(80);
  PayoffFields(const std::string& key = kKey) {
    f[0] = key;
    f[1] = "2024";
    f[2] = "05";
    f[3] = "02";
    f[4] = "東京";
    f[5] = "11";
    f[6] = "1";
    auto empty = [&](int first, int entries, const char* combination) {
      for (int e = 0; e < entries; ++e) {
        f[first + 2 * e] = combination;
        f[first + 2 * e + 1] = "         ";
      }
    };
    empty(7, 3, "  ");
    empty(13, 5, "  ");
    empty(23, 3, " - ");
    empty(29, 3, "  -  ");
    empty(35, 7, "  -  ");
    empty(49, 6, "  -  ");
    empty(61, 3, "  -  -  ");
    empty(67, 6, "  -  -  ");
    f[79] = "t";
  }
  PayoffFields& Entry(int column, const std::string& combination, const std::string& amount) {
    f[column] = combination;
    f[column + 1] = amount;
    return *this;
  }
  std::string Line() const {
    std::string line;
    for (std::size_t i = 0; i < f.size(); ++i) {
      if (i) line += ",";
      line += f[i].find(' ') == std::string::npos ? f[i] : "\"" + f[i] + "\"";
    }
    return line;
  }
};

TEST(YenText, JapaneseCurrencyWhateverTheLocale) {
  struct {
    double amount;
    const char* text;
  } cases[] = {
      {0, "￥0"},
      {100, "￥100"},
      {999, "￥999"},
      {1000, "￥1,000"},
      {1234560, "￥1,234,560"},
      {16777217, "￥16,777,217"},
      {123456789, "￥123,456,789"},
      {2147483647, "￥2,147,483,647"},
      {-1500, "-￥1,500"},
      {150.4, "￥150"},
      {1e12, "￥1,000,000,000,000"},
  };
  for (const auto& c : cases) EXPECT_SJIS_EQ(c.text, viewer::YenText(c.amount)) << c.amount;
  // The full-width yen sign of code page 932.
  EXPECT_EQ(
      "\x81\x8F"
      "5",
      viewer::YenText(5));
}

TEST(PayoffMemoLines, EightLinesFromTheRacesLine) {
  PayoffFields p;
  p.Entry(7, "03", "000001230")
      .Entry(13, "03", "000000150")
      .Entry(15, "07", "000000230")
      .Entry(17, "00", "000000000")
      .Entry(19, "00", "         ")
      .Entry(21, "00", "000000000")
      .Entry(23, "2-5", "000001870")
      .Entry(25, "0-0", "000000000")
      .Entry(29, "03-07", "000003450")
      .Entry(35, "03-07", "000000980")
      .Entry(37, "03-11", "000002100")
      .Entry(49, "03-07", "000006020")
      .Entry(61, "03-07-11", "000012340")
      .Entry(67, "03-07-11", "123456789");
  const auto memo = viewer::PayoffMemoLines({"other line", p.Line()}, kKey);
  ASSERT_TRUE(memo.has_value());
  const std::vector<std::string> expected = {
      "[単] 03:￥1,230 ",          "[複] 03:￥150  07:￥230     ",    "[枠] 2-5:￥1,870  ",
      "[馬] 03-07:￥3,450 ",       "[ワ] 03-07:￥980 03-11:￥2,100 ", "[馬単] 03-07:￥6,020 ",
      "[３複] 03-07-11:￥12,340 ", "[３単] 03-07-11:￥123,456,789 ",
  };
  EXPECT_FIELDS_EQ(expected, *memo);
}

TEST(PayoffMemoLines, TheLastMatchingLineWinsAndNoneGivesNothing) {
  const std::string first = PayoffFields().Entry(7, "01", "000000100").Line();
  const std::string last = PayoffFields().Entry(7, "02", "000000200").Line();
  const std::string other = PayoffFields("2024051905021210").Entry(7, "09", "000000900").Line();
  const auto memo = viewer::PayoffMemoLines({first, last, other}, kKey);
  ASSERT_TRUE(memo.has_value());
  EXPECT_SJIS_EQ("[単] 02:￥200 ", (*memo)[0]);
  EXPECT_SJIS_EQ("[複] ", (*memo)[1]);
  EXPECT_FALSE(viewer::PayoffMemoLines({other, "", "x,y"}, kKey).has_value());
  EXPECT_FALSE(viewer::PayoffMemoLines({}, kKey).has_value());
  // Field 0 is compared by its first 16 characters.
  PayoffFields longer(std::string(kKey) + "99");
  EXPECT_TRUE(viewer::PayoffMemoLines({longer.Line()}, kKey).has_value());
}

TEST(PayoffMemoLines, BadAmountsAndShortLinesFailWithWhatWasWrong) {
  const std::string bad = PayoffFields().Entry(7, "03", "12a").Line();
  EXPECT_THROW(viewer::PayoffMemoLines({bad}, kKey), base::ConversionError);
  std::string short_line = PayoffFields().Line();
  short_line.resize(short_line.find(",\"  -  -  \""));  // cut before the trifecta entries
  EXPECT_THROW(viewer::PayoffMemoLines({short_line}, kKey), base::Error);
}

// Amounts that other readers take for numbers are none here; every failure names the
// line it comes from.
TEST(PayoffMemoLines, OnlyDecimalAmountsAndTheLineOfAFailure) {
  const std::vector<std::string> other = {"2024051905021201,x", "y"};
  for (const char* amount : {"nan", "inf", "-inf", "1e3", "0x1p3"}) {
    std::vector<std::string> lines = other;
    lines.push_back(PayoffFields().Entry(7, "03", amount).Line());
    try {
      viewer::PayoffMemoLines(lines, kKey);
      ADD_FAILURE() << amount << ": no error";
    } catch (const base::ConversionError& e) {
      EXPECT_EQ("'" + std::string(amount) +
                    "' is not a valid floating point value (the payoff file line 3)",
                e.what());
    }
  }
  std::string short_line = PayoffFields().Line();
  short_line.resize(short_line.find(",\"  -  -  \""));
  try {
    viewer::PayoffMemoLines({short_line}, kKey);
    FAIL() << "no error";
  } catch (const base::Error& e) {
    EXPECT_EQ(std::string(e.what()).find("List index"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("(the payoff file line 1)"), std::string::npos)
        << e.what();
  }
}

}  // namespace
