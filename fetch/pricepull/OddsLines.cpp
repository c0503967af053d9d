#include "fetch/pricepull/OddsLines.h"

#include <cstring>

#include "base/racing.h"
#include "base/values.h"
#include "fetch/records/CsvLine.h"
#include "fetch/records/RecordValues.h"

namespace pricepull {
namespace {

using base::Chars;
using records::CsvLineWriter;
using records::LineResult;
using records::RecordValues;

constexpr int kWinOddsWidth = 4;
constexpr int kBracketOddsWidth = 5;
constexpr int kQuinellaOddsWidth = 6;
constexpr int kBracketPairs = 36;
constexpr int kHorsePairs = 153;

// Whether the w characters are all blanks, all "0", all "-" or all "*".
bool IsMissingOdds(const char* s, int w) {
  const char c = s[0];
  if (c != ' ' && c != '0' && c != '-' && c != '*') return false;
  return std::memcmp(s, s + 1, static_cast<size_t>(w - 1)) == 0;  // all alike
}

// OddsText as pieces: "0.0", or the first w-1 characters, a point and the last one; the
// parts of the field that lie beyond the record's end are empty.
struct OddsTextParts {
  std::string_view head, point, last;
};

OddsTextParts OddsTextOf(std::string_view record, int p, int w) {
  if (w >= 1 && p >= 1 && static_cast<size_t>(p - 1 + w) <= record.size() &&
      IsMissingOdds(record.data() + (p - 1), w)) {
    return {"0.0", {}, {}};
  }
  return {Chars(record, p, p + w - 2), ".", Chars(record, p + w - 1, p + w - 1)};
}

// The n bytes at s as one word, the first lowest (loaded piece by piece, never through
// memory that was just written, which would stall the load).
template <int N>
[[gnu::always_inline]] inline uint64_t LoadBytes(const char* s) {
  if constexpr (N >= 4) {
    uint32_t low;
    std::memcpy(&low, s, 4);
    return low | (N > 4 ? LoadBytes<N - 4>(s + 4) << 32 : 0);
  } else if constexpr (N >= 2) {
    uint16_t low;
    std::memcpy(&low, s, 2);
    return low | (N > 2 ? LoadBytes<N - 2>(s + 2) << 16 : 0);
  } else if constexpr (N == 1) {
    return static_cast<unsigned char>(s[0]);
  } else {
    return 0;
  }
}

// The OddsText field of the W characters at s, all inside the record (the usual case:
// every field of a record long enough for its vote totals). The text is put together in
// one word.
template <int W>
[[gnu::always_inline]] inline void WholeOddsField(CsvLineWriter& out, const char* s) {
  static_assert(W >= 2 && W <= 6);
  constexpr uint64_t kEach = 0x0101010101010101ull & ((uint64_t{1} << (8 * W)) - 1);
  constexpr uint64_t kMissing = '0' | '.' << 8 | '0' << 16;  // "0.0"
  constexpr int kHead = 8 * (W - 1);
  const uint64_t digits = LoadBytes<W>(s);
  const uint64_t first = digits & 0xFF;
  // All blanks, all "0", all "-" or all "*".
  if (digits == first * kEach && (first == ' ' || first == '0' || first == '-' || first == '*')) {
    out.WordField(kMissing, 3);
    return;
  }
  const uint64_t head = digits & ((uint64_t{1} << kHead) - 1);
  out.WordField(head | uint64_t{'.'} << kHead | (digits >> kHead) << (kHead + 8), W + 1);
}

// The same for a field that the record may end inside or before.
void ShortOddsField(CsvLineWriter& out, std::string_view record, int p, int w) {
  OddsTextParts parts = OddsTextOf(record, p, w);
  out.BeginField();
  out.Append(parts.head);
  out.Append(parts.point);
  out.Append(parts.last);
  out.EndField();
}

// count OddsText fields of width W, the first at character first, one every step.
template <int W>
[[gnu::always_inline]] inline void OddsFields(CsvLineWriter& out, std::string_view record,
                                              int first, int step, int count) {
  if (count <= 0) return;
  if (static_cast<size_t>(first - 1 + step * (count - 1) + W) <= record.size()) {
    const char* s = record.data() + (first - 1);
    for (int m = 0; m < count; ++m, s += step) WholeOddsField<W>(out, s);
  } else {
    for (int m = 0; m < count; ++m) ShortOddsField(out, record, first + step * m, W);
  }
}

// Fields 0-3 of every odds line: RaceKey, data-kind character, AnnounceTime, runner count.
[[gnu::always_inline]] inline void HeadFields(CsvLineWriter& out, std::string_view record,
                                              int32_t runners) {
  out.Field(Chars(record, 12, 27));
  out.Field(base::CharAt(record, 3));
  out.Field(Chars(record, 28, 35));
  out.NumberField(runners);
}

}  // namespace

std::string OddsFileName(std::string_view race_key) {
  return base::CompactRaceCode(race_key) + ".CSV";
}

std::string OddsText(std::string_view record, int p, int w) {
  OddsTextParts parts = OddsTextOf(record, p, w);
  std::string text(parts.head);
  text += parts.point;
  text += parts.last;
  return text;
}

LineResult FormatWinPlaceOddsLine(std::string_view record) {
  RecordValues values("win and place odds", record);
  const int32_t runners = values.ValueWithin(36, 37, 0, kMaxOddsRunners, "runner count");
  const int32_t win_total = values.Value(928, 938);
  const int32_t place_total = values.Value(939, 949);
  if (!values.ok()) return {.line = {}, .error = values.Error()};

  LineResult result;
  CsvLineWriter out(result.line, 64 + 18 * static_cast<size_t>(runners));
  HeadFields(out, record, runners);
  out.NumberField(win_total);
  out.NumberField(place_total);
  // Win, lower place and upper place odds of horse h, horse after horse.
  const int last_place = 274 + 12 * (runners - 1) + kWinOddsWidth - 1;
  if (runners > 0 && static_cast<size_t>(last_place) <= record.size()) {
    const char* win = record.data() + (46 - 1);
    const char* place = record.data() + (270 - 1);
    for (int h = 1; h <= runners; ++h, win += 8, place += 12) {
      WholeOddsField<kWinOddsWidth>(out, win);
      WholeOddsField<kWinOddsWidth>(out, place);
      WholeOddsField<kWinOddsWidth>(out, place + 4);
    }
  } else {
    for (int h = 1; h <= runners; ++h) {
      ShortOddsField(out, record, 46 + 8 * (h - 1), kWinOddsWidth);
      ShortOddsField(out, record, 270 + 12 * (h - 1), kWinOddsWidth);
      ShortOddsField(out, record, 274 + 12 * (h - 1), kWinOddsWidth);
    }
  }
  out.Finish();
  return result;
}

LineResult FormatBracketOddsLine(std::string_view record) {
  RecordValues values("bracket odds", record);
  const int32_t runners = values.Value(36, 37);
  const int32_t total = values.Value(950, 960);
  if (!values.ok()) return {.line = {}, .error = values.Error()};

  LineResult result;
  CsvLineWriter out(result.line, 64 + 7 * kBracketPairs);
  HeadFields(out, record, runners);
  out.NumberField(total);
  OddsFields<kBracketOddsWidth>(out, record, 606, 9, kBracketPairs);  // 1-1 to 8-8
  out.Finish();
  return result;
}

LineResult FormatQuinellaOddsLine(std::string_view record) {
  RecordValues values("quinella odds", record);
  const int32_t runners = values.Value(36, 37);
  const int32_t total = values.Value(2030, 2040);
  if (!values.ok()) return {.line = {}, .error = values.Error()};

  LineResult result;
  CsvLineWriter out(result.line, 64 + 8 * kHorsePairs);
  HeadFields(out, record, runners);
  out.NumberField(total);
  OddsFields<kQuinellaOddsWidth>(out, record, 45, 13, kHorsePairs);  // 1-2 to 17-18
  out.Finish();
  return result;
}

}  // namespace pricepull
