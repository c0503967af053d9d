#include <gtest/gtest.h>

#include "base/csv.h"
#include "fetch/records/DayLines.h"
#include "tests/records/sample_records.h"
#include "tests/support/sjis_assert.h"

namespace {

using Fields = std::vector<std::string>;

Fields PayoffFields(std::string_view record) {
  records::LineResult result = records::FormatPayoffLine(record);
  EXPECT_TRUE(result.ok()) << result.error;
  return base::SplitCsvLine(result.line);
}

TEST(PayoffLine, SampleRecordHeadAndEnd) {
  Fields fields = PayoffFields(samples::PayoffRecord());
  ASSERT_EQ(80u, fields.size());
  EXPECT_FIELDS_EQ((Fields{"2016052105030811", "2016", "05", "21", "東京", "11", "2", "03",
                           "000000360", "  ", "         "}),
                   Fields(fields.begin(), fields.begin() + 11));
  EXPECT_EQ("t", fields[79]);
}

// An entry set at its start character s, and the two fields it must give.
struct EntryCase {
  int start;
  const char* chars;
  int field;
  const char* combination;
  const char* amount;
};

const EntryCase kEntryCases[] = {
    {103, "01000000150", 7, "01", "000000150"},             // Win, first
    {129, "12000012340", 11, "12", "000012340"},            // Win, third
    {142, "05000000110", 13, "05", "000000110"},            // Place, first
    {194, "16000000990", 21, "16", "000000990"},            // Place, fifth
    {207, "35000000450", 23, "3-5", "000000450"},           // BracketQuinella, first
    {233, "88000001230", 27, "8-8", "000001230"},           // BracketQuinella, third
    {246, "0102000000560", 29, "01-02", "000000560"},       // Quinella, first
    {278, "1718000099990", 33, "17-18", "000099990"},       // Quinella, third
    {294, "0304000000220", 35, "03-04", "000000220"},       // QuinellaPlace, first
    {390, "0918000004560", 47, "09-18", "000004560"},       // QuinellaPlace, seventh
    {454, "0201000000770", 49, "02-01", "000000770"},       // Exacta, first
    {534, "1817000123450", 59, "18-17", "000123450"},       // Exacta, sixth
    {550, "010203000001110", 61, "01-02-03", "000001110"},  // Trio, first
    {586, "161718001234560", 65, "16-17-18", "001234560"},  // Trio, third
    {604, "010512000012340", 67, "01-05-12", "000012340"},  // Trifecta, first
    {699, "181716123456789", 77, "18-17-16", "123456789"},  // Trifecta, sixth
};

TEST(PayoffLine, EntriesInTheirGroups) {
  for (const auto& c : kEntryCases) {
    Fields fields = PayoffFields(samples::PayoffRecord().Set(c.start, c.chars));
    ASSERT_EQ(80u, fields.size());
    EXPECT_EQ(c.combination, fields[c.field]) << "entry at " << c.start;
    EXPECT_EQ(c.amount, fields[c.field + 1]) << "entry at " << c.start;
  }
}

TEST(PayoffLine, BlankEntriesAreQuotedBlanksAndDashes) {
  testsupport::RecordBuilder record(samples::kPayoffRecordLength);
  record.Set(12, "2016052105030811");
  records::LineResult result = records::FormatPayoffLine(record);
  ASSERT_TRUE(result.ok()) << result.error;
  const std::string amount = "\"         \"";
  const std::string two = "\"  \"," + amount;
  const std::string bracket = "\" - \"," + amount;
  const std::string pair = "\"  -  \"," + amount;
  const std::string three = "\"  -  -  \"," + amount;
  // Fields 7-78: the groups one after another; the data-kind character is a blank too.
  std::string line = "2016052105030811,2016,05,21,東京,11,\" \"";
  auto add = [&line](const std::string& entry, int count) {
    for (int i = 0; i < count; ++i) line += "," + entry;
  };
  add(two, 3);
  add(two, 5);
  add(bracket, 3);
  add(pair, 3);
  add(pair, 7);
  add(pair, 6);
  add(three, 3);
  add(three, 6);
  EXPECT_SJIS_EQ(line + ",t", result.line);
}

TEST(PayoffLine, CharactersBetweenQuinellaPlaceAndExactaAreNotWritten) {
  auto record = samples::PayoffRecord();
  record.Set(406, std::string(48, 'X'));
  records::LineResult result = records::FormatPayoffLine(record);
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(std::string::npos, result.line.find('X')) << result.line;
}

}  // namespace
