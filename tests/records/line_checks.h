// Checks that the line formatters of the records and of the odds share: one change to a
// sample record and the field it gives, and any bytes at all giving a line or a reason.
#pragma once
#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <span>
#include <string>
#include <string_view>

#include "base/csv.h"
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

}  // namespace linechecks
