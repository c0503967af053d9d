// Facts of Japanese racing that both the fetch programs and the viewer use.
#pragma once
#include <string>
#include <string_view>

namespace base {

// The ten racecourses by code 1-10: 札幌 函館 福島 新潟 東京 中山 中京 京都 阪神 小倉.
// Index 0 is the empty name; codes outside 0-10 have none (nullptr).
const char* TrackNameByCode(int code);

// The code of a race in the odds-file names, from its 16-digit race key: racecourse code
// (key characters 9-10), the year's last two digits (3-4), the meeting number's last digit
// (12), the day of the meeting as one character (01-09 their digit, 10 "A", 11 "B",
// 12 "C", any other pair of characters unchanged as two) and the race number (15-16).
// Eight characters for the days 1 to 12, nine otherwise. A shorter key gives what it has.
std::string CompactRaceCode(std::string_view race_key);

}  // namespace base
