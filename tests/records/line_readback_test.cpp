// Every day line reads back as exactly the fields its formatter wrote, whatever bytes the
// record's texts hold: lone lead bytes, bytes 0, CR and LF among them.
#include <gtest/gtest.h>

#include <random>

#include "fetch/records/DayLines.h"
#include "tests/records/line_checks.h"
#include "tests/records/sample_records.h"

namespace {

using linechecks::ReadBackCase;

const ReadBackCase kDayLines[] = {
    {"race",
     records::FormatRaceLine,
     samples::RaceRecord,
     18,
     {{0, 12, 27}, {1, 12, 15}, {2, 16, 17}, {3, 18, 19}, {10, 698, 701}, {13, 3, 3}},
     {{3, 3}, {12, 19}, {22, 25}, {33, 92}, {698, 701}, {874, 877}, {888, 890}}},
    {"runner",
     records::FormatRunnerLine,
     samples::RunnerRecord,
     33,
     {{0, 14, 19},
      {10, 307, 314},
      {12, 91, 98},
      {21, 81, 82},
      {22, 28, 28},
      {27, 366, 373},
      {28, 374, 381},
      {30, 360, 363}},
     {{14, 19},
      {28, 28},
      {41, 76},
      {79, 79},
      {81, 82},
      {85, 85},
      {91, 98},
      {105, 168},
      {289, 291},
      {307, 314},
      {360, 363},
      {366, 381}}},
    {"payoff",
     records::FormatPayoffLine,
     samples::PayoffRecord,
     80,
     {{0, 12, 27}, {1, 12, 15}, {2, 16, 17}, {3, 18, 19}, {6, 3, 3}, {7, 103, 104}, {8, 105, 113}},
     {{3, 3}, {12, 19}, {22, 25}, {103, 405}, {454, 713}}},
};

TEST(DayLines, EveryLineReadsBackAsItsFields) {
  std::mt19937 rng(20160521);
  for (const ReadBackCase& c : kDayLines) linechecks::ExpectEveryLineReadsBack(c, rng);
}

}  // namespace
