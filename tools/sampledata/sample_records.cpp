#include "tools/sampledata/sample_records.h"

#include <cstdio>

#include "tools/sampledata/names.h"

namespace sampledata {
namespace {

// A record of blanks with fields put at 1-based positions.
class Record {
 public:
  explicit Record(int length) : bytes_(static_cast<std::size_t>(length), ' ') {}
  Record& Put(int p, const std::string& text) {
    bytes_.replace(static_cast<std::size_t>(p - 1), text.size(), text);
    return *this;
  }
  Record& Put(int p, char c) { return Put(p, std::string(1, c)); }
  // The number with leading zeros in `width` digits.
  Record& Digits(int p, long long value, int width) {
    char text[32];
    std::snprintf(text, sizeof text, "%0*lld", width, value);
    return Put(p, text);
  }
  std::string str() && { return std::move(bytes_); }

 private:
  std::string bytes_;
};

Record Header(const char* kind, char data_kind, int length, const Race& race) {
  Record r(length);
  r.Put(1, kind).Put(3, data_kind).Put(12, race.Key());
  return r;
}

}  // namespace

std::string AnnounceText(const base::DateTime& t) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d%02d%02d%02d", t.date.month % 100, t.date.day % 100,
                t.hour % 100, t.minute % 100);
  return text;
}

std::string RaceRecord(const Race& race, char data_kind) {
  Record r = Header("RA", data_kind, kRaceRecordLength, race);
  r.Put(33, PadWide(race.name, 60));
  r.Digits(612, race.ordinal, 3).Put(615, race.grade).Digits(617, race.age_code, 2);
  r.Put(619, race.entry_code).Put(620, race.sex_code).Put(621, race.designation);
  r.Put(622, race.weight_code).Digits(635, race.class_code, 3);
  r.Digits(698, race.distance, 4).Digits(706, race.track_code, 2);
  r.Digits(874, race.post_hour, 2).Digits(876, race.post_minute, 2);
  r.Digits(882, static_cast<long long>(race.runners.size()), 2);
  r.Digits(888, race.weather, 1).Digits(889, race.turf_going, 1).Digits(890, race.dirt_going, 1);
  return std::move(r).str();
}

std::string RunnerRecord(const Race& race, const Runner& h, int popularity, char data_kind) {
  Record r = Header("SE", data_kind, kRunnerRecordLength, race);
  r.Digits(28, h.bracket, 1).Digits(29, h.number, 2).Put(41, PadWide(h.name, 36));
  r.Digits(79, h.sex, 1).Digits(81, h.coat, 2).Digits(83, h.age, 2).Digits(85, h.affiliation, 1);
  r.Put(91, PadWide(h.trainer, 8)).Put(105, PadWide(h.owner, 64));
  r.Digits(289, h.weight_carried, 3).Put(307, PadWide(h.jockey, 8));
  r.Digits(335, h.finish, 2).Digits(360, h.time, 4).Digits(364, popularity, 2);
  r.Digits(366, 0, 8).Digits(374, 0, 8);
  return std::move(r).str();
}

std::string PayoffRecord(const Race& race, const Payoffs& pay, char data_kind) {
  Record r = Header("HR", data_kind, kPayoffRecordLength, race);
  // Each entry: the numbers, the amount in 9 digits, the popularity.
  auto group = [&](const std::vector<PayoffEntry>& entries, int first, int step, int digits,
                   int popularity_width) {
    int s = first;
    for (const PayoffEntry& e : entries) {
      int p = s;
      for (int number : e.numbers) {
        r.Digits(p, number, digits);
        p += digits;
      }
      r.Digits(p, e.amount, 9).Digits(p + 9, e.popularity, popularity_width);
      s += step;
    }
  };
  group(pay.win, 103, 13, 2, 2);
  group(pay.place, 142, 13, 2, 2);
  group(pay.bracket, 207, 13, 1, 2);
  group(pay.quinella, 246, 16, 2, 3);
  group(pay.wide, 294, 16, 2, 3);
  group(pay.exacta, 454, 16, 2, 3);
  group(pay.trio, 550, 18, 2, 3);
  group(pay.trifecta, 604, 19, 2, 4);
  return std::move(r).str();
}

std::string WinPlaceOddsRecord(const Race& race, const Market& m, const base::DateTime& announced,
                               char data_kind) {
  Record r = Header("O1", data_kind, kWinPlaceOddsRecordLength, race);
  int n = static_cast<int>(race.runners.size());
  r.Put(28, AnnounceText(announced)).Digits(36, n, 2);
  std::vector<int> win_pop = Popularity(m.win), place_pop = Popularity(m.place_low);
  for (int h = 1; h <= n; ++h) {
    std::size_t i = static_cast<std::size_t>(h - 1);
    int w = 44 + 8 * (h - 1);
    r.Digits(w, h, 2).Digits(w + 2, m.win[i], 4).Digits(w + 6, win_pop[i], 2);
    int p = 268 + 12 * (h - 1);
    r.Digits(p, h, 2).Digits(p + 2, m.place_low[i], 4).Digits(p + 6, m.place_high[i], 4);
    r.Digits(p + 10, place_pop[i], 2);
  }
  std::vector<int> bracket_pop = Popularity(m.bracket);
  for (int a = 1; a <= 8; ++a) {
    for (int b = a; b <= 8; ++b) {
      int k = BracketPairIndex(a, b);
      int s = 604 + 9 * k;
      r.Digits(s, a, 1).Digits(s + 1, b, 1);
      if (m.bracket[static_cast<std::size_t>(k)] == 0) {
        r.Put(s + 2, "-----");  // not sold: the pair cannot occur
      } else {
        r.Digits(s + 2, m.bracket[static_cast<std::size_t>(k)], 5);
        r.Digits(s + 7, bracket_pop[static_cast<std::size_t>(k)], 2);
      }
    }
  }
  r.Digits(928, m.win_votes, 11).Digits(939, m.place_votes, 11).Digits(950, m.bracket_votes, 11);
  return std::move(r).str();
}

std::string QuinellaOddsRecord(const Race& race, const Market& m, const base::DateTime& announced,
                               char data_kind) {
  Record r = Header("O2", data_kind, kQuinellaOddsRecordLength, race);
  int n = static_cast<int>(race.runners.size());
  r.Put(28, AnnounceText(announced)).Digits(36, n, 2);
  std::vector<int> pop = Popularity(m.quinella);
  for (int i = 1; i <= n; ++i) {
    for (int j = i + 1; j <= n; ++j) {
      int k = HorsePairIndex(i, j);
      int s = 41 + 13 * k;
      r.Digits(s, i, 2)
          .Digits(s + 2, j, 2)
          .Digits(s + 4, m.quinella[static_cast<std::size_t>(k)], 6);
      r.Digits(s + 10, pop[static_cast<std::size_t>(k)], 3);
    }
  }
  r.Digits(2030, m.quinella_votes, 11);
  return std::move(r).str();
}

}  // namespace sampledata
