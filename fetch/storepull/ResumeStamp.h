// storepull's resume point: the time stamp yyyymmddhhmmss from which the next fetch goes
// on, kept in storepull.cfg in the current directory as one record of 15 bytes: byte 0 the
// length of the stamp (0-14), bytes 1-14 its characters, zeros behind it.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "base/dates.h"

namespace storepull {

inline constexpr char kConfigFile[] = "storepull.cfg";
inline constexpr std::size_t kStampCapacity = 14;
inline constexpr std::size_t kConfigRecordSize = kStampCapacity + 1;

// Creates or replaces the file with the one record, never leaving it half-written.
void WriteResumeStamp(const std::string& path, std::string_view stamp);

// The date whose two-digit year, month and day are characters 3-4, 5-6 and 7-8 of the
// stamp (the year taken within fifty years of today's); none when they give no date.
std::optional<base::Date> StampDate(std::string_view stamp, const base::Date& today);

// The FromDate of a fetch: the whole stamp when the start date is the stamp's first eight
// characters (letter case ignored), else the start date yyyymmdd + "000000".
std::string FromDateFor(const base::Date& start, std::string_view resume_stamp);

// What the main window shows when it is first shown.
struct StartState {
  std::string resume_stamp;  // empty when there is no usable file
  base::Date start_date;     // for the start-date picker
  std::string message;       // for the status panel when the file is damaged, else empty
  std::string error;         // for an error box when the file cannot be read, else empty
};
// From storepull.cfg when it exists and gives a date, else today one month back. Only a
// file that is not there is missing: one that cannot be read or looked at, or something
// else in its place, gives the same start date and an error that names it, its cause and
// the start date taken.
StartState StartStateFromFile(const std::string& path, const base::Date& today);

}  // namespace storepull
