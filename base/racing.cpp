#include "base/racing.h"

#include "base/values.h"

namespace base {

const char* TrackNameByCode(int code) {
  static const char* const kNames[] = {"",     "札幌", "函館", "福島", "新潟", "東京",
                                       "中山", "中京", "京都", "阪神", "小倉"};
  if (code < 0 || code > 10) return nullptr;
  return kNames[code];
}

std::string CompactRaceCode(std::string_view key) {
  std::string code;
  code.reserve(9);
  code += Chars(key, 9, 10);
  code += Chars(key, 3, 4);
  code += Chars(key, 12, 12);
  std::string_view day = Chars(key, 13, 14);
  if (day == "10") {
    code += 'A';
  } else if (day == "11") {
    code += 'B';
  } else if (day == "12") {
    code += 'C';
  } else if (day.size() == 2 && day[0] == '0') {
    code += day[1];
  } else {
    code += day;
  }
  code += Chars(key, 15, 16);
  return code;
}

}  // namespace base
