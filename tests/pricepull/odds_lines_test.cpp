#include <gtest/gtest.h>

#include <random>

#include "base/csv.h"
#include "fetch/pricepull/OddsLines.h"
#include "tests/pricepull/sample_odds_records.h"
#include "tests/records/line_checks.h"
#include "tests/support/record_builder.h"
#include "tests/support/sjis_assert.h"

namespace {

using Fields = std::vector<std::string>;
using linechecks::Formatter;

Fields LineFields(Formatter format, std::string_view record) {
  records::LineResult result = format(record);
  EXPECT_TRUE(result.ok()) << result.error;
  return base::SplitCsvLine(result.line);
}

TEST(OddsFileName, CompactRaceCodeAndExtension) {
  struct {
    const char* key;
    const char* name;
  } cases[] = {
      {"2016052105030811", "05163811.CSV"},  {"2016052105031011", "05163A11.CSV"},
      {"2016052105031211", "05163C11.CSV"},  {"2016052105030111", "05163111.CSV"},
      {"2016052105030911", "05163911.CSV"},  {"2016052105031111", "05163B11.CSV"},
      {"2016052105031311", "051631311.CSV"},  // above 12: the two digits
      {"2016052110120801", "10162801.CSV"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.name, pricepull::OddsFileName(c.key)) << c.key;
}

struct OddsCase {
  const char* chars;
  int w;
  const char* text;
};

TEST(OddsText, DigitsWithAPointBeforeTheLast) {
  const OddsCase cases[] = {
      {"0025", 4, "002.5"}, {"    ", 4, "0.0"},       {"0000", 4, "0.0"},     {"----", 4, "0.0"},
      {"****", 4, "0.0"},   {"9999", 4, "999.9"},     {"00153", 5, "0015.3"}, {"     ", 5, "0.0"},
      {"00000", 5, "0.0"},  {"001234", 6, "00123.4"}, {"------", 6, "0.0"},   {"******", 6, "0.0"},
      {"0 25", 4, "0 2.5"}, {"000-", 4, "000.-"},     {"**0*", 4, "**0.*"},   {"0", 4, "0."},
      {"", 4, "."},  // beyond the record's end
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.text, pricepull::OddsText(c.chars, 1, c.w)) << "\"" << c.chars << "\"";
  }
  // Read at its position in a record.
  EXPECT_EQ("012.3", pricepull::OddsText("xx0123yy", 3, 4));
}

TEST(WinPlaceOddsLine, ThreeRunners) {
  records::LineResult result =
      pricepull::FormatWinPlaceOddsLine(samples::WinPlaceRecord(3).Set(270, "0000"));
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(
      "2016052105030811,7,05211540,3,837412,512963,"
      "005.2,0.0,003.3,008.9,002.9,004.2,012.6,003.8,005.1",
      result.line);
}

TEST(WinPlaceOddsLine, ThreeFieldsPerRunner) {
  for (int n : {0, 1, 8, 16, 18, 28}) {
    Fields fields = LineFields(pricepull::FormatWinPlaceOddsLine, samples::WinPlaceRecord(n));
    ASSERT_EQ(static_cast<size_t>(6 + 3 * n), fields.size()) << n << " runners";
    EXPECT_EQ(std::to_string(n), fields[3]);
    if (n > 0) {
      EXPECT_NE("t", fields.back());
    }
  }
}

struct PositionCase {
  int position;
  const char* chars;
  int field;
  const char* text;
};

TEST(WinPlaceOddsLine, FieldsFromTheirCharacters) {
  const PositionCase cases[] = {
      {46, "0025", 6, "002.5"},    // win, horse 1
      {270, "0011", 7, "001.1"},   // lower place, horse 1
      {274, "0019", 8, "001.9"},   // upper place, horse 1
      {54, "1234", 9, "123.4"},    // win, horse 2
      {282, "----", 10, "0.0"},    // lower place, horse 2
      {182, "9999", 57, "999.9"},  // win, horse 18
      {474, "0123", 58, "012.3"},  // lower place, horse 18
      {478, "4567", 59, "456.7"},  // upper place, horse 18
      {928, "00000012345", 4, "12345"},
      {928, "00000000000", 4, "0"},
      {939, "02147483647", 5, "2147483647"},
      {28, "05201930", 2, "05201930"},
      {3, "5", 1, "5"},
      {36, "07", 3, "7"},
  };
  for (const auto& c : cases) {
    Fields fields = LineFields(pricepull::FormatWinPlaceOddsLine,
                               samples::WinPlaceRecord().Set(c.position, c.chars));
    ASSERT_LT(static_cast<size_t>(c.field), fields.size());
    EXPECT_EQ(c.text, fields[c.field]) << "characters from " << c.position;
  }
}

TEST(BracketOddsLine, ThirtySixPairsWhateverTheRunnerCount) {
  for (int n : {0, 5, 8, 18}) {
    Fields fields = LineFields(pricepull::FormatBracketOddsLine, samples::WinPlaceRecord(n));
    ASSERT_EQ(41u, fields.size()) << n << " runners";
    EXPECT_EQ(std::to_string(n), fields[3]);
    EXPECT_EQ("204117", fields[4]);
    EXPECT_EQ("0004.8", fields[5]);   // pair 1-1
    EXPECT_EQ("0253.3", fields[40]);  // pair 8-8: 48 + 71 * 35 tenths
  }
  const PositionCase cases[] = {
      {606, "00153", 5, "0015.3"},
      {615, "     ", 6, "0.0"},  // pairs 1-1, 1-2
      {921, "12345", 40, "1234.5"},
      {950, "00000000000", 4, "0"},
  };
  for (const auto& c : cases) {
    Fields fields = LineFields(pricepull::FormatBracketOddsLine,
                               samples::WinPlaceRecord().Set(c.position, c.chars));
    ASSERT_EQ(41u, fields.size());
    EXPECT_EQ(c.text, fields[c.field]) << "characters from " << c.position;
  }
}

TEST(QuinellaOddsLine, HundredFiftyThreePairsWhateverTheRunnerCount) {
  for (int n : {0, 2, 18}) {
    Fields fields = LineFields(pricepull::FormatQuinellaOddsLine, samples::QuinellaRecord(n));
    ASSERT_EQ(158u, fields.size()) << n << " runners";
    EXPECT_EQ("2016052105030811", fields[0]);
    EXPECT_EQ("7", fields[1]);
    EXPECT_EQ("05211540", fields[2]);
    EXPECT_EQ(std::to_string(n), fields[3]);
    EXPECT_EQ("1562004", fields[4]);
    EXPECT_NE("t", fields[157]);
  }
  const PositionCase cases[] = {
      {45, "001234", 5, "00123.4"},      // pair 1-2
      {266, "000567", 22, "00056.7"},    // pair 2-3
      {2021, "999999", 157, "99999.9"},  // pair 17-18
      {58, "******", 6, "0.0"},          // pair 1-3
      {2030, "00000000001", 4, "1"},
  };
  for (const auto& c : cases) {
    Fields fields = LineFields(pricepull::FormatQuinellaOddsLine,
                               samples::QuinellaRecord().Set(c.position, c.chars));
    ASSERT_EQ(158u, fields.size());
    EXPECT_EQ(c.text, fields[c.field]) << "characters from " << c.position;
  }
}

struct FaultCase {
  Formatter format;
  testsupport::RecordBuilder (*sample)();
  int position;
  const char* chars;
  const char* error;
};

testsupport::RecordBuilder WinPlace() { return samples::WinPlaceRecord(); }
testsupport::RecordBuilder Quinella() { return samples::QuinellaRecord(); }

const FaultCase kFaultCases[] = {
    {pricepull::FormatWinPlaceOddsLine, WinPlace, 36, "  ",
     "win and place odds record \"2016052105030811\" (962 characters): characters 36-37 \"  \" "
     "hold no number"},
    {pricepull::FormatWinPlaceOddsLine, WinPlace, 36, "29",
     "characters 36-37 \"29\" hold runner count 29, not within 0-28"},
    {pricepull::FormatWinPlaceOddsLine, WinPlace, 36, "-1",
     "characters 36-37 \"-1\" hold runner count -1, not within 0-28"},
    {pricepull::FormatWinPlaceOddsLine, WinPlace, 928, "02147483648",
     "characters 928-938 \"02147483648\" hold no number"},
    {pricepull::FormatWinPlaceOddsLine, WinPlace, 939, "           ",
     "characters 939-949 \"           \" hold no number"},
    {pricepull::FormatBracketOddsLine, WinPlace, 36, "1a",
     "bracket odds record \"2016052105030811\" (962 characters): characters 36-37 \"1a\" hold "
     "no number"},
    {pricepull::FormatBracketOddsLine, WinPlace, 950, "99999999999",
     "characters 950-960 \"99999999999\" hold no number"},
    {pricepull::FormatQuinellaOddsLine, Quinella, 36, "  ",
     "quinella odds record \"2016052105030811\" (2042 characters): characters 36-37 \"  \" hold "
     "no number"},
    {pricepull::FormatQuinellaOddsLine, Quinella, 2030, "0000000001 ",
     "characters 2030-2040 \"0000000001 \" hold no number"},
};

TEST(OddsLineFaults, RunnerCountOrVoteTotalWithoutValueGivesNoLine) {
  for (const auto& c : kFaultCases) {
    records::LineResult result = c.format(c.sample().Set(c.position, c.chars));
    EXPECT_FALSE(result.ok()) << c.position << " \"" << c.chars << "\"";
    EXPECT_EQ("", result.line);
    EXPECT_NE(std::string::npos, result.error.find(c.error))
        << result.error << "\nshould hold " << c.error;
  }
}

TEST(OddsLineFaults, PairLinesNeedNoRunnerCountWithinTheWinBlock) {
  // Only the win and place line walks the runners; the pair lines write the count as it is.
  Fields fields =
      LineFields(pricepull::FormatBracketOddsLine, samples::WinPlaceRecord().Set(36, "29"));
  ASSERT_EQ(41u, fields.size());
  EXPECT_EQ("29", fields[3]);
  EXPECT_EQ(158u,
            LineFields(pricepull::FormatQuinellaOddsLine, samples::QuinellaRecord().Set(36, "99"))
                .size());
}

struct Kind {
  const char* name;
  Formatter format;
  testsupport::RecordBuilder (*sample)();
  size_t last_number_position;
  size_t fields;  // for the sample's 18 runners
};

const Kind kKinds[] = {
    {"win and place odds", pricepull::FormatWinPlaceOddsLine, WinPlace, 949, 60},
    {"bracket odds", pricepull::FormatBracketOddsLine, WinPlace, 960, 41},
    {"quinella odds", pricepull::FormatQuinellaOddsLine, Quinella, 2040, 158},
};

TEST(OddsLineFaults, ShortRecordsGiveTheReasonUntilTheTotalsAreThere) {
  for (const auto& kind : kKinds) {
    const std::string full = kind.sample().str();
    for (size_t length = 0; length <= full.size(); ++length) {
      const std::string record = full.substr(0, length);
      records::LineResult result = kind.format(record);
      ASSERT_EQ(length >= kind.last_number_position, result.ok())
          << kind.name << " record of " << length << " characters: " << result.error;
      if (result.ok()) {
        ASSERT_EQ(kind.fields, base::SplitCsvLine(result.line).size());
      } else {
        EXPECT_EQ(0u, result.error.find(std::string(kind.name) + " record ")) << result.error;
      }
    }
  }
}

// Records of random single-byte characters with mostly digits where the numbers are.
TEST(OddsLineFaults, RandomRecordsGiveWholeLinesOrReasons) {
  std::mt19937 rng(211540);
  auto pick = [&rng](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
  };
  for (const auto& kind : kKinds) {
    int lines = 0;
    for (int i = 0; i < 2000; ++i) {
      // Mostly long enough for the totals, now and then cut anywhere.
      const int full = static_cast<int>(kind.last_number_position);
      const int length = pick(0, 3) > 0 ? pick(full, full + 20) : pick(0, full + 20);
      std::string record(static_cast<size_t>(length), ' ');
      for (char& c : record) c = static_cast<char>(pick(1, 127));
      auto digits = [&](int p, int q) {
        for (int k = p; k <= q && static_cast<size_t>(k) <= record.size(); ++k) {
          record[static_cast<size_t>(k - 1)] = static_cast<char>('0' + pick(0, 9));
        }
      };
      if (pick(0, 9) > 0) digits(36, 37);
      if (record.size() >= 36 && pick(0, 1)) record[35] = pick(0, 1) ? '0' : '2';
      if (pick(0, 9) > 0) {
        digits(928, 960);
        digits(2030, 2040);
        for (size_t p : {928u, 939u, 950u, 2030u}) {  // two leading zeros: within 32 bits
          if (record.size() >= p + 1) record[p - 1] = record[p] = '0';
        }
      }
      records::LineResult result = kind.format(record);
      if (result.ok()) {
        ++lines;
        Fields fields = base::SplitCsvLine(result.line);
        ASSERT_GE(fields.size(), 6u) << result.line;
        if (kind.fields == 60) {  // the win and place line: 6 + 3n
          ASSERT_EQ(6 + 3 * std::stoul(fields[3]), fields.size()) << result.line;
        } else {
          ASSERT_EQ(kind.fields, fields.size()) << result.line;
        }
      } else {
        EXPECT_EQ("", result.line);
        EXPECT_EQ(0u, result.error.find(std::string(kind.name) + " record ")) << result.error;
      }
    }
    EXPECT_GT(lines, 500) << kind.name;
  }
}

// Any bytes at all: a line or a reason, never a read past the record.
TEST(OddsLineFaults, AnyBytesGiveALineOrAReason) {
  std::mt19937 rng(20160523);
  for (const auto& kind : kKinds) {
    linechecks::ExpectLineOrReasonForAnyBytes(kind.name, kind.format, kind.sample().str(), 60, rng);
  }
}

// Every odds line reads back as exactly the fields its formatter wrote, whatever bytes the
// record's key, announcement time and odds characters hold.
const linechecks::ReadBackCase kOddsLines[] = {
    {"win and place odds",
     pricepull::FormatWinPlaceOddsLine,
     WinPlace,
     60,
     {{0, 12, 27}, {1, 3, 3}, {2, 28, 35}},
     {{3, 3}, {12, 19}, {22, 25}, {28, 35}, {44, 267}, {268, 603}}},
    {"bracket odds",
     pricepull::FormatBracketOddsLine,
     WinPlace,
     41,
     {{0, 12, 27}, {1, 3, 3}, {2, 28, 35}},
     {{3, 3}, {12, 19}, {28, 35}, {606, 925}}},
    {"quinella odds",
     pricepull::FormatQuinellaOddsLine,
     Quinella,
     158,
     {{0, 12, 27}, {1, 3, 3}, {2, 28, 35}},
     {{3, 3}, {12, 19}, {28, 35}, {45, 2026}}},
};

TEST(OddsLines, EveryLineReadsBackAsItsFields) {
  std::mt19937 rng(5211540);
  for (const auto& c : kOddsLines) linechecks::ExpectEveryLineReadsBack(c, rng);
}

}  // namespace
