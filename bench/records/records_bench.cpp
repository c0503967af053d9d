// Records per second of each line formatter on full-length records, and the heap
// allocations each record costs (the line itself should be the only one).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <new>

#include "fetch/pricepull/OddsLines.h"
#include "fetch/records/DayLines.h"
#include "tests/pricepull/sample_odds_records.h"
#include "tests/records/sample_records.h"

namespace {
long long g_allocations = 0;
}  // namespace

// A counting global operator new; its delete frees what its malloc gave (g++ cannot see
// that the two belong together once they are inlined).
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

template <records::LineResult (*Format)(std::string_view)>
void RunFormatter(benchmark::State& state, const std::string& record) {
  if (!Format(record).ok()) {
    state.SkipWithError("the sample record gives no line");
    return;
  }
  const long long before = g_allocations;
  for (auto _ : state) {
    records::LineResult result = Format(record);
    benchmark::DoNotOptimize(result);
  }
  const long long allocations = g_allocations - before;
  state.SetItemsProcessed(state.iterations());
  state.counters["allocs_per_record"] =
      static_cast<double>(allocations) / static_cast<double>(state.iterations());
}

void BM_FormatRaceLine(benchmark::State& state) {
  RunFormatter<records::FormatRaceLine>(state, samples::RaceRecord().str());
}
void BM_FormatRunnerLine(benchmark::State& state) {
  RunFormatter<records::FormatRunnerLine>(state, samples::RunnerRecord().str());
}
void BM_FormatPayoffLine(benchmark::State& state) {
  RunFormatter<records::FormatPayoffLine>(state, samples::PayoffRecord().str());
}
void BM_FormatWinPlaceOddsLine(benchmark::State& state) {
  RunFormatter<pricepull::FormatWinPlaceOddsLine>(state, samples::WinPlaceRecord(18).str());
}
void BM_FormatBracketOddsLine(benchmark::State& state) {
  RunFormatter<pricepull::FormatBracketOddsLine>(state, samples::WinPlaceRecord(18).str());
}
void BM_FormatQuinellaOddsLine(benchmark::State& state) {
  RunFormatter<pricepull::FormatQuinellaOddsLine>(state, samples::QuinellaRecord(18).str());
}

BENCHMARK(BM_FormatRaceLine);
BENCHMARK(BM_FormatRunnerLine);
BENCHMARK(BM_FormatPayoffLine);
BENCHMARK(BM_FormatWinPlaceOddsLine);
BENCHMARK(BM_FormatBracketOddsLine);
BENCHMARK(BM_FormatQuinellaOddsLine);

}  // namespace
