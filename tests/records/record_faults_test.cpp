// Records that cannot give a line give the reason instead, and no record, however short
// or odd, makes a formatter read past its end.
#include <gtest/gtest.h>

#include <random>

#include "base/csv.h"
#include "fetch/records/DayLines.h"
#include "tests/records/line_checks.h"
#include "tests/records/sample_records.h"
#include "tests/support/sjis_assert.h"

namespace {

using linechecks::Formatter;

struct FaultCase {
  Formatter format;
  testsupport::RecordBuilder (*sample)();
  int position;
  const char* chars;
  const char* error;
};

const FaultCase kFaultCases[] = {
    {records::FormatRaceLine, samples::RaceRecord, 882, "  ",
     "race record \"2016052105030811\" (1272 characters): characters 882-883 \"  \" hold no "
     "number"},
    {records::FormatRaceLine, samples::RaceRecord, 20, "11",
     "race record \"2016052111030811\" (1272 characters): characters 20-21 \"11\" hold "
     "racecourse code 11, not within 0-10"},
    {records::FormatRaceLine, samples::RaceRecord, 20, "-1",
     "race record \"20160521-1030811\" (1272 characters): characters 20-21 \"-1\" hold "
     "racecourse code -1, not within 0-10"},
    {records::FormatRaceLine, samples::RaceRecord, 20, "  ",
     "race record \"20160521  030811\" (1272 characters): characters 20-21 \"  \" hold no "
     "number"},
    {records::FormatRaceLine, samples::RaceRecord, 612, "7 8", "characters 612-614 \"7 8\""},
    {records::FormatRaceLine, samples::RaceRecord, 617, "1A", "characters 617-618 \"1A\""},
    {records::FormatRaceLine, samples::RaceRecord, 635, "   ", "characters 635-637 \"   \""},
    {records::FormatRaceLine, samples::RaceRecord, 706, "\t1", "characters 706-707 \"\\x091\""},
    {records::FormatRaceLine, samples::RaceRecord, 26, "1 ", "characters 26-27 \"1 \""},
    {records::FormatRunnerLine, samples::RunnerRecord, 29, "ab",
     "runner record \"2016052105030811\" (555 characters): characters 29-30 \"ab\" hold no "
     "number"},
    {records::FormatRunnerLine, samples::RunnerRecord, 20, "99", "racecourse code 99"},
    {records::FormatRunnerLine, samples::RunnerRecord, 24, "  ", "characters 24-25 \"  \""},
    {records::FormatRunnerLine, samples::RunnerRecord, 26, "--", "characters 26-27 \"--\""},
    {records::FormatRunnerLine, samples::RunnerRecord, 83, "  ", "characters 83-84 \"  \""},
    {records::FormatRunnerLine, samples::RunnerRecord, 335, "  ", "characters 335-336 \"  \""},
    {records::FormatRunnerLine, samples::RunnerRecord, 364, "**", "characters 364-365 \"**\""},
    {records::FormatPayoffLine, samples::PayoffRecord, 26, "  ",
     "payoff record \"20160521050308  \" (719 characters): characters 26-27 \"  \" hold no "
     "number"},
    {records::FormatPayoffLine, samples::PayoffRecord, 20, "12", "racecourse code 12"},
};

TEST(RecordFaults, NumberFieldWithoutValueOrCodeOutsideTheTableGivesNoLine) {
  for (const auto& c : kFaultCases) {
    records::LineResult result = c.format(c.sample().Set(c.position, c.chars));
    EXPECT_FALSE(result.ok()) << c.position << " \"" << c.chars << "\"";
    EXPECT_EQ("", result.line);
    EXPECT_NE(std::string::npos, result.error.find(c.error))
        << testsupport::Readable(result.error) << "\nshould hold "
        << testsupport::Readable(c.error);
  }
}

TEST(RecordFaults, EveryFaultOfARecordIsNamed) {
  auto record = samples::RaceRecord();
  record.Set(20, "12").Set(612, "   ").Set(882, "x8");
  EXPECT_SJIS_EQ(
      "race record \"2016052112030811\" (1272 characters): characters 20-21 \"12\" hold "
      "racecourse code 12, not within 0-10; characters 612-614 \"   \" hold no number; "
      "characters 882-883 \"x8\" hold no number",
      records::FormatRaceLine(record).error);
}

// Each formatter, its sample and the last character of its number fields.
struct Kind {
  const char* name;
  Formatter format;
  testsupport::RecordBuilder (*sample)();
  size_t last_number_position;
  size_t fields;
  std::vector<std::pair<int, int>> numbers;  // first and last character of each
};

const Kind kKinds[] = {
    {"race",
     records::FormatRaceLine,
     samples::RaceRecord,
     883,
     18,
     {{20, 21}, {26, 27}, {612, 614}, {617, 618}, {635, 637}, {706, 707}, {882, 883}}},
    {"runner",
     records::FormatRunnerLine,
     samples::RunnerRecord,
     365,
     33,
     {{20, 21}, {24, 25}, {26, 27}, {29, 30}, {83, 84}, {335, 336}, {364, 365}}},
    {"payoff", records::FormatPayoffLine, samples::PayoffRecord, 27, 80, {{20, 21}, {26, 27}}},
};

TEST(RecordFaults, ShortRecordsGiveEmptyPartsOrTheReason) {
  for (const auto& kind : kKinds) {
    const std::string full = kind.sample().str();
    for (size_t length = 0; length <= full.size(); ++length) {
      // A copy of exactly that length, so reading past it is a fault the sanitizers see.
      const std::string record = full.substr(0, length);
      records::LineResult result = kind.format(record);
      ASSERT_EQ(length >= kind.last_number_position, result.ok())
          << kind.name << " record of " << length << " characters: " << result.error;
      if (result.ok()) {
        ASSERT_EQ(kind.fields, base::SplitCsvLine(result.line).size())
            << kind.name << " record of " << length << " characters";
      } else {
        EXPECT_NE(std::string::npos,
                  result.error.find("(" + std::to_string(length) + " characters)"));
        EXPECT_NE(std::string::npos, result.error.find("hold no number")) << result.error;
      }
    }
  }
}

TEST(RecordFaults, ShortRaceRecordLeavesTheMissingFieldsEmpty) {
  // 883 characters: the weather and going characters 888-890 lie beyond the end.
  std::string record = samples::RaceRecord().str().substr(0, 883);
  records::LineResult result = records::FormatRaceLine(record);
  ASSERT_TRUE(result.ok()) << result.error;
  std::vector<std::string> fields = base::SplitCsvLine(result.line);
  ASSERT_EQ(18u, fields.size());
  EXPECT_FIELDS_EQ((std::vector<std::string>{"15:40", "7", "", "", "", "t"}),
                   std::vector<std::string>(fields.begin() + 12, fields.end()));
}

TEST(RecordFaults, ShortPayoffRecordGivesDashesForMissingCombinations) {
  std::string record = samples::PayoffRecord().str().substr(0, 27);
  records::LineResult result = records::FormatPayoffLine(record);
  ASSERT_TRUE(result.ok()) << result.error;
  std::vector<std::string> fields = base::SplitCsvLine(result.line);
  ASSERT_EQ(80u, fields.size());
  EXPECT_EQ("2", fields[6]);    // the data-kind character
  EXPECT_EQ("", fields[7]);     // Win combination
  EXPECT_EQ("-", fields[23]);   // BracketQuinella combination
  EXPECT_EQ("-", fields[29]);   // Quinella combination
  EXPECT_EQ("--", fields[61]);  // Trio combination
  EXPECT_EQ("", fields[62]);    // Trio amount
}

// Records of random single-byte characters (commas, quotes and control characters among
// them), with the number fields now holding digits, now not: each gives either a line
// with all its fields or a reason.
TEST(RecordFaults, RandomRecordsGiveWholeLinesOrReasons) {
  std::mt19937 rng(1540);
  auto pick = [&rng](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
  };
  const char kNumberChars[] = "0123456789 +-";  // now and then a number among the bytes
  for (const auto& kind : kKinds) {
    int lines = 0;
    for (int i = 0; i < 3000; ++i) {
      const int length = pick(0, static_cast<int>(kind.last_number_position) + 600);
      std::string record(static_cast<size_t>(length), ' ');
      for (char& c : record) {
        c = pick(0, 3) == 0 ? kNumberChars[pick(0, 12)] : static_cast<char>(pick(1, 127));
      }
      // Mostly digits where the numbers are (the racecourse code "0" and a digit), so
      // that many records give lines.
      for (auto [p, q] : kind.numbers) {
        if (pick(0, 19) == 0) continue;
        for (int k = p; k <= q && static_cast<size_t>(k) <= record.size(); ++k) {
          record[static_cast<size_t>(k - 1)] = static_cast<char>('0' + pick(0, 9));
        }
        if (p == 20 && record.size() >= 20) record[19] = '0';
      }
      records::LineResult result = kind.format(record);
      if (result.ok()) {
        ++lines;
        EXPECT_EQ("", result.error);
        ASSERT_EQ(kind.fields, base::SplitCsvLine(result.line).size()) << result.line;
      } else {
        EXPECT_EQ("", result.line);
        EXPECT_EQ(0u, result.error.find(std::string(kind.name) + " record ")) << result.error;
      }
    }
    EXPECT_GT(lines, 300) << kind.name;
  }
}

// Any bytes at all (byte 0, lead bytes cut off at the end of a field, ...): a line or a
// reason, never a read past the record (the sanitizer builds watch for that).
TEST(RecordFaults, AnyBytesGiveALineOrAReason) {
  std::mt19937 rng(20160522);
  for (const auto& kind : kKinds) {
    linechecks::ExpectLineOrReasonForAnyBytes(kind.name, kind.format, kind.sample().str(), 40, rng);
  }
}

}  // namespace
