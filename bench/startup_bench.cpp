// Time from process start to the first presented frame: the game, headless,
// with the generated Data folder, one tick and its frame, then exit.

#include <benchmark/benchmark.h>

#include "spawn.h"

namespace {

void StartUpToFirstFrame(benchmark::State& state) {
  for (auto _ : state) {
    const auto seconds =
        quillmoor::bench::TimeCleanRun({QUILLMOOR_BINARY, "--headless", "--ticks", "1"});
    if (!seconds) {
      state.SkipWithError("the game did not start and end cleanly");
      return;
    }
    state.SetIterationTime(*seconds);
  }
}

BENCHMARK(StartUpToFirstFrame)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
