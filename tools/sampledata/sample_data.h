// A recorded data set for the recorded-data stand-in: one race day with its real-time
// card ("0B15") and the time-series odds of every race ("0B41", "0B42"), and stored
// "RACE" data of a few earlier days. Used by make_sample_data and by the end-to-end tests.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/dates.h"
#include "tools/sampledata/card.h"

namespace sampledata {

struct SampleOptions {
  std::optional<base::Date> race_day;  // none: today
  std::optional<base::DateTime> now;   // none: the current time
  uint64_t seed = 1;
  int courses = 0;            // racecourses of the race day, 2 or 3; 0: the seed chooses
  int races_per_course = 12;  // 1 to 12
  int stored_days = 3;        // earlier days in the stored data, a week apart (0 to 8)
};

// A file of the data set, its path relative to the data folder.
struct SampleFile {
  std::string path;
  std::string bytes;
};

struct SampleData {
  std::vector<Race> races;         // the race day; those already run carry their results
  std::vector<Race> stored_races;  // the earlier days, oldest first, all run
  std::vector<SampleFile> files;
  // Folders (relative) that the data set owns whole: emptied and made before writing, so
  // a race folder holds only this set's announcements even when it holds none yet.
  std::vector<std::string> folders;
};

// Minutes after the post time after which a race counts as run (its results are known).
inline constexpr int kResultDelayMinutes = 10;

// The times of a race's odds announcements, ascending and at whole minutes: on the day
// before every 10-30 minutes, from 18:00 until 21:00 for most races, and for the main race
// (race 11), sold from the morning before, from 10:00 until the sale closes at 17:00, with
// a last one at 17:05; then on the race day from 07:30, more often the nearer the post
// (every 10-30 minutes, 5, 2-3, then each minute), the last one at the post time. Not cut
// at "now".
std::vector<base::DateTime> AnnouncementTimes(const Race& race, Rng& rng);

// The whole data set in memory. Throws std::invalid_argument for options out of range.
SampleData MakeSampleData(const SampleOptions& options);

// Writes the data set into the folder (made when missing); files of the same names are
// replaced, the owned folders emptied first; nothing else in the folder is touched.
void WriteSampleData(const std::string& folder, const SampleData& data);

}  // namespace sampledata
