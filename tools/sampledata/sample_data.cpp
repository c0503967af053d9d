#include "tools/sampledata/sample_data.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "base/errors.h"
#include "base/file_names.h"
#include "base/files.h"
#include "tools/sampledata/market.h"
#include "tools/sampledata/sample_records.h"

namespace sampledata {
namespace {

constexpr int kPreviousDayStart = -6 * 60;  // 18:00 of the evening before
constexpr int kPreviousDayEnd = -3 * 60;    // 21:00
// The main race (race 11) is sold from the morning before: from 10:00 until the sale
// closes at 17:00, with a last announcement of that day's odds at 17:05.
constexpr int kMainRace = 11;
constexpr int kEarlySaleStart = -14 * 60;    // 10:00 of the day before
constexpr int kEarlySaleClose = -7 * 60;     // 17:00
constexpr int kEarlySaleLast = -7 * 60 + 5;  // 17:05
constexpr int kRaceDayStart = 7 * 60 + 30;   // 07:30

// First and last minute of a race's announcements on the day before.
int PreviousDayStart(const Race& race) {
  return race.number == kMainRace ? kEarlySaleStart : kPreviousDayStart;
}
int PreviousDayEnd(const Race& race) {
  return race.number == kMainRace ? kEarlySaleLast : kPreviousDayEnd;
}

// A random source of its own for each race, so that one race's numbers do not depend on
// how many numbers the others used.
Rng RaceRng(uint64_t seed, const std::string& key, uint64_t salt) {
  uint64_t h = 1469598103934665603ull;
  for (char c : key) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return Rng(seed * 0x9E3779B97F4A7C15ull ^ h ^ (salt << 56));
}

base::DateTime AtMinute(const base::Date& day, int minutes) {
  int days = minutes >= 0 ? minutes / 1440 : -((-minutes + 1439) / 1440);
  int rest = minutes - days * 1440;
  return {base::AddDays(day, days), rest / 60, rest % 60, 0};
}

int MinuteOf(const base::Date& day, const base::DateTime& t) {
  int days = 0;
  if (t.date < day) {
    for (base::Date d = t.date; d < day; d = base::AddDays(d, 1)) --days;
  } else {
    for (base::Date d = day; d < t.date; d = base::AddDays(d, 1)) ++days;
  }
  return days * 1440 + t.hour * 60 + t.minute;
}

// Share of the final vote totals sold by the announcement at minute m.
double ShareSold(const Race& race, int m) {
  if (m < 0) {
    double start = PreviousDayStart(race), end = PreviousDayEnd(race);
    return 0.002 + 0.018 * (m - start) / (end - start);
  }
  double x = static_cast<double>(m - kRaceDayStart) / (race.PostMinutes() - kRaceDayStart);
  return 0.02 + 0.98 * std::pow(std::clamp(x, 0.0, 1.0), 3);
}

// How far the public's view is from the true chances, minutes before the post.
double Blur(int minutes_to_post) { return 0.1 + 0.5 * std::min(1.0, minutes_to_post / 900.0); }

FinalVotes MakeFinalVotes(const Race& race, Rng& rng) {
  double base = rng.Uniform(120000, 400000) * (race.number >= 9 ? 1.5 : 1.0) *
                (race.number == 11 ? 3.0 : 1.0);
  return {static_cast<int64_t>(base), static_cast<int64_t>(base * 0.45),
          static_cast<int64_t>(base * 0.3), static_cast<int64_t>(base * 1.2)};
}

std::string Lines(const std::vector<std::string>& records) {
  std::string bytes;
  for (const std::string& r : records) bytes += r + "\r\n";
  return bytes;
}

std::string StampName(const base::DateTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%s%02d%02d.txt", base::Yyyymmdd(t.date).c_str(), t.hour,
                t.minute);
  return text;
}

// Finishing places and payoffs of a race, and the final market they agree with.
struct Outcome {
  Market final_market;
  std::vector<double> final_belief;
};

// The win popularity of every runner in the final market (0 for all before the race).
std::vector<int> FinalPopularity(const Race& race, const Market& final_market) {
  if (!race.run) return std::vector<int>(race.runners.size(), 0);
  return Popularity(final_market.win);
}

std::vector<std::string> CardRecords(const Race& race, const Outcome& o, char race_kind,
                                     char payoff_kind) {
  std::vector<std::string> records = {RaceRecord(race, race_kind)};
  std::vector<int> popularity = FinalPopularity(race, o.final_market);
  for (std::size_t i = 0; i < race.runners.size(); ++i) {
    records.push_back(RunnerRecord(race, race.runners[i], popularity[i], race_kind));
  }
  if (race.run) {
    records.push_back(
        PayoffRecord(race, MakePayoffs(race, o.final_market, o.final_belief), payoff_kind));
  }
  return records;
}

// A record of a kind the fetch programs pass over: blanks with the kind and the race key.
std::string OtherRecord(const char* kind, char data_kind, const Race& race, int length) {
  std::string r(static_cast<std::size_t>(length), ' ');
  r.replace(0, 2, kind);
  r[2] = data_kind;
  r.replace(11, 16, race.Key());
  return r;
}

// The racecourses that usually hold meetings in each month, the main meetings first:
// 札幌 01, 函館 02, 福島 03, 新潟 04, 東京 05, 中山 06, 中京 07, 京都 08, 阪神 09, 小倉 10.
const int kCoursesInSeason[12][3] = {{6, 8, 7}, {5, 8, 10}, {6, 9, 7}, {6, 9, 3},
                                     {5, 8, 4}, {5, 9, 2},  {3, 7, 2}, {4, 10, 1},
                                     {6, 9, 1}, {5, 8, 4},  {5, 8, 3}, {6, 9, 7}};

// The meetings of a race day: the first `courses` racecourses of the month's list, in the
// order of their codes.
std::vector<Meeting> ChooseMeetings(int month, int courses, Rng& rng) {
  const int* season = kCoursesInSeason[month - 1];
  std::vector<int> codes(season, season + courses);
  std::sort(codes.begin(), codes.end());
  std::vector<Meeting> meetings;
  for (int c : codes) meetings.push_back({c, rng.Uniform(1, 5), rng.Uniform(7, 8)});
  return meetings;
}

void AddStoredDay(const std::vector<Race>& races, bool download, int index,
                  std::vector<std::string>& list, SampleData& data, uint64_t seed) {
  const base::Date day = races.front().day;
  std::string date = base::Yyyymmdd(day);
  std::vector<std::string> ra, se, hr, h1, o1, we;
  for (const Race& race : races) {
    Rng rng = RaceRng(seed, race.Key(), 3);
    std::vector<double> bias;
    for (std::size_t i = 0; i < race.runners.size(); ++i) bias.push_back(rng.Normal());
    Outcome o;
    o.final_belief = Belief(race, bias, Blur(0));
    o.final_market = MakeMarket(race, o.final_belief, MakeFinalVotes(race, rng), 1.0);
    std::vector<std::string> card = CardRecords(race, o, '7', '2');
    ra.push_back(card.front());
    se.insert(se.end(), card.begin() + 1, card.end() - 1);
    hr.push_back(card.back());
    h1.push_back(OtherRecord("H1", '2', race, 320));
    o1.push_back(WinPlaceOddsRecord(race, o.final_market, AtMinute(day, race.PostMinutes()), '4'));
    if (race.number == 1) we.push_back(OtherRecord("WE", '1', race, 42));
  }
  if (index == 0) {
    // A record of the following day at the end of the race file: the reader leaves the
    // file there, and nothing of this day is lost.
    Race next = races.front();
    next.day = base::AddDays(day, 1);
    ra.push_back(RaceRecord(next, '2'));
  }
  struct Part {
    const char* prefix;
    const std::vector<std::string>* records;
  } parts[] = {{"RADT", &ra}, {"H1DT", &h1}, {"SEDT", &se},
               {"O1DT", &o1}, {"HRDT", &hr}, {"WEDT", &we}};
  int minute = 17 * 60;
  for (const Part& part : parts) {
    std::string name = std::string(part.prefix) + date + ".txt";
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "%02d%02d00", minute / 60, minute % 60);
    minute += 5;
    list.push_back(name + "," + date + stamp + (download ? ",download" : ""));
    data.files.push_back({"stored/RACE/" + name, Lines(*part.records)});
  }
}

}  // namespace

