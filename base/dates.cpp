#include "base/dates.h"

#include <cstdio>
#include <ctime>

namespace base {
namespace {

std::function<DateTime()>& Clock() {
  static std::function<DateTime()> clock;
  return clock;
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// Days since 1970-01-01 (proleptic Gregorian), and back.
long ToDays(const Date& d) {
  int y = d.year - (d.month <= 2);
  long era = (y >= 0 ? y : y - 399) / 400;
  long yoe = y - era * 400;
  long doy = (153L * (d.month + (d.month > 2 ? -3 : 9)) + 2) / 5 + d.day - 1;
  long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

Date FromDays(long z) {
  z += 719468;
  long era = (z >= 0 ? z : z - 146096) / 146097;
  long doe = z - era * 146097;
  long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  long y = yoe + era * 400;
  long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  long mp = (5 * doy + 2) / 153;
  int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return Date{static_cast<int>(y + (m <= 2)), m, d};
}

bool AllDigits(std::string_view s) {
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return !s.empty();
}

int ToInt(std::string_view s) {
  int v = 0;
  for (char c : s) v = v * 10 + (c - '0');
  return v;
}

}  // namespace

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(const Date& d) {
  return d.year >= 1 && d.year <= 9999 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
         d.day <= DaysInMonth(d.year, d.month);
}

Date AddDays(const Date& d, int days) { return FromDays(ToDays(d) + days); }

Date AddMonths(const Date& d, int months) {
  int index = d.year * 12 + (d.month - 1) + months;
  Date r{index / 12, index % 12 + 1, d.day};
  if (r.day > DaysInMonth(r.year, r.month)) r.day = DaysInMonth(r.year, r.month);
  return r;
}

std::string Yyyymmdd(const Date& d) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d", d.year, d.month, d.day);
  return buf;
}

std::string SlashedDate(const Date& d) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", d.year, d.month, d.day);
  return buf;
}

std::optional<Date> ParseDate(std::string_view t) {
  Date d;
  if (t.size() == 8 && AllDigits(t)) {
    d = {ToInt(t.substr(0, 4)), ToInt(t.substr(4, 2)), ToInt(t.substr(6, 2))};
  } else if (t.size() == 10 && t[4] == '/' && t[7] == '/' && AllDigits(t.substr(0, 4)) &&
             AllDigits(t.substr(5, 2)) && AllDigits(t.substr(8, 2))) {
    d = {ToInt(t.substr(0, 4)), ToInt(t.substr(5, 2)), ToInt(t.substr(8, 2))};
  } else {
    return std::nullopt;
  }
  if (!IsValidDate(d)) return std::nullopt;
  return d;
}

int ExpandTwoDigitYear(int yy, int today_year) {
  int window_start = today_year - 50;
  int y = window_start / 100 * 100 + yy;
  if (y < window_start) y += 100;
  return y;
}

DateTime Now() {
  if (Clock()) return Clock()();
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return DateTime{{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday}, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

void SetClock(std::function<DateTime()> clock) { Clock() = std::move(clock); }

}  // namespace base
