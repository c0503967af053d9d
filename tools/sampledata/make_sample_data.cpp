// make_sample_data: writes a recorded data set for the recorded-data stand-in.
//   make_sample_data [--out FOLDER] [--day yyyymmdd] [--now yyyymmddhhmm] [--seed N]
//                    [--courses 2|3] [--races N] [--stored-days N]
// Defaults: the folder "jvlink_data", today, the current time, seed 1, the seed chooses
// the racecourses, 12 races each, 3 stored days.
#include <cstdio>
#include <exception>
#include <string>

#include "base/dates.h"
#include "base/errors.h"
#include "base/sjis.h"
#include "base/values.h"
#include "tools/sampledata/sample_data.h"

namespace {

constexpr char kUsage[] =
    "usage: make_sample_data [--out FOLDER] [--day yyyymmdd] [--now yyyymmddhhmm] [--seed N]\n"
    "                        [--courses 2|3] [--races N] [--stored-days N]\n";

int Fail(const std::string& message) {
  std::fprintf(stderr, "make_sample_data: %s\n%s", message.c_str(), kUsage);
  return 2;
}

bool ParseNow(const std::string& text, base::DateTime& now) {
  if (text.size() != 12) return false;
  std::optional<base::Date> day = base::ParseDate(text.substr(0, 8));
  std::optional<int32_t> hour = base::ParseInt32(text.substr(8, 2));
  std::optional<int32_t> minute = base::ParseInt32(text.substr(10, 2));
  if (!day || !hour || !minute || *hour > 23 || *minute > 59 ||
      text.find_first_not_of("0123456789") != std::string::npos) {
    return false;
  }
  now = {*day, *hour, *minute, 0};
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  sampledata::SampleOptions options;
  std::string out = "jvlink_data";
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (i + 1 >= argc) return Fail("missing value after " + arg);
    std::string value = argv[++i];
    std::optional<int32_t> number = base::ParseInt32(value);
    if (arg == "--out") {
      out = value;
    } else if (arg == "--day") {
      options.race_day = base::ParseDate(value);
      if (!options.race_day || value.size() != 8)
        return Fail("'" + value + "' is not a day yyyymmdd");
    } else if (arg == "--now") {
      base::DateTime now;
      if (!ParseNow(value, now)) return Fail("'" + value + "' is not a time yyyymmddhhmm");
      options.now = now;
    } else if (arg == "--seed") {
      if (!number || *number < 0) return Fail("'" + value + "' is not a seed (0 or more)");
      options.seed = static_cast<uint64_t>(*number);
    } else if (arg == "--courses") {
      if (!number) return Fail("'" + value + "' is not a number");
      options.courses = *number;
    } else if (arg == "--races") {
      if (!number) return Fail("'" + value + "' is not a number");
      options.races_per_course = *number;
    } else if (arg == "--stored-days") {
      if (!number) return Fail("'" + value + "' is not a number");
      options.stored_days = *number;
    } else {
      return Fail("unknown option " + arg);
    }
  }
  try {
    sampledata::SampleData data = sampledata::MakeSampleData(options);
    sampledata::WriteSampleData(out, data);
    int run = 0;
    for (const sampledata::Race& race : data.races) run += race.run ? 1 : 0;
    std::printf("%s: race day %s, %zu races (%d run), %zu stored races, %zu files\n", out.c_str(),
                base::SlashedDate(data.races.front().day).c_str(), data.races.size(), run,
                data.stored_races.size(), data.files.size());
  } catch (const base::Error& e) {
    return Fail(base::SjisToUtf8(e.what()));  // its text is Shift-JIS; the terminal's is UTF-8
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
  return 0;
}
