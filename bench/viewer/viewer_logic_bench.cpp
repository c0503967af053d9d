// The viewer's race choice and racecourse choice on a realistic day: 36 races, 18 runners,
// odds files of 1,000 announcements each.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "bench/viewer/bench_day.h"
#include "viewer/logic/OddsReaders.h"
#include "viewer/logic/RaceChoice.h"
#include "viewer/logic/RaceHeader.h"
#include "viewer/logic/Timing.h"

namespace {

using benchday::Day;
using benchday::JdLines;
using benchday::Key;
using benchday::kFileDate;
using benchday::PairLines;

// Post time 15:40: previous-day sale, two slots the day before, the last at 15:38.
const viewer::SnapshotTimes kTimes = {
    {"0", "09:00", "11:00", "13:00", "14:30", "15:20", "15:38"},
    {"2", "15:00", "17:00", "09:00", "13:00", "15:20", "15:38"},
};

viewer::RaceOddsRecord Race18() {
  viewer::RaceOddsRecord r;
  viewer::InitRaceOddsRecord(r);
  r.SetRaceKey(Key(5, 11));
  r.SetRunnerCount(18);
  return r;
}

void BM_ReadWinPlaceOdds(benchmark::State& state) {
  const viewer::OddsLines jd("JD", JdLines(Key(5, 11)));
  viewer::RaceOddsRecord r = Race18();
  for (auto _ : state) {
    viewer::ReadWinPlaceOdds(r, jd, kTimes, kFileDate);
    benchmark::DoNotOptimize(r);
  }
  if (r.Label(6) != "21539") state.SkipWithError("slot 6 not filled by the last line");
}
BENCHMARK(BM_ReadWinPlaceOdds)->Unit(benchmark::kMillisecond);

void BM_ReadBracketQuinellaOdds(benchmark::State& state) {
  const viewer::OddsLines jw("JW", PairLines(Key(5, 11), 36, 5));
  viewer::RaceOddsRecord r = Race18();
  for (auto _ : state) {
    viewer::ReadBracketQuinellaOdds(r, jw, kTimes, kFileDate);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_ReadBracketQuinellaOdds)->Unit(benchmark::kMillisecond);

void BM_ReadQuinellaOdds(benchmark::State& state) {
  const viewer::OddsLines jr("JR", PairLines(Key(5, 11), 153, 6));
  viewer::RaceOddsRecord r = Race18();
  for (auto _ : state) {
    viewer::ReadQuinellaOdds(r, jr, kTimes, kFileDate);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_ReadQuinellaOdds)->Unit(benchmark::kMillisecond);

// The file work of one race choice: record, runner file, odds-timing file, three odds
// files of 1,000 lines, record stored.
void BM_RaceChoice(benchmark::State& state) {
  Day day;
  viewer::RaceOddsRecord current;
  for (auto _ : state) {
    viewer::LoadChosenRace(day.choice, current);
    benchmark::DoNotOptimize(current);
  }
  if (current.Label(6) != "21539") state.SkipWithError("slot 6 not filled by the last line");
}
BENCHMARK(BM_RaceChoice)->Unit(benchmark::kMillisecond);

// The file work of one racecourse choice on a day of 36 races: the race file read, 36
// records read, their headers filled and written, the race captions. Argument 0: the race
// file is unchanged since the last choice (no record changes); 1: it changed (every record
// gets a new RaceFileAge and is written).
void BM_RacecourseChoice(benchmark::State& state) {
  Day day;
  viewer::RaceOddsRecord current;
  const std::string race_file = day.choice.day_data_folder + "/DG240601.CSV";
  int32_t age = base::FileAgeDos(race_file);
  for (auto _ : state) {
    std::vector<std::string> lines = base::ReadLines(race_file);
    if (state.range(0) == 1) ++age;
    viewer::RefreshRaceHeaders(lines, age, day.choice.day_work_folder, current);
    benchmark::DoNotOptimize(viewer::RaceButtonCaptions(lines, "05"));
  }
}
BENCHMARK(BM_RacecourseChoice)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
