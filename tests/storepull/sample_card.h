// Race, runner and payoff records of a race day for the fetch tests, made by the sample
// data generator, and the day-file bytes they give.
#pragma once
#include <string>
#include <vector>

#include "fetch/records/DayLines.h"
#include "tools/sampledata/card.h"
#include "tools/sampledata/market.h"
#include "tools/sampledata/sample_records.h"

namespace fetchtest {

struct RaceRecords {
  std::string key;
  std::string race;                  // "RA" + race_kind
  std::vector<std::string> runners;  // "SE" + race_kind
  std::string payoff;                // "HR" + payoff_kind
};

// `races` races of one meeting at Tokyo on the day, all run.
inline std::vector<RaceRecords> MakeDayRecords(const base::Date& day, int races,
                                               char race_kind = '7', char payoff_kind = '2',
                                               uint64_t seed = 7) {
  sampledata::Rng rng(seed);
  std::vector<RaceRecords> out;
  for (sampledata::Race& race : sampledata::MakeRaces(day, {{5, 2, 3}}, races, rng)) {
    sampledata::RunRace(race, rng);
    std::vector<double> bias(race.runners.size(), 0.0);
    std::vector<double> belief = sampledata::Belief(race, bias, 0.0);
    sampledata::Market market =
        sampledata::MakeMarket(race, belief, {5000000, 3000000, 1000000, 8000000}, 1.0);
    RaceRecords r;
    r.key = race.Key();
    r.race = sampledata::RaceRecord(race, race_kind);
    std::vector<int> popularity = sampledata::Popularity(market.win);
    for (std::size_t i = 0; i < race.runners.size(); ++i) {
      r.runners.push_back(
          sampledata::RunnerRecord(race, race.runners[i], popularity[i], race_kind));
    }
    r.payoff =
        sampledata::PayoffRecord(race, sampledata::MakePayoffs(race, market, belief), payoff_kind);
    out.push_back(std::move(r));
  }
  return out;
}

// The day-file line of a record as the component delivers it (with CR LF), ended by CR LF.
inline std::string RaceLineBytes(const std::string& record) {
  return records::FormatRaceLine(record + "\r\n").line + "\r\n";
}
inline std::string RunnerLineBytes(const std::string& record) {
  return records::FormatRunnerLine(record + "\r\n").line + "\r\n";
}
inline std::string PayoffLineBytes(const std::string& record) {
  return records::FormatPayoffLine(record + "\r\n").line + "\r\n";
}

// Records joined into the lines of a recorded file.
inline std::string RecordLines(const std::vector<std::string>& records) {
  std::string out;
  for (const std::string& r : records) out += r + "\r\n";
  return out;
}

}  // namespace fetchtest
