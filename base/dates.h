// Calendar dates and the clock. "Now" can be set by tests.
#pragma once
#include <compare>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace base {

struct Date {
  int year = 0;
  int month = 0;
  int day = 0;
  auto operator<=>(const Date&) const = default;
};

struct DateTime {
  Date date;
  int hour = 0;
  int minute = 0;
  int second = 0;
  auto operator<=>(const DateTime&) const = default;
};

bool IsValidDate(const Date& d);
int DaysInMonth(int year, int month);
Date AddDays(const Date& d, int days);
// The same day of the month `months` later (negative: earlier); a day that month lacks
// becomes its last day.
Date AddMonths(const Date& d, int months);

// "yyyymmdd"; "yyyy/mm/dd".
std::string Yyyymmdd(const Date& d);
std::string SlashedDate(const Date& d);
// Reads "yyyymmdd" or "yyyy/mm/dd" (exactly), nothing when it is not a real date.
std::optional<Date> ParseDate(std::string_view text);
// A two-digit year taken within fifty years of `today`'s year.
int ExpandTwoDigitYear(int yy, int today_year);

// The local date and time; tests may replace the clock.
DateTime Now();
inline Date Today() { return Now().date; }
void SetClock(std::function<DateTime()> clock);  // empty function: the real clock

}  // namespace base
