#include "fetch/pricepull/OddsLines.h"

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

bool AllAlike(std::string_view text, char c) {
  for (char t : text) {
    if (t != c) return false;
  }
  return true;
}

// OddsText as pieces, so a line takes them in without a text of its own.
struct OddsTextParts {
  std::string_view head, point, last;
};

OddsTextParts OddsTextOf(std::string_view record, int p, int w) {
  std::string_view all = Chars(record, p, p + w - 1);
  if (all.size() == static_cast<size_t>(w) &&
      (AllAlike(all, ' ') || AllAlike(all, '0') || AllAlike(all, '-') || AllAlike(all, '*'))) {
    return {"0.0", {}, {}};
  }
  return {Chars(record, p, p + w - 2), ".", Chars(record, p + w - 1, p + w - 1)};
}

void OddsField(CsvLineWriter& out, std::string_view record, int p, int w) {
  OddsTextParts parts = OddsTextOf(record, p, w);
  out.BeginField();
  out.Append(parts.head);
  out.Append(parts.point);
  out.Append(parts.last);
  out.EndField();
}

// Fields 0-2 of every odds line: RaceKey, data-kind character, AnnounceTime; then the
// runner count.
void HeadFields(CsvLineWriter& out, std::string_view record, int32_t runners) {
  out.Field(Chars(record, 12, 27));
  out.Field(base::CharAt(record, 3));
  out.Field(Chars(record, 28, 35));
  out.NumberField(runners);
}

constexpr int kWinOddsWidth = 4;
constexpr int kBracketOddsWidth = 5;
constexpr int kQuinellaOddsWidth = 6;
constexpr int kBracketPairs = 36;
constexpr int kHorsePairs = 153;

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
  result.line.reserve(64 + 18 * static_cast<size_t>(runners));
  CsvLineWriter out(result.line);
  HeadFields(out, record, runners);
  out.NumberField(win_total);
  out.NumberField(place_total);
  for (int h = 1; h <= runners; ++h) {
    OddsField(out, record, 46 + 8 * (h - 1), kWinOddsWidth);
    OddsField(out, record, 270 + 12 * (h - 1), kWinOddsWidth);
    OddsField(out, record, 274 + 12 * (h - 1), kWinOddsWidth);
  }
  return result;
}

LineResult FormatBracketOddsLine(std::string_view record) {
  RecordValues values("bracket odds", record);
  const int32_t runners = values.Value(36, 37);
  const int32_t total = values.Value(950, 960);
  if (!values.ok()) return {.line = {}, .error = values.Error()};

  LineResult result;
  result.line.reserve(64 + 7 * kBracketPairs);
  CsvLineWriter out(result.line);
  HeadFields(out, record, runners);
  out.NumberField(total);
  for (int m = 0; m < kBracketPairs; ++m) OddsField(out, record, 606 + 9 * m, kBracketOddsWidth);
  return result;
}

LineResult FormatQuinellaOddsLine(std::string_view record) {
  RecordValues values("quinella odds", record);
  const int32_t runners = values.Value(36, 37);
  const int32_t total = values.Value(2030, 2040);
  if (!values.ok()) return {.line = {}, .error = values.Error()};

  LineResult result;
  result.line.reserve(64 + 8 * kHorsePairs);
  CsvLineWriter out(result.line);
  HeadFields(out, record, runners);
  out.NumberField(total);
  for (int m = 0; m < kHorsePairs; ++m) OddsField(out, record, 45 + 13 * m, kQuinellaOddsWidth);
  return result;
}

}  // namespace pricepull
