// The main of GUI benchmark programs: the application object first, then the benchmarks.
#include <benchmark/benchmark.h>

#include "ui/application.h"

int main(int argc, char** argv) {
  ui::Application application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
