#include "base/values.h"
#include "fetch/records/CsvLine.h"
#include "fetch/records/DayLines.h"
#include "fetch/records/RecordValues.h"

namespace records {
namespace {

using base::Chars;

// One bet type's run of entries: entry m begins at first + m * step with a combination
// of `parts` numbers of `width` characters each, joined by "-", and then the amount of
// nine characters.
struct PayoffGroup {
  int first, entries, step, parts, width;
};

// Win, Place, BracketQuinella, Quinella, QuinellaPlace, Exacta, Trio, Trifecta.
constexpr PayoffGroup kGroups[] = {
    {103, 3, 13, 1, 2}, {142, 5, 13, 1, 2}, {207, 3, 13, 2, 1}, {246, 3, 16, 2, 2},
    {294, 7, 16, 2, 2}, {454, 6, 16, 2, 2}, {550, 3, 18, 3, 2}, {604, 6, 19, 3, 2},
};
constexpr int kAmountWidth = 9;

}  // namespace

LineResult FormatPayoffLine(std::string_view record) {
  RecordValues values("payoff", record);
  const char* track = values.TrackName();
  const int32_t race_number = values.Value(26, 27);
  if (!values.ok()) return {.line = {}, .error = values.Error()};

  LineResult result;
  result.line.reserve(1024);
  CsvLineWriter out(result.line);
  out.Field(Chars(record, 12, 27));
  out.Field(Chars(record, 12, 15));
  out.Field(Chars(record, 16, 17));
  out.Field(Chars(record, 18, 19));
  out.Field(track);
  out.NumberField(race_number);
  out.Field(base::CharAt(record, 3));

  for (const PayoffGroup& g : kGroups) {
    for (int m = 0; m < g.entries; ++m) {
      const int s = g.first + m * g.step;
      out.BeginField();
      for (int k = 0; k < g.parts; ++k) {
        if (k > 0) out.Append('-');
        const int p = s + k * g.width;
        out.Append(Chars(record, p, p + g.width - 1));
      }
      out.EndField();
      const int amount = s + g.parts * g.width;
      out.Field(Chars(record, amount, amount + kAmountWidth - 1));
    }
  }
  out.Field(kLineEndMark);
  return result;
}

}  // namespace records
