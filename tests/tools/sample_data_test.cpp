// The sample data set: odds that hang together, announcements in order and before the
// post, results only for races already run, stored data the stand-in delivers.
#include "tools/sampledata/sample_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "base/csv.h"
#include "base/files.h"
#include "base/values.h"
#include "fetch/jvlink/RecordedJVLink.h"
#include "tests/support/temp_dir.h"
#include "tools/sampledata/market.h"
#include "tools/sampledata/sample_records.h"

namespace sampledata {
namespace {

using base::Chars;
using base::SplitLines;
using base::ValueOf;

SampleOptions Options() {
  SampleOptions o;
  o.race_day = base::Date{2024, 3, 10};
  o.now = base::DateTime{{2024, 3, 10}, 13, 0, 0};
  o.seed = 11;
  return o;
}

const SampleData& Data() {
  static const SampleData data = MakeSampleData(Options());
  return data;
}

std::map<std::string, std::string> FilesByPath(const SampleData& data) {
  std::map<std::string, std::string> files;
  for (const SampleFile& f : data.files) files[f.path] = f.bytes;
  return files;
}

// Records of the files whose path begins with the prefix, in byte order of the paths.
std::vector<std::string> RecordsUnder(const SampleData& data, const std::string& prefix) {
  std::vector<std::string> records;
  for (const auto& [path, bytes] : FilesByPath(data)) {
    if (path.rfind(prefix, 0) != 0) continue;
    for (std::string& line : SplitLines(bytes)) records.push_back(line);
  }
  return records;
}

TEST(SampleData, RaceDayShape) {
  const SampleData& data = Data();
  std::map<int, int> races_per_course;
  for (const Race& race : data.races) {
    ++races_per_course[race.course];
    EXPECT_GE(race.runners.size(), 8u);
    EXPECT_LE(race.runners.size(), 18u);
    EXPECT_GE(race.PostMinutes(), 9 * 60 + 45);
    EXPECT_LE(race.PostMinutes(), 16 * 60 + 35);
  }
  EXPECT_GE(races_per_course.size(), 2u);
  EXPECT_LE(races_per_course.size(), 3u);
  for (const auto& [course, count] : races_per_course) EXPECT_EQ(12, count) << course;
}

TEST(SampleData, AnnouncementsRunFromTheEveningBeforeToThePost) {
  Race race = Data().races.back();
  for (int seed = 1; seed <= 5; ++seed) {
    Rng rng(static_cast<uint64_t>(seed));
    std::vector<base::DateTime> times = AnnouncementTimes(race, rng);
    ASSERT_GE(times.size(), 20u);
    EXPECT_EQ((base::DateTime{{2024, 3, 9}, 18, 0, 0}), times.front());
    EXPECT_EQ((base::DateTime{race.day, race.post_hour, race.post_minute, 0}), times.back());
    for (std::size_t i = 1; i < times.size(); ++i) {
      ASSERT_LT(times[i - 1], times[i]);
      if (times[i].date == race.day && times[i - 1].date == race.day) {
        int gap = (times[i].hour - times[i - 1].hour) * 60 + times[i].minute - times[i - 1].minute;
        int left = race.PostMinutes() - (times[i - 1].hour * 60 + times[i - 1].minute);
        EXPECT_LE(gap, 30);
        if (left <= 10) {
          EXPECT_EQ(1, gap) << "each minute close to the post";
        }
      }
    }
  }
}

// The first odds of the main race (race 11) come on the morning before, at or before 12:00,
// so the viewer shows its previous-day odds times; the other races' come after 12:00 of the
// day before. The main race's day-before odds run past 10:00 and past the close at 17:00,
// the two times at which the viewer takes that day's odds.
TEST(SampleData, TheMainRaceIsSoldFromTheMorningBefore) {
  const SampleData& data = Data();
  int main_races = 0;
  for (const Race& race : data.races) {
    SCOPED_TRACE(race.Key());
    std::vector<std::string> win = RecordsUnder(data, "realtime/0B41/" + race.Key() + "/");
    ASSERT_FALSE(win.empty());
    std::string first(Chars(win.front(), 28, 35));  // mmddhhmm
    EXPECT_EQ("0309", first.substr(0, 4));
    if (race.number != 11) {
      EXPECT_GT(first.substr(4), "1200");
      continue;
    }
    ++main_races;
    EXPECT_LE(first.substr(4), "1200");
    bool after_ten = false, after_close = false;
    for (const std::string& record : win) {
      std::string at(Chars(record, 28, 35));
      if (at.substr(0, 4) != "0309") continue;
      EXPECT_LE(at.substr(4), "1705") << "the day before's sale has closed";
      after_ten = after_ten || (at.substr(4) > "1000" && at.substr(4) <= "1700");
      after_close = after_close || at.substr(4) > "1700";
    }
    EXPECT_TRUE(after_ten);
    EXPECT_TRUE(after_close);
  }
  EXPECT_GE(main_races, 2);
  for (int seed = 1; seed <= 5; ++seed) {
    Race race = data.races[10];
    ASSERT_EQ(11, race.number);
    Rng rng(static_cast<uint64_t>(seed));
    std::vector<base::DateTime> times = AnnouncementTimes(race, rng);
    EXPECT_EQ((base::DateTime{{2024, 3, 9}, 10, 0, 0}), times.front());
    EXPECT_EQ((base::DateTime{race.day, race.post_hour, race.post_minute, 0}), times.back());
    EXPECT_TRUE(std::find(times.begin(), times.end(), base::DateTime{race.day, 7, 30, 0}) !=
                times.end())
        << "race-day sale from 07:30 as for the other races";
  }
}

// The racecourses of a race day are those that usually race in its month, the main
// meetings first when only two race.
TEST(SampleData, RacecoursesFollowTheSeason) {
  const std::vector<std::vector<int>> season = {{6, 8, 7}, {5, 8, 10}, {6, 9, 7}, {6, 9, 3},
                                                {5, 8, 4}, {5, 9, 2},  {3, 7, 2}, {4, 10, 1},
                                                {6, 9, 1}, {5, 8, 4},  {5, 8, 3}, {6, 9, 7}};
  for (int month = 1; month <= 12; ++month) {
    for (int courses : {0, 2, 3}) {
      for (uint64_t seed : {3u, 4u}) {
        SampleOptions o;
        o.race_day = base::Date{2023, month, 12};
        o.now = base::DateTime{{2023, month, 1}, 0, 0, 0};
        o.seed = seed;
        o.courses = courses;
        o.races_per_course = 1;
        o.stored_days = 0;
        SampleData data = MakeSampleData(o);
        std::vector<int> got;
        for (const Race& race : data.races) got.push_back(race.course);
        std::size_t count = courses ? static_cast<std::size_t>(courses) : got.size();
        ASSERT_GE(count, 2u);
        std::vector<int> want(season[month - 1].begin(),
                              season[month - 1].begin() + static_cast<long>(count));
        std::sort(want.begin(), want.end());
        EXPECT_EQ(want, got) << "month " << month << ", courses " << courses << ", seed " << seed;
      }
    }
  }
}

TEST(SampleData, OddsRecordsComeInTimeOrderUpToPostOrNow) {
  const SampleData& data = Data();
  const base::DateTime now = *Options().now;
  for (const Race& race : data.races) {
    SCOPED_TRACE(race.Key());
    std::vector<std::string> win = RecordsUnder(data, "realtime/0B41/" + race.Key() + "/");
    std::vector<std::string> quinella = RecordsUnder(data, "realtime/0B42/" + race.Key() + "/");
    ASSERT_EQ(win.size(), quinella.size());
    ASSERT_FALSE(win.empty());
    std::string post = "0310" + std::string(Chars(RaceRecord(race, '2'), 874, 877));
    std::string limit = std::min(post, std::string("03101300"));
    int64_t last_votes = -1;
    for (std::size_t i = 0; i < win.size(); ++i) {
      EXPECT_EQ(race.Key(), Chars(win[i], 12, 27));
      EXPECT_EQ(Chars(win[i], 28, 35), Chars(quinella[i], 28, 35));
      EXPECT_LE(Chars(win[i], 28, 35), limit);
      if (i > 0) {
        EXPECT_LT(Chars(win[i - 1], 28, 35), Chars(win[i], 28, 35));
      }
      int64_t votes = *ValueOf(win[i], 928, 938);
      EXPECT_GE(votes, last_votes) << "vote totals grow";
      last_votes = votes;
    }
    bool post_passed = base::DateTime{race.day, race.post_hour, race.post_minute, 0} <= now;
    EXPECT_EQ(post_passed, Chars(win.back(), 28, 35) == post);
  }
}

TEST(SampleData, WinOddsFallAsStrengthRises) {
  for (const Race& race : Data().races) {
    Market m = MakeMarket(race, TrueChances(race), {1000, 500, 300, 1200}, 1.0);
    std::vector<std::size_t> by_strength(race.runners.size());
    for (std::size_t i = 0; i < by_strength.size(); ++i) by_strength[i] = i;
    std::sort(by_strength.begin(), by_strength.end(), [&](std::size_t a, std::size_t b) {
      return race.runners[a].strength < race.runners[b].strength;
    });
    double inverse_sum = 0;
    for (std::size_t k = 0; k < by_strength.size(); ++k) {
      std::size_t i = by_strength[k];
      if (k > 0) {
        EXPECT_LE(m.win[i], m.win[by_strength[k - 1]]);
      }
      EXPECT_LE(m.place_low[i], m.place_high[i]);
      EXPECT_LE(m.place_low[i], m.win[i] + 10) << "place pays no more than win";
      inverse_sum += 10.0 / m.win[i];
    }
    // Win odds pay back 80 %: the shares they imply add up to about 1 / 0.8.
    EXPECT_NEAR(1.25, inverse_sum, 0.08) << race.Key();
  }
}

TEST(SampleData, PairOddsAgreeWithTheWinOdds) {
  for (const Race& race : Data().races) {
    SCOPED_TRACE(race.Key());
    int n = static_cast<int>(race.runners.size());
    Market m = MakeMarket(race, TrueChances(race), {1000, 500, 300, 1200}, 1.0);
    // The two favourites make the favourite quinella pair.
    std::vector<int> horses(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) horses[static_cast<std::size_t>(i)] = i + 1;
    std::sort(horses.begin(), horses.end(),
              [&](int a, int b) { return m.win[a - 1] < m.win[b - 1]; });
    int a = std::min(horses[0], horses[1]), b = std::max(horses[0], horses[1]);
    int favourite = m.quinella[static_cast<std::size_t>(HorsePairIndex(a, b))];
    for (int i = 1; i <= 18; ++i) {
      for (int j = i + 1; j <= 18; ++j) {
        int q = m.quinella[static_cast<std::size_t>(HorsePairIndex(i, j))];
        if (j > n) {
          EXPECT_EQ(0, q);
        } else {
          EXPECT_GE(q, favourite);
        }
      }
    }
    // The vote share the viewer derives from the quinella odds follows the win chance.
    std::vector<double> share(static_cast<std::size_t>(n), 0.0);
    for (int i = 1; i <= n; ++i) {
      for (int j = i + 1; j <= n; ++j) {
        double v = 1.0 / m.quinella[static_cast<std::size_t>(HorsePairIndex(i, j))];
        share[static_cast<std::size_t>(i - 1)] += v;
        share[static_cast<std::size_t>(j - 1)] += v;
      }
    }
    // Two horses may share the lowest win odds, so the favourite is any horse holding them.
    int top = static_cast<int>(std::max_element(share.begin(), share.end()) - share.begin());
    EXPECT_EQ(m.win[static_cast<std::size_t>(horses[0] - 1)], m.win[static_cast<std::size_t>(top)])
        << "horse " << top + 1 << " has the largest share but not the lowest win odds";
    // Where the win odds are clearly apart (5 % or more), the shorter-priced horse has the
    // larger share; closer than that, the rounding of the odds to tenths may decide.
    for (std::size_t x = 0; x < share.size(); ++x) {
      for (std::size_t y = 0; y < share.size(); ++y) {
        if (m.win[x] * 105 <= m.win[y] * 100) {
          EXPECT_GT(share[x], share[y]) << "horses " << x + 1 << " and " << y + 1;
        }
      }
    }
    // Bracket pairs: impossible exactly where a bracket holds one horse, or none.
    for (int x = 1; x <= 8; ++x) {
      int in_bracket = 0;
      for (const Runner& r : race.runners) in_bracket += r.bracket == x ? 1 : 0;
      EXPECT_EQ(in_bracket < 2, m.bracket[static_cast<std::size_t>(BracketPairIndex(x, x))] == 0);
    }
  }
}

TEST(SampleData, ResultsOnlyForRacesAlreadyRun) {
  const SampleData& data = Data();
  auto files = FilesByPath(data);
  int run = 0;
  for (const Race& race : data.races) {
    SCOPED_TRACE(race.Key());
    bool over = race.PostMinutes() + kResultDelayMinutes <= 13 * 60;
    EXPECT_EQ(over, race.run);
    run += race.run ? 1 : 0;
    std::vector<std::string> card =
        SplitLines(files.at("realtime/0B15/20240310/" + race.Key() + ".txt"));
    ASSERT_EQ(race.runners.size() + 1 + (race.run ? 1 : 0), card.size());
    EXPECT_EQ(race.run ? "RA7" : "RA2", Chars(card[0], 1, 3));
    EXPECT_EQ(race.Key(), Chars(card[0], 12, 27));
    int winner = 0;
    for (std::size_t i = 1; i <= race.runners.size(); ++i) {
      EXPECT_EQ(race.run ? "SE7" : "SE2", Chars(card[i], 1, 3));
      EXPECT_EQ(static_cast<int>(i), ValueOf(card[i], 29, 30));
      int place = *ValueOf(card[i], 335, 336);
      EXPECT_EQ(race.run, place > 0);
      if (place == 1) winner = static_cast<int>(i);
    }
    if (!race.run) continue;
    const std::string& hr = card.back();
    EXPECT_EQ("HR1", Chars(hr, 1, 3));
    EXPECT_EQ(winner, ValueOf(hr, 103, 104));
    // The win payoff is the last announced win odds of the winner.
    std::vector<std::string> win = RecordsUnder(data, "realtime/0B41/" + race.Key() + "/");
    int odds = *ValueOf(win.back(), 46 + 8 * (winner - 1), 49 + 8 * (winner - 1));
    EXPECT_EQ(odds * 10, ValueOf(hr, 105, 113));
    EXPECT_GE(*ValueOf(hr, 604 + 6, 604 + 14), 100) << "trifecta pays at least 100 yen";
  }
  EXPECT_GT(run, 0);
  EXPECT_LT(run, static_cast<int>(data.races.size()));
}

TEST(SampleData, EveryRecordHasItsLength) {
  std::map<std::string, std::size_t> lengths = {{"RA", kRaceRecordLength},
                                                {"SE", kRunnerRecordLength},
                                                {"HR", kPayoffRecordLength},
                                                {"O1", kWinPlaceOddsRecordLength},
                                                {"O2", kQuinellaOddsRecordLength}};
  std::map<std::string, int> seen;
  for (const SampleFile& f : Data().files) {
    if (f.path.find("files.csv") != std::string::npos) continue;
    for (const std::string& r : SplitLines(f.bytes)) {
      std::string kind(Chars(r, 1, 2));
      ++seen[kind];
      if (lengths.count(kind)) {
        ASSERT_EQ(lengths[kind], r.size()) << f.path;
      }
    }
  }
  for (const auto& [kind, length] : lengths) EXPECT_GT(seen[kind], 0) << kind;
  EXPECT_GT(seen["H1"], 0);
  EXPECT_GT(seen["WE"], 0);
}

TEST(SampleData, StoredDataAsTheStandInDeliversIt) {
  testsupport::TempDir dir;
  WriteSampleData(dir.path(), Data());
  jvlink::RecordedJVLink jv(dir.path());
  ASSERT_EQ(0, jv.JVInit(jvlink::kSoftwareId));
  int read_count = 0, download_count = 0;
  std::string last;
  ASSERT_EQ(0, jv.JVOpen("RACE", "20240101000000", 1, read_count, download_count, last));
  EXPECT_EQ(18, read_count);  // six files for each of three days
  EXPECT_EQ(6, download_count) << "the newest day still has to be downloaded";
  EXPECT_EQ("20240303172500", last);

  std::map<std::string, int> kept;  // data kinds the stored-data reader keeps, by kind
  std::string previous_stamp;
  int days_differing = 0;
  for (;;) {
    std::string record, file;
    int rc = jv.JVRead(record, 110000, file);
    if (rc == 0) break;
    ASSERT_TRUE(rc == -1 || rc > 0) << rc;
    if (rc == -1) {
      EXPECT_LT(previous_stamp, jv.ReadingFileStamp());
      previous_stamp = jv.ReadingFileStamp();
      continue;
    }
    ASSERT_EQ(record.substr(record.size() - 2), "\r\n");
    if (Chars(record, 12, 19) != file.substr(4, 8)) {
      ++days_differing;
      continue;
    }
    ++kept[std::string(Chars(record, 1, 3))];
  }
  EXPECT_EQ(1, days_differing);
  int races = static_cast<int>(Data().stored_races.size());
  EXPECT_EQ(races, kept["RA7"]);
  EXPECT_EQ(races, kept["HR2"]);
  int runners = 0;
  for (const Race& race : Data().stored_races) runners += static_cast<int>(race.runners.size());
  EXPECT_EQ(runners, kept["SE7"]);
}

TEST(SampleData, RealTimeDataOpensForEveryRaceOfTheDay) {
  testsupport::TempDir dir;
  SampleOptions early = Options();
  early.now = base::DateTime{{2024, 3, 9}, 9, 0, 0};  // before any sale
  early.stored_days = 0;
  WriteSampleData(dir.path(), MakeSampleData(early));
  jvlink::RecordedJVLink jv(dir.path());
  ASSERT_EQ(0, jv.JVInit(jvlink::kSoftwareId));
  ASSERT_EQ(0, jv.JVRTOpen("0B15", "20240310"));
  std::string record, file;
  EXPECT_GT(jv.JVRead(record, 110000, file), 0);
  jv.JVClose();
  for (const Race& race : Data().races) {
    ASSERT_EQ(0, jv.JVRTOpen("0B41", race.Key())) << "no odds yet, but the race is known";
    EXPECT_EQ(0, jv.JVRead(record, 500000, file));
    jv.JVClose();
  }
  int read_count = 0, download_count = 0;
  std::string last;
  EXPECT_EQ(-1, jv.JVOpen("RACE", "20240101000000", 1, read_count, download_count, last));
}

TEST(SampleData, WritingAgainReplacesTheOddsOfARace) {
  testsupport::TempDir dir;
  WriteSampleData(dir.path(), Data());
  SampleOptions earlier = Options();
  earlier.now = base::DateTime{{2024, 3, 10}, 9, 0, 0};
  SampleData data = MakeSampleData(earlier);
  WriteSampleData(dir.path(), data);
  std::string folder = dir / ("realtime/0B41/" + data.races.back().Key());
  for (const std::string& name : base::ListEntries(folder)) {
    EXPECT_LE(name, "202403100900.txt") << "no announcement of the later run is left";
  }
}

TEST(SampleData, SameSeedSameDataOtherSeedOtherData) {
  SampleData again = MakeSampleData(Options());
  ASSERT_EQ(Data().files.size(), again.files.size());
  for (std::size_t i = 0; i < again.files.size(); ++i) {
    ASSERT_EQ(Data().files[i].path, again.files[i].path);
    ASSERT_EQ(Data().files[i].bytes, again.files[i].bytes) << again.files[i].path;
  }
  SampleOptions other = Options();
  other.seed = 12;
  SampleData different = MakeSampleData(other);
  EXPECT_NE(FilesByPath(Data()), FilesByPath(different));
}

TEST(SampleData, OptionsOutOfRangeAreRefused) {
  for (auto change : {+[](SampleOptions& o) { o.courses = 4; },
                      +[](SampleOptions& o) { o.races_per_course = 13; },
                      +[](SampleOptions& o) { o.stored_days = -1; }}) {
    SampleOptions o = Options();
    change(o);
    EXPECT_THROW(MakeSampleData(o), std::invalid_argument);
  }
  SampleOptions small = Options();
  small.courses = 2;
  small.races_per_course = 3;
  small.stored_days = 1;
  EXPECT_EQ(6u, MakeSampleData(small).races.size());
}

}  // namespace
}  // namespace sampledata
