// Checks that the line formatters of the records and of the odds share: one change to a
// sample record and the field it gives, any bytes at all giving a line or a reason, and
// every line reading back as exactly the fields written.
#pragma once
#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/csv.h"
#include "base/sjis.h"
#include "base/values.h"
#include "fetch/records/CsvLine.h"
#include "fetch/records/LineResult.h"
#include "tests/support/record_builder.h"
#include "tests/support/sjis_assert.h"

namespace linechecks {

using Formatter = records::LineResult (*)(std::string_view);
using Sample = testsupport::RecordBuilder (*)();

// One change to the sample record and the field it must give.
struct FieldCase {
  int position;
  const char* chars;
  int field;
  const char* text;
};

// Every case gives a line of `fields` fields whose field holds the case's text.
inline void ExpectFieldCases(Formatter format, Sample sample, std::size_t fields,
                             std::span<const FieldCase> cases) {
  for (const FieldCase& c : cases) {
    records::LineResult result = format(sample().Set(c.position, c.chars));
    ASSERT_TRUE(result.ok()) << result.error << " (characters from " << c.position << ")";
    std::vector<std::string> line = base::SplitCsvLine(result.line);
    ASSERT_EQ(fields, line.size()) << c.position;
    EXPECT_SJIS_EQ(c.text, line[c.field])
        << "characters from " << c.position << " \"" << c.chars << "\", field " << c.field;
  }
}

// 2000 records cut from the sample anywhere, each with up to `changes` bytes set to any
// byte at all: every one gives a line or a reason, never both, never a read past the record.
inline void ExpectLineOrReasonForAnyBytes(const char* name, Formatter format,
                                          const std::string& sample, int changes,
                                          std::mt19937& rng) {
  auto pick = [&rng](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
  };
  for (int i = 0; i < 2000; ++i) {
    std::string record =
        sample.substr(0, static_cast<size_t>(pick(0, static_cast<int>(sample.size()))));
    for (int k = pick(0, changes); k > 0 && !record.empty(); --k) {
      record[static_cast<size_t>(pick(0, static_cast<int>(record.size()) - 1))] =
          static_cast<char>(pick(0, 255));
    }
    records::LineResult result = format(record);
    EXPECT_NE(result.ok(), result.line.empty()) << name;
  }
}

// A field as one line carries it: a byte 0, CR or LF, and a lead byte that ends the field,
// become blanks.
inline std::string Carried(std::string_view field) {
  std::string carried(field);
  for (std::size_t i = 0; i < carried.size(); i = base::NextCharPos(carried, i)) {
    const auto c = static_cast<unsigned char>(carried[i]);
    const bool last = i + 1 == carried.size();
    if (c == 0 || c == '\r' || c == '\n' || (last && base::IsLeadByte(c))) carried[i] = ' ';
  }
  return carried;
}

// Characters first-last of the record, copied unchanged into the field.
struct CopiedField {
  int field;
  int first;
  int last;
};

// A formatter, its sample record, the fields of each of its lines, the fields copied from
// the record, and the characters that hold texts (copied, trimmed, cut or put together;
// never a number that the line needs).
struct ReadBackCase {
  const char* name;
  Formatter format;
  Sample sample;
  std::size_t fields;
  std::vector<CopiedField> copied;
  std::vector<std::pair<int, int>> texts;
};

// The line reads back into its fields and is the very line that JoinCsvFields writes for
// them: as many fields as the formatter writes, the copied ones the record's characters as
// a line carries them, and no byte that splits a line for a reader that takes lines at CR
// or LF.
inline void ExpectReadsBack(const ReadBackCase& c, std::string_view record,
                            const std::string& what) {
  records::LineResult result = c.format(record);
  ASSERT_TRUE(result.ok()) << c.name << " " << what << ": " << result.error;
  const std::vector<std::string> fields = base::SplitCsvLine(result.line);
  ASSERT_EQ(c.fields, fields.size())
      << c.name << " " << what << ": " << testsupport::Readable(result.line);
  for (const CopiedField& f : c.copied) {
    EXPECT_SJIS_EQ(Carried(base::Chars(record, f.first, f.last)), fields[f.field])
        << c.name << " " << what << ", field " << f.field;
  }
  EXPECT_SJIS_EQ(records::JoinCsvFields(fields), result.line) << c.name << " " << what;
  EXPECT_EQ(std::string::npos, result.line.find_first_of(std::string("\r\n\0", 3)))
      << c.name << " " << what << ": " << testsupport::Readable(result.line);
}

// Bytes that a line cannot carry as they are, or that a reader may take wrongly.
inline constexpr char kAwkwardBytes[] = {'\0', '\r', '\n',   '\x81', '\x9F', '\xE0', '\xFC', '"',
                                         ',',  ' ',  '\x40', '\x7F', '\xFD', '\x80', '\x22', '\t'};

// The first and last character of each text set to a lone lead byte, a byte 0, a CR or an
// LF, then records with any bytes at the text characters: every line reads back as
// exactly its fields.
inline void ExpectEveryLineReadsBack(const ReadBackCase& c, std::mt19937& rng) {
  for (auto [first, last] : c.texts) {
    for (const char* bytes : {"\x81", "\xFC", "\r", "\n", ""}) {
      for (int p : {first, last}) {
        testsupport::RecordBuilder record = c.sample();
        record.Set(p, *bytes ? std::string(bytes) : std::string(1, '\0'));
        ExpectReadsBack(c, record,
                        "character " + std::to_string(p) + " " +
                            testsupport::Readable(std::string(record.str(), p - 1, 1)));
      }
    }
  }
  auto pick = [&rng](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
  };
  const std::string sample = c.sample().str();
  for (int i = 0; i < 3000 && !::testing::Test::HasFailure(); ++i) {
    std::string record = sample;
    for (int k = pick(1, 12); k > 0; --k) {
      auto [first, last] =
          c.texts[static_cast<std::size_t>(pick(0, static_cast<int>(c.texts.size()) - 1))];
      const int p = pick(first, last);
      record[static_cast<std::size_t>(p - 1)] =
          pick(0, 1) == 0 ? kAwkwardBytes[pick(0, sizeof kAwkwardBytes - 1)]
                          : static_cast<char>(pick(0, 255));
    }
    ExpectReadsBack(c, record, "random record " + std::to_string(i));
  }
}

}  // namespace linechecks