std::vector<base::DateTime> AnnouncementTimes(const Race& race, Rng& rng) {
  std::vector<base::DateTime> times;
  if (race.number == kMainRace) {
    for (int m = kEarlySaleStart; m < kEarlySaleClose; m += rng.Uniform(10, 30)) {
      times.push_back(AtMinute(race.day, m));
    }
    times.push_back(AtMinute(race.day, kEarlySaleLast));
  } else {
    for (int m = kPreviousDayStart; m <= kPreviousDayEnd; m += rng.Uniform(10, 30)) {
      times.push_back(AtMinute(race.day, m));
    }
  }
  int post = race.PostMinutes();
  for (int m = kRaceDayStart; m < post;) {
    times.push_back(AtMinute(race.day, m));
    int left = post - m;
    m += left > 120 ? rng.Uniform(10, 30) : left > 30 ? 5 : left > 10 ? rng.Uniform(2, 3) : 1;
  }
  times.push_back(AtMinute(race.day, post));
  return times;
}

SampleData MakeSampleData(const SampleOptions& options) {
  if (options.courses != 0 && (options.courses < 2 || options.courses > 3)) {
    throw std::invalid_argument("the number of racecourses must be 2 or 3");
  }
  if (options.races_per_course < 1 || options.races_per_course > 12) {
    throw std::invalid_argument("the races per racecourse must be 1 to 12");
  }
  if (options.stored_days < 0 || options.stored_days > 8) {
    throw std::invalid_argument("the stored days must be 0 to 8");
  }
  const base::Date day = options.race_day ? *options.race_day : base::Today();
  const base::DateTime now = options.now ? *options.now : base::Now();
  Rng rng(options.seed);
  int courses = options.courses ? options.courses : rng.Uniform(2, 3);
  std::vector<Meeting> meetings = ChooseMeetings(day.month, courses, rng);

  SampleData data;
  data.races = MakeRaces(day, meetings, options.races_per_course, rng);
  const std::string date = base::Yyyymmdd(day);
  for (Race& race : data.races) {
    Rng race_rng = RaceRng(options.seed, race.Key(), 1);
    std::vector<base::DateTime> times = AnnouncementTimes(race, race_rng);
    FinalVotes votes = MakeFinalVotes(race, race_rng);
    std::vector<double> bias;
    for (std::size_t i = 0; i < race.runners.size(); ++i) bias.push_back(race_rng.Normal());

    Outcome o;
    std::string win_folder = "realtime/0B41/" + race.Key();
    std::string quinella_folder = "realtime/0B42/" + race.Key();
    data.folders.push_back(win_folder);
    data.folders.push_back(quinella_folder);
    for (const base::DateTime& t : times) {
      for (double& b : bias) b += 0.05 * race_rng.Normal();
      int m = MinuteOf(day, t);
      o.final_belief = Belief(race, bias, Blur(race.PostMinutes() - m));
      o.final_market = MakeMarket(race, o.final_belief, votes, ShareSold(race, m));
      if (t > now) continue;
      data.files.push_back({win_folder + "/" + StampName(t),
                            WinPlaceOddsRecord(race, o.final_market, t, '1') + "\r\n"});
      data.files.push_back({quinella_folder + "/" + StampName(t),
                            QuinellaOddsRecord(race, o.final_market, t, '1') + "\r\n"});
    }
    Rng result_rng = RaceRng(options.seed, race.Key(), 2);
    if (AtMinute(day, race.PostMinutes() + kResultDelayMinutes) <= now) RunRace(race, result_rng);
    data.files.push_back({"realtime/0B15/" + date + "/" + race.Key() + ".txt",
                          Lines(CardRecords(race, o, race.run ? '7' : '2', '1'))});
  }

  std::vector<std::string> list;
  for (int i = options.stored_days; i >= 1; --i) {
    std::vector<Meeting> earlier = meetings;
    for (Meeting& m : earlier) m.day = std::max(1, m.day - 2 * i);
    Rng day_rng = RaceRng(options.seed, base::Yyyymmdd(base::AddDays(day, -7 * i)), 4);
    std::vector<Race> races =
        MakeRaces(base::AddDays(day, -7 * i), earlier, options.races_per_course, day_rng);
    for (Race& race : races) {
      Rng result_rng = RaceRng(options.seed, race.Key(), 2);
      RunRace(race, result_rng);
    }
    AddStoredDay(races, i == 1, i - 1, list, data, options.seed);
    data.stored_races.insert(data.stored_races.end(), races.begin(), races.end());
  }
  if (options.stored_days > 0) {
    std::string csv;
    for (const std::string& line : list) csv += line + "\r\n";
    data.files.push_back({"stored/RACE/files.csv", csv});
  }
  return data;
}

void WriteSampleData(const std::string& folder, const SampleData& data) {
  namespace fs = std::filesystem;
  for (const std::string& owned : data.folders) {
    std::error_code ec;
    fs::remove_all(folder + "/" + owned, ec);
    if (!base::MakeDirs(folder + "/" + owned)) {
      throw base::FileError("Cannot create folder \"" + base::PathText(folder + "/" + owned) +
                            "\"");
    }
  }
  for (const SampleFile& file : data.files) {
    std::string path = folder + "/" + file.path;
    std::string parent = fs::path(path).parent_path().string();
    if (!base::MakeDirs(parent))
      throw base::FileError("Cannot create folder \"" + base::PathText(parent) + "\"");
    base::WriteFileAtomic(path, file.bytes);
  }
}

}  // namespace sampledata
