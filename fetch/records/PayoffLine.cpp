#include <cstring>

#include "base/values.h"
#include "fetch/records/CsvLine.h"
#include "fetch/records/DayLines.h"
#include "fetch/records/RecordValues.h"

namespace records {
namespace {

using base::Chars;

constexpr int kAmountWidth = 9;
// The last character that a payoff line takes from the record (the last trifecta amount).
constexpr int kLastPayoffPosition = 604 + 5 * 19 + 6 + kAmountWidth - 1;

// The combination of the entry at s: Parts numbers of Width characters each, joined by
// "-" (for example "01-05-12"), written as they stand.
template <int Parts, int Width>
[[gnu::always_inline]] inline void CombinationField(CsvLineWriter& out, std::string_view record,
                                                    int s, bool whole) {
  static_assert(Parts * (Width + 1) - 1 <= 8);
  if (whole) {  // all inside the record: put together in one word
    uint64_t word = 0;
    for (int k = 0; k < Parts; ++k) {
      const char* number = record.data() + (s - 1 + k * Width);
      uint64_t bits = static_cast<unsigned char>(number[0]);
      if constexpr (Width == 2)
        bits |= static_cast<uint64_t>(static_cast<unsigned char>(number[1])) << 8;
      if (k > 0) word |= uint64_t{'-'} << (8 * (k * (Width + 1) - 1));
      word |= bits << (8 * k * (Width + 1));
    }
    out.WordField(word, Parts * (Width + 1) - 1);
    return;
  }
  out.BeginField();
  for (int k = 0; k < Parts; ++k) {
    if (k > 0) out.Append('-');
    const int p = s + k * Width;
    out.Append(Chars(record, p, p + Width - 1));
  }
  out.EndField();
}

// One bet type's run of entries: entry m begins at first + m * step with its
// combination and then its amount, nine characters written as they stand.
template <int Parts, int Width>
[[gnu::always_inline]] inline void PayoffGroup(CsvLineWriter& out, std::string_view record,
                                               bool whole, int first, int entries, int step) {
  for (int m = 0; m < entries; ++m) {
    const int s = first + m * step;
    CombinationField<Parts, Width>(out, record, s, whole);
    const int amount = s + Parts * Width;
    out.Field(Chars(record, amount, amount + kAmountWidth - 1));
  }
}

}  // namespace

LineResult FormatPayoffLine(std::string_view record) {
  RecordValues values("payoff", record);
  const char* track = values.TrackName();
  const int32_t race_number = values.Value(26, 27);
  if (!values.ok()) return {.line = {}, .error = values.Error()};

  LineResult result;
  CsvLineWriter out(result.line, 1024);
  out.Field(Chars(record, 12, 27));
  out.Field(Chars(record, 12, 15));
  out.Field(Chars(record, 16, 17));
  out.Field(Chars(record, 18, 19));
  out.Field(track);
  out.NumberField(race_number);
  out.Field(base::CharAt(record, 3));

  const bool whole = record.size() >= static_cast<size_t>(kLastPayoffPosition);
  PayoffGroup<1, 2>(out, record, whole, 103, 3, 13);  // Win
  PayoffGroup<1, 2>(out, record, whole, 142, 5, 13);  // Place
  PayoffGroup<2, 1>(out, record, whole, 207, 3, 13);  // BracketQuinella
  PayoffGroup<2, 2>(out, record, whole, 246, 3, 16);  // Quinella
  PayoffGroup<2, 2>(out, record, whole, 294, 7, 16);  // QuinellaPlace
  // Characters 406-453 are not written.
  PayoffGroup<2, 2>(out, record, whole, 454, 6, 16);  // Exacta
  PayoffGroup<3, 2>(out, record, whole, 550, 3, 18);  // Trio
  PayoffGroup<3, 2>(out, record, whole, 604, 6, 19);  // Trifecta
  out.Field(kLineEndMark);
  out.Finish();
  return result;
}

}  // namespace records
