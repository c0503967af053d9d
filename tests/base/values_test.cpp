#include "base/values.h"

#include <gtest/gtest.h>

#include <optional>

#include "base/errors.h"
#include "base/fixed_record.h"

namespace {

struct IntCase {
  const char* text;
  std::optional<int32_t> value;
};

const IntCase kIntCases[] = {
    {"07", 7},
    {"00", 0},
    {"12", 12},
    {"  5", 5},
    {"-3", -3},
    {"+4", 4},
    {"2147483647", 2147483647},
    {"-2147483648", INT32_MIN},
    {"2147483648", std::nullopt},
    {"99999999999", std::nullopt},
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"5 ", std::nullopt},
    {"1a", std::nullopt},
    {"A", std::nullopt},
    {"-", std::nullopt},
    {"00000012345", 12345},
};

TEST(Values, ParseInt32HasNoValueForWhatIsNotANumber) {
  for (const auto& c : kIntCases) {
    EXPECT_EQ(c.value, base::ParseInt32(c.text)) << "'" << c.text << "'";
  }
}

TEST(Values, CharsAreOneBasedAndNeverPastTheEnd) {
  std::string_view rec = "ABCDEFG";
  EXPECT_EQ("BCD", base::Chars(rec, 2, 4));
  EXPECT_EQ("FG", base::Chars(rec, 6, 9));
  EXPECT_EQ("", base::Chars(rec, 8, 10));
  EXPECT_EQ("G", base::CharAt(rec, 7));
  EXPECT_EQ("", base::CharAt(rec, 100));
}

TEST(Values, ValueOfNeedsTheWholeField) {
  std::string_view rec = "xx08y";
  EXPECT_EQ(8, base::ValueOf(rec, 3, 4));
  EXPECT_EQ(std::nullopt, base::ValueOf(rec, 4, 6));  // the record ends inside the field
  EXPECT_EQ(std::nullopt, base::ValueOf(rec, 3, 5));
}

TEST(Values, NumberTextHasNoLeadingZeros) {
  EXPECT_EQ("7", base::NumberText(*base::ParseInt32("07")));
  EXPECT_EQ("0", base::NumberText(0));
  EXPECT_EQ("-12", base::NumberText(-12));
}

TEST(Values, ConversionsNameTheTextThatFailed) {
  EXPECT_EQ(42, base::IntegerValue("42"));
  try {
    base::IntegerValue("4x");
    FAIL() << "no error";
  } catch (const base::ConversionError& e) {
    EXPECT_STREQ("'4x' is not a valid integer value", e.what());
  }
  EXPECT_DOUBLE_EQ(2.5, base::DecimalValue("002.5"));
  EXPECT_DOUBLE_EQ(0.0, base::DecimalValue("0.0"));
  EXPECT_DOUBLE_EQ(9999.0, base::DecimalValue("9999"));
  EXPECT_THROW(base::DecimalValue("."), base::ConversionError);
  EXPECT_THROW(base::DecimalValue(""), base::ConversionError);
  EXPECT_THROW(base::DecimalValue("1.2.3"), base::ConversionError);
}

TEST(Values, ParseDecimalGivesNothingWhereDecimalValueFails) {
  struct {
    const char* text;
    std::optional<double> value;
  } cases[] = {
      {"  3.00", 3.0},       {" -0.05", -0.05},     {" 7", 7.0},
      {"+1.5 ", 1.5},        {" ", std::nullopt},   {"", std::nullopt},
      {"12%", std::nullopt}, {"1 2", std::nullopt}, {" ﾄﾘｹｼ", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.value, base::ParseDecimal(c.text)) << c.text;
    if (!c.value) {
      EXPECT_THROW(base::DecimalValue(c.text), base::ConversionError) << c.text;
    }
  }
}

// What the two number readers of the data files give for texts that other readers take
// as numbers: only decimal digits, one sign and (for decimals) one point are numbers.
TEST(Values, OnlyDecimalDigitsAreNumbers) {
  const std::string many_digits(400, '9');
  struct {
    std::string text;
    std::optional<int32_t> integer;
    std::optional<double> decimal;
  } cases[] = {
      {"nan", std::nullopt, std::nullopt},
      {"NaN", std::nullopt, std::nullopt},
      {"inf", std::nullopt, std::nullopt},
      {"-inf", std::nullopt, std::nullopt},
      {"infinity", std::nullopt, std::nullopt},
      {"1e3", std::nullopt, std::nullopt},
      {"1E3", std::nullopt, std::nullopt},
      {"2.5e-1", std::nullopt, std::nullopt},
      {"0x1p3", std::nullopt, std::nullopt},
      {"0x10", std::nullopt, std::nullopt},
      {"-2147483648", INT32_MIN, -2147483648.0},
      {"2147483648", std::nullopt, 2147483648.0},
      {"-2147483649", std::nullopt, -2147483649.0},
      {".", std::nullopt, std::nullopt},
      {"5.", std::nullopt, 5.0},
      {".5", std::nullopt, 0.5},
      {"-.5", std::nullopt, -0.5},
      {"+5", 5, 5.0},
      {"+-5", std::nullopt, std::nullopt},
      {"-+5", std::nullopt, std::nullopt},
      {"- 5", std::nullopt, std::nullopt},
      {"--5", std::nullopt, std::nullopt},
      {"1.2.3", std::nullopt, std::nullopt},
      {"1,5", std::nullopt, std::nullopt},
      {"\t5", std::nullopt, std::nullopt},
      {"５", std::nullopt, std::nullopt},  // a full-width digit
      {" 0012.50 ", std::nullopt, 12.5},
      {many_digits, std::nullopt, std::nullopt},  // beyond a 64-bit float
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.integer, base::ParseInt32(c.text)) << "'" << c.text << "'";
    EXPECT_EQ(c.decimal, base::ParseDecimal(c.text)) << "'" << c.text << "'";
    if (!c.decimal) {
      EXPECT_THROW(base::DecimalValue(c.text), base::ConversionError) << c.text;
    }
  }
}

TEST(FixedRecord, FieldsAreLittleEndianAtTheirOffsets) {
  std::string rec(16, '\0');
  base::PutInt32(rec, 4, 0x01020304);
  EXPECT_EQ(std::string("\x04\x03\x02\x01", 4), rec.substr(4, 4));
  EXPECT_EQ(0x01020304, base::GetInt32(rec, 4));
  base::PutInt32(rec, 8, -2);
  EXPECT_EQ(-2, base::GetInt32(rec, 8));
  base::PutFloat32(rec, 12, 1.5f);
  EXPECT_EQ(std::string("\x00\x00\xC0\x3F", 4), rec.substr(12, 4));
  EXPECT_EQ(1.5f, base::GetFloat32(rec, 12));
}

TEST(FixedRecord, ShortStringsAreCutToTheirCapacity) {
  std::string rec(10, 'x');
  base::PutShortString(rec, 1, 5, "ab");
  EXPECT_EQ(std::string("x\x02"
                        "ab\0\0\0xx",
                        9),
            rec.substr(0, 9));
  EXPECT_EQ("ab", base::GetShortString(rec, 1, 5));
  base::PutShortString(rec, 1, 5, "東京都");  // six bytes: cut inside the third character
  EXPECT_EQ(5, rec[1]);
  EXPECT_EQ(std::string("東京") + "\x93", base::GetShortString(rec, 1, 5));
  rec[1] = static_cast<char>(200);  // a damaged length byte reads as the capacity
  EXPECT_EQ(5u, base::GetShortString(rec, 1, 5).size());
}

}  // namespace
