#include "base/values.h"
#include "fetch/records/CsvLine.h"
#include "fetch/records/DayLines.h"
#include "fetch/records/RecordValues.h"

namespace records {
namespace {

using base::CharAt;
using base::Chars;

std::string_view AgePiece(int32_t v) {
  switch (v) {
    case 11:
      return "２歳";
    case 12:
      return "３歳";
    case 13:
    case 18:
      return "３歳上";
    case 14:
    case 19:
      return "４歳上";
    default:
      return {};
  }
}

std::string_view ClassPiece(int32_t v) {
  switch (v) {
    case 5:
      return "・1勝クラス";
    case 10:
      return "・2勝クラス";
    case 16:
      return "・3勝クラス";
    case 100:
      return "・1億下";
    case 701:
      return "・新馬";
    case 702:
      return "・未出走";
    case 703:
      return "・未勝利";
    case 999:
      return "・オープン";
    default:
      return {};
  }
}

// The piece of a one-character code: the text after the code among the pairs, or none.
struct CodeText {
  char code;
  std::string_view text;
};

template <std::size_t N>
std::string_view PieceOf(std::string_view c, const CodeText (&table)[N]) {
  if (c.size() != 1) return {};
  for (const auto& row : table) {
    if (row.code == c[0]) return row.text;
  }
  return {};
}

constexpr CodeText kGrade[] = {{'A', "・G1"}, {'B', "・G2"}, {'C', "・G3"}, {'L', "・L"}};
constexpr CodeText kWeight[] = {
    {'1', "(ハンデ)"}, {'2', "(別定)"}, {'3', "(馬齢)"}, {'4', "(定量)"}};
constexpr CodeText kSex[] = {{'1', "(牡)"}, {'3', "(牡)"}, {'2', "(牝)"}};
constexpr CodeText kEntry[] = {
    {'A', "(混)"},     {'B', "(父)"},     {'C', "(市)"},   {'D', "(抽)"},   {'G', "(抽)"},
    {'H', "(抽)"},     {'E', "[抽]"},     {'I', "[抽]"},   {'J', "[抽]"},   {'F', "(市)(抽)"},
    {'K', "(市)(抽)"}, {'L', "(市)(抽)"}, {'M', "(九州)"}, {'N', "(国際)"},
};
constexpr CodeText kDesignation[] = {
    {'1', "(指定)"}, {'2', "(若手騎手)"}, {'3', "[指定]"}, {'4', "(特指)"}};

// Surface and direction from characters 706-707 (text) and their value.
std::string_view SurfaceText(std::string_view text, int32_t v) {
  if (text == "10") return "芝　直";
  if (v >= 11 && v <= 16) return "芝　左";
  if (v >= 17 && v <= 22) return "芝　右";
  if (v == 23 || v == 25) return "ダート　左";
  if (v == 24 || v == 26) return "ダート　右";
  if (v == 27) return "サンド　左";
  if (v == 28) return "サンド　右";
  if (v == 29) return "ダート　直";
  if (v >= 51 && v <= 59) return "障害";
  return {};
}

// Weather and going codes: "0" is written as "9".
std::string_view ZeroAsNine(std::string_view c) { return c == "0" ? "9" : c; }

}  // namespace

LineResult FormatRaceLine(std::string_view record) {
  RecordValues values("race", record);
  const char* track = values.TrackName();
  const int32_t race_number = values.Value(26, 27);
  const int32_t ordinal = values.Value(612, 614);
  const int32_t age = values.Value(617, 618);
  const int32_t race_class = values.Value(635, 637);
  const int32_t surface = values.Value(706, 707);
  const int32_t runners = values.Value(882, 883);
  if (!values.ok()) return {.line = {}, .error = values.Error()};

  LineResult result;
  CsvLineWriter out(result.line, 256);
  out.Field(Chars(record, 12, 27));
  out.Field(Chars(record, 12, 15));
  out.Field(Chars(record, 16, 17));
  out.Field(Chars(record, 18, 19));
  out.Field(track);
  out.NumberField(race_number);

  out.BeginField();
  if (ordinal != 0) {
    out.Append("第");
    out.AppendNumber(ordinal);
    out.Append("回");
  } else {
    out.Append(' ');
  }
  out.EndField();

  out.BeginField();
  out.AppendTrimmed(Chars(record, 33, 92));
  out.EndField();

  out.BeginField();
  out.Append(AgePiece(age));
  out.Append(ClassPiece(race_class));
  out.Append(PieceOf(CharAt(record, 615), kGrade));
  out.Append(PieceOf(CharAt(record, 622), kWeight));
  out.Append(PieceOf(CharAt(record, 620), kSex));
  out.Append(PieceOf(CharAt(record, 619), kEntry));
  out.Append(PieceOf(CharAt(record, 621), kDesignation));
  out.EndField();

  out.Field(SurfaceText(Chars(record, 706, 707), surface));
  out.Field(Chars(record, 698, 701));
  out.NumberField(runners);

  out.BeginField();
  out.Append(Chars(record, 874, 875));
  out.Append(':');
  out.Append(Chars(record, 876, 877));
  out.EndField();

  out.Field(CharAt(record, 3));
  out.Field(ZeroAsNine(CharAt(record, 888)));
  out.Field(ZeroAsNine(CharAt(record, 889)));
  out.Field(ZeroAsNine(CharAt(record, 890)));
  out.Field(kLineEndMark);
  out.Finish();
  return result;
}

}  // namespace records
