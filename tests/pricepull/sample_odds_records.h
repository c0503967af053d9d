// Full-length "0B41" and "0B42" odds records as the racing-data component delivers them.
#pragma once
#include <cstdio>
#include <string>

#include "tests/support/record_builder.h"

namespace samples {

inline constexpr std::size_t kWinPlaceRecordLength = 962;   // "0B41"
inline constexpr std::size_t kQuinellaRecordLength = 2042;  // "0B42"

inline std::string TwoDigits(int v) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", v % 100);
  return text;
}

// The odds digits of width w for a value in tenths, e.g. 25 at width 4 gives 0025.
inline std::string OddsDigits(int tenths, int w) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*d", w, tenths);
  return text;
}

// 18 runners announced at 15:40 on 21 May; every win, place and bracket entry filled.
inline testsupport::RecordBuilder WinPlaceRecord(int runners = 18) {
  testsupport::RecordBuilder r(kWinPlaceRecordLength);
  r.Set(1, "O17").Set(4, "20160521").Set(12, "2016052105030811").Set(28, "05211540");
  r.Set(36, TwoDigits(runners)).Set(38, TwoDigits(runners)).Set(40, "7").Set(41, "7").Set(42, "3");
  for (int h = 1; h <= 28; ++h) {
    const int win = h <= runners ? 15 + 37 * h : 0;
    const int place = h <= runners ? 11 + 9 * h : 0;
    const std::string pop = h <= runners ? TwoDigits(h) : "  ";
    r.Set(44 + 8 * (h - 1), h <= runners ? TwoDigits(h) + OddsDigits(win, 4) + pop : "        ");
    r.Set(268 + 12 * (h - 1),
          h <= runners ? TwoDigits(h) + OddsDigits(place, 4) + OddsDigits(place + 13, 4) + pop
                       : "            ");
  }
  int m = 0;
  for (int i = 1; i <= 8; ++i) {
    for (int j = i; j <= 8; ++j, ++m) {
      r.Set(604 + 9 * m,
            std::to_string(i) + std::to_string(j) + OddsDigits(48 + 71 * m, 5) + TwoDigits(m + 1));
    }
  }
  r.Set(928, "00000837412").Set(939, "00000512963").Set(950, "00000204117");
  return r;
}

// The quinella odds of the same race, all 153 pairs filled.
inline testsupport::RecordBuilder QuinellaRecord(int runners = 18) {
  testsupport::RecordBuilder r(kQuinellaRecordLength);
  r.Set(1, "O27").Set(4, "20160521").Set(12, "2016052105030811").Set(28, "05211540");
  r.Set(36, TwoDigits(runners)).Set(38, TwoDigits(runners)).Set(40, "7");
  int m = 0;
  for (int i = 1; i <= 17; ++i) {
    for (int j = i + 1; j <= 18; ++j, ++m) {
      char pop[16];
      std::snprintf(pop, sizeof pop, "%03d", m + 1);
      r.Set(41 + 13 * m, TwoDigits(i) + TwoDigits(j) + OddsDigits(53 + 97 * m, 6) + pop);
    }
  }
  r.Set(2030, "00001562004");
  return r;
}

}  // namespace samples
