// The racecourse buttons of a race day: the day's meetings from its race file, the 14-byte
// caption that stands for a meeting, and the meeting read back from a caption.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace viewer {

// The work list of the day's MeetingKey values (first 14 characters of a race line: day,
// racecourse code, meeting number, day of the meeting), ascending. A line whose field 13
// is "9" keeps the key of the line before; a key is added when it is not empty and differs
// from the one added last, so a key that comes back after another one is added again.
std::vector<std::string> MeetingKeys(const std::vector<std::string>& race_lines);

// The caption of a meeting: racecourse name (4 bytes), meeting (2), "回", day of the
// meeting (2), "日目" — 14 bytes. The leading "0" of a piece shows as a blank (meeting 2
// gives " 2", day 6 " 6"); a piece of two digits keeps both (day 10 "10", meeting 11 "11").
// A key that is not 14 digits or whose racecourse code has no name gives no caption.
std::optional<std::string> TrackCaption(std::string_view meeting_key);

// The captions of Track1 to Track3 from the race lines: the meetings of MeetingKeys in
// order, those without a caption passed over, at most three.
std::vector<std::string> TrackCaptions(const std::vector<std::string>& race_lines);

// The meeting a caption stands for.
struct TrackChoice {
  std::string track_code;   // TrackNameToCode(bytes 1-4); empty for an unknown name
  std::string meeting_day;  // meeting (2 digits) + day of the meeting ("%.2d")
};
// The meeting is bytes 5-6, a blank read as "0" (" 2" gives "02", "11" stays); the day is
// bytes 9-10 read as an integer (a leading blank allowed). A day that is not an integer throws
// base::ConversionError.
TrackChoice ReadTrackCaption(std::string_view caption);

}  // namespace viewer
