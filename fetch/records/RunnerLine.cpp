#include "base/values.h"
#include "fetch/records/CsvLine.h"
#include "fetch/records/DayLines.h"
#include "fetch/records/RecordValues.h"

namespace records {
namespace {

using base::CharAt;
using base::Chars;

std::string_view SexText(std::string_view c) {
  if (c == "1") return "牡";
  if (c == "2") return "牝";
  if (c == "3") return "セン";
  return " ";
}

std::string_view AffiliationText(std::string_view c) {
  if (c == "1") return "美";
  if (c == "2") return "栗";
  if (c == "3") return "招";
  return " ";
}

constexpr std::string_view kBlank = " ";
constexpr std::string_view kFullWidthSpace = "　";

}  // namespace

LineResult FormatRunnerLine(std::string_view record) {
  RecordValues values("runner", record);
  const char* track = values.TrackName();
  const int32_t race_number = values.Value(26, 27);
  const int32_t horse_number = values.Value(29, 30);
  const int32_t field9 = values.Value(83, 84);
  const int32_t meeting_day = values.Value(24, 25);
  const int32_t field29 = values.Value(364, 365);
  const int32_t finish = values.Value(335, 336);
  if (!values.ok()) return {.line = {}, .error = values.Error()};

  LineResult result;
  CsvLineWriter out(result.line, 320);
  out.Field(Chars(record, 14, 19));
  out.Field(track);
  out.NumberField(race_number);
  out.NumberField(horse_number);
  for (int i = 4; i <= 6; ++i) out.Field(kBlank);

  out.BeginField();
  out.AppendTrimmed(Chars(record, 41, 76));
  out.EndField();

  out.Field(SexText(CharAt(record, 79)));
  out.NumberField(field9);
  out.Field(Chars(record, 307, 314));

  out.BeginField();
  out.Append(Chars(record, 289, 290));
  out.Append('.');
  out.Append(CharAt(record, 291));
  out.EndField();

  out.Field(Chars(record, 91, 98));
  out.Field(AffiliationText(CharAt(record, 85)));

  out.BeginField();
  out.AppendTrimmed(Chars(record, 105, 168));
  out.EndField();

  for (int i = 15; i <= 18; ++i) out.Field(kFullWidthSpace);
  out.NumberField(meeting_day);
  out.Field(kFullWidthSpace);
  out.Field(Chars(record, 81, 82));
  out.Field(CharAt(record, 28));
  for (int i = 23; i <= 26; ++i) out.Field(kBlank);
  out.Field(Chars(record, 366, 373));
  out.Field(Chars(record, 374, 381));
  out.NumberField(field29);
  out.Field(Chars(record, 360, 363));
  out.NumberField(finish);
  out.Field(kLineEndMark);
  out.Finish();
  return result;
}

}  // namespace records
