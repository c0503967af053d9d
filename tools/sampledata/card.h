// The card of a race day as the sample data describe it: racecourses, races, runners and,
// for races already run, their results. Every text is Shift-JIS.
#pragma once
#include <string>
#include <vector>

#include "base/dates.h"
#include "tools/sampledata/rng.h"

namespace sampledata {

struct Runner {
  int number = 0;    // horse number 1..n
  int bracket = 0;   // 1..8
  std::string name;  // katakana, without padding
  int sex = 1;       // 1 colt, 2 filly, 3 gelding
  int age = 3;
  int coat = 1;         // coat colour code
  int affiliation = 1;  // 1 美浦, 2 栗東
  std::string jockey;   // 8 bytes
  std::string trainer;  // 8 bytes
  std::string owner;
  int weight_carried = 550;  // tenths of a kilogram
  double strength = 1.0;     // hidden: the win chance is strength over the field's sum
  int finish = 0;            // finishing place, 0 while the race has not been run
  int time = 0;              // finishing time m ss f (1345 is 1:34.5), 0 while not run
};

struct Race {
  base::Date day;
  int course = 5;       // racecourse code 1..10
  int meeting = 1;      // meeting number
  int meeting_day = 1;  // day of the meeting
  int number = 1;       // race number
  std::string name;     // empty for an ordinary race
  int ordinal = 0;      // edition of a named race, 0 for none
  char grade = ' ';     // 'A' G1, 'B' G2, 'C' G3, 'L' listed, ' ' none
  int age_code = 13;    // 11 2歳, 12 3歳, 13 3歳上, 14 4歳上
  char entry_code = 'A';
  char sex_code = '0';  // '2' fillies only
  char designation = '0';
  char weight_code = '4';  // '1' handicap, '2' allowance, '3' age, '4' set weights
  int class_code = 5;      // 5, 10, 16, 701 新馬, 703 未勝利, 999 オープン
  int distance = 1600;
  int track_code = 17;  // 11-22 turf, 23-26 dirt
  int post_hour = 10;
  int post_minute = 0;
  int weather = 1;     // 1 晴 .. 6 小雪
  int turf_going = 1;  // 1 良 .. 4 不良
  int dirt_going = 1;
  std::vector<Runner> runners;
  bool run = false;

  // yyyymmdd + course + meeting + day of the meeting + race number.
  std::string Key() const;
  bool Turf() const { return track_code >= 10 && track_code <= 22; }
  // Post time as minutes after midnight of the race day.
  int PostMinutes() const { return post_hour * 60 + post_minute; }
};

// One racecourse's meeting on a race day.
struct Meeting {
  int course = 5;
  int meeting = 1;
  int day = 1;
};

// Bracket of horse i among n runners: up to 8 runners, the horse number; 9 to 16, brackets
// 1 to 16-n hold one horse and the others two; 17, bracket 8 holds three; 18, brackets 7
// and 8 hold three each.
int BracketOf(int horse, int runners);

// The races of one day: races_per_course races (at most 12) at each meeting, 8 to 18
// runners each, post times from about 10:00 to 16:30, staggered between racecourses.
std::vector<Race> MakeRaces(const base::Date& day, const std::vector<Meeting>& meetings,
                            int races_per_course, Rng& rng);

// Runs the race: finishing places drawn by the horses' strengths, and finishing times.
void RunRace(Race& race, Rng& rng);

}  // namespace sampledata
