// Time from process start to the first presented frame: the game, headless,
// with the generated Data folder, one tick and its frame, then exit.

#include <benchmark/benchmark.h>

#include "spawn.h"

namespace {

void StartUpToFirstFrame(benchmark::State& state) {
  for (auto _ : state) {
    if (!quillmoor::bench::TimeIteration(state, {QUILLMOOR_BINARY, "--headless", "--ticks", "1"},
                                         "the game did not start and end cleanly")) {
      return;
    }
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
