#include "tools/sampledata/card.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

#include "tools/sampledata/names.h"

namespace sampledata {
namespace {

// What each race number of a day usually is.
struct RaceTemplate {
  int age_code;
  int class_code;
  char weight_code;
  bool turf;
  bool named;
};
const RaceTemplate kTemplates[12] = {
    {12, 703, '3', false, false}, {12, 703, '3', true, false}, {12, 703, '3', false, false},
    {12, 701, '3', true, false},  {13, 5, '4', false, false},  {13, 5, '4', true, false},
    {13, 5, '4', false, false},   {13, 10, '4', true, false},  {13, 10, '4', true, true},
    {13, 16, '1', false, true},   {14, 999, '2', true, true},  {13, 10, '4', false, false}};
// Post times of races 1-12 in minutes after midnight, before a racecourse's offset.
const int kPostMinutes[12] = {600, 630, 660, 690, 740, 770, 800, 835, 870, 905, 940, 980};
const std::vector<int> kTurfDistances = {1200, 1400, 1600, 1800, 2000, 2200, 2400};
const std::vector<int> kDirtDistances = {1000, 1200, 1400, 1600, 1700, 1800, 1900, 2100};

bool TurnsLeft(int course) { return course == 4 || course == 5 || course == 7; }

int WeightCarried(const Race& race, const Runner& r, Rng& rng) {
  int allowance = r.sex == 2 ? 20 : 0;
  switch (race.weight_code) {
    case '1':
      return 500 + 10 * rng.Uniform(0, 8);
    case '2':
      return 560 + 10 * rng.Uniform(0, 3) - allowance;
    case '3':
      return 550 - allowance;
    default:
      return (race.age_code <= 12 ? 550 : 570) - allowance;
  }
}

Runner MakeRunner(const Race& race, int number, int runners,
                  const std::vector<std::string>& jockeys, const std::vector<std::string>& trainers,
                  std::set<std::string>& horse_names, Rng& rng) {
  Runner r;
  r.number = number;
  r.bracket = BracketOf(number, runners);
  r.name = HorseName(rng, horse_names);
  if (race.sex_code == '2') {
    r.sex = 2;
  } else {
    double u = rng.Unit();
    r.sex = u < 0.6 ? 1 : (u < 0.9 ? 2 : 3);
  }
  switch (race.age_code) {
    case 11:
      r.age = 2;
      break;
    case 12:
      r.age = 3;
      break;
    case 13:
      r.age = rng.Uniform(3, 6);
      break;
    default:
      r.age = rng.Uniform(4, 7);
  }
  r.coat = rng.Uniform(1, 8);
  r.affiliation = rng.Uniform(1, 2);
  r.jockey = jockeys[static_cast<std::size_t>(number - 1)];
  r.trainer = rng.Pick(trainers);
  r.owner = OwnerName(rng);
  r.weight_carried = WeightCarried(race, r, rng);
  r.strength = std::exp(0.9 * rng.Normal());
  return r;
}

}  // namespace

std::string Race::Key() const {
  char tail[16];
  std::snprintf(tail, sizeof tail, "%02d%02d%02d%02d", course % 100, meeting % 100,
                meeting_day % 100, number % 100);
  return base::Yyyymmdd(day) + tail;
}

int BracketOf(int horse, int runners) {
  if (runners <= 8) return horse;
  // Sizes of brackets 1-8, then the bracket whose range holds the horse.
  int sizes[8];
  for (int b = 0; b < 8; ++b) sizes[b] = 2;
  if (runners <= 16) {
    for (int b = 0; b < 16 - runners; ++b) sizes[b] = 1;
  } else {
    sizes[7] = 3;
    if (runners == 18) sizes[6] = 3;
  }
  int last = 0;
  for (int b = 0; b < 8; ++b) {
    last += sizes[b];
    if (horse <= last) return b + 1;
  }
  return 8;
}

std::vector<Race> MakeRaces(const base::Date& day, const std::vector<Meeting>& meetings,
                            int races_per_course, Rng& rng) {
  std::vector<Race> races;
  std::set<std::string> horse_names;
  std::vector<std::string> trainers;
  for (int i = 0; i < 60; ++i) trainers.push_back(PersonName(rng));
  int count = static_cast<int>(meetings.size());
  for (int m = 0; m < count; ++m) {
    const Meeting& meeting = meetings[static_cast<std::size_t>(m)];
    int offset = static_cast<int>(std::lround((m - (count - 1) / 2.0) * 10));
    std::vector<std::string> jockeys;
    std::set<std::string> seen;
    while (jockeys.size() < 28) {
      std::string name = PersonName(rng);
      if (seen.insert(name).second) jockeys.push_back(name);
    }
    int weather = rng.Chance(0.6) ? 1 : (rng.Chance(0.7) ? 2 : 3);
    int going = weather == 3 ? rng.Uniform(3, 4) : (rng.Chance(0.8) ? 1 : 2);
    for (int n = 1; n <= std::min(races_per_course, 12); ++n) {
      const RaceTemplate& t = kTemplates[n - 1];
      Race race;
      race.day = day;
      race.course = meeting.course;
      race.meeting = meeting.meeting;
      race.meeting_day = meeting.day;
      race.number = n;
      race.age_code = t.age_code;
      race.class_code = t.class_code;
      race.weight_code = t.weight_code;
      race.entry_code = n >= 5 || rng.Chance(0.5) ? 'A' : '0';
      race.designation = n >= 5 && rng.Chance(0.3) ? '1' : '0';
      if ((n == 6 || n == 9) && rng.Chance(0.3)) race.sex_code = '2';
      if (t.named) {
        race.name = RaceName(rng, n == 11);
        if (n == 11) {
          race.ordinal = rng.Uniform(20, 70);
          race.grade = rng.Chance(0.4) ? 'C' : 'L';
          if (race.grade == 'C') race.entry_code = 'N';
        }
      }
      bool left = TurnsLeft(meeting.course);
      race.track_code = t.turf ? (left ? 11 : 17) : (left ? 23 : 24);
      race.distance = rng.Pick(t.turf ? kTurfDistances : kDirtDistances);
      int post = kPostMinutes[n - 1] + offset;
      race.post_hour = post / 60;
      race.post_minute = post % 60;
      race.weather = weather;
      race.turf_going = going;
      race.dirt_going = std::min(4, going + (weather == 3 ? 0 : rng.Uniform(0, 1)));
      // Jockeys ride at one racecourse a day; each race takes distinct ones.
      for (std::size_t j = jockeys.size() - 1; j > 0; --j) {
        std::swap(jockeys[j],
                  jockeys[static_cast<std::size_t>(rng.Uniform(0, static_cast<int>(j)))]);
      }
      int runners = rng.Uniform(8, 18);
      for (int h = 1; h <= runners; ++h) {
        race.runners.push_back(MakeRunner(race, h, runners, jockeys, trainers, horse_names, rng));
      }
      races.push_back(std::move(race));
    }
  }
  return races;
}

void RunRace(Race& race, Rng& rng) {
  std::vector<int> left;
  for (std::size_t i = 0; i < race.runners.size(); ++i) left.push_back(static_cast<int>(i));
  double seconds = race.distance / (race.Turf() ? 16.7 : 16.2) * (1.0 + 0.01 * rng.Normal());
  for (int place = 1; !left.empty(); ++place) {
    double sum = 0;
    for (int i : left) sum += race.runners[static_cast<std::size_t>(i)].strength;
    double u = rng.Unit() * sum;
    std::size_t k = 0;
    for (; k + 1 < left.size(); ++k) {
      u -= race.runners[static_cast<std::size_t>(left[k])].strength;
      if (u < 0) break;
    }
    Runner& r = race.runners[static_cast<std::size_t>(left[k])];
    left.erase(left.begin() + static_cast<long>(k));
    r.finish = place;
    if (place > 1) seconds += 0.1 * rng.Uniform(0, 5);
    int tenths = static_cast<int>(std::lround(seconds * 10));
    r.time = tenths / 600 * 1000 + tenths % 600;
  }
  race.run = true;
}

}  // namespace sampledata
