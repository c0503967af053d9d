#include "viewer/logic/TrackCaption.h"

#include <algorithm>
#include <cstdio>

#include "base/csv.h"
#include "base/values.h"
#include "viewer/logic/DispCTRL.h"

namespace viewer {
namespace {

// A blank in place of the leading "0" of a two-digit piece ("02" gives " 2").
std::string BlankLeadingZero(std::string_view piece) {
  std::string p(piece);
  if (p[0] == '0') p[0] = ' ';
  return p;
}

bool AllDigits(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Field 13 of a race line is its data-kind character; "9" has no other case. A line
// without field 13 does not hold "9".
bool IsNine(const std::vector<std::string>& fields) {
  return fields.size() > 13 && fields[13] == "9";
}

// A blank of the caption stands for "0".
char DigitOf(std::string_view byte) { return byte.empty() || byte == " " ? '0' : byte[0]; }

}  // namespace

std::vector<std::string> MeetingKeys(const std::vector<std::string>& race_lines) {
  std::vector<std::string> keys;
  std::string current;
  std::string last_added;
  for (const auto& line : race_lines) {
    if (!IsNine(base::SplitCsvLine(line))) current = std::string(base::Chars(line, 1, 14));
    if (!current.empty() && current != last_added) {
      keys.push_back(current);
      last_added = current;
    }
  }
  std::sort(keys.begin(), keys.end());
  return keys;
}

std::optional<std::string> TrackCaption(std::string_view key) {
  if (key.size() != 14 || !AllDigits(key)) return std::nullopt;
  std::string name = TrackCodeToName(key.substr(8, 2));
  if (name.empty()) return std::nullopt;
  return name + BlankLeadingZero(base::Chars(key, 11, 12)) + "回" +
         BlankLeadingZero(base::Chars(key, 13, 14)) + "日目";
}

std::vector<std::string> TrackCaptions(const std::vector<std::string>& race_lines) {
  std::vector<std::string> captions;
  for (const auto& key : MeetingKeys(race_lines)) {
    if (captions.size() == 3) break;
    if (auto c = TrackCaption(key)) captions.push_back(*c);
  }
  return captions;
}

TrackChoice ReadTrackCaption(std::string_view caption) {
  TrackChoice t;
  t.track_code = TrackNameToCode(base::Chars(caption, 1, 4));
  t.meeting_day += DigitOf(base::Chars(caption, 5, 5));
  t.meeting_day += DigitOf(base::Chars(caption, 6, 6));
  char day[16];
  std::snprintf(day, sizeof day, "%.2d", base::IntegerValue(base::Chars(caption, 9, 10)));
  t.meeting_day += day;
  return t;
}

}  // namespace viewer
