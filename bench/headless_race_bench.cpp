// Wall time of a whole race played by the game, headless, on a track without
// pads: start-up, the fly-in, about 6100 ticks of racing, the record saved,
// exit. A frame is drawn every 1000 ticks.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "scratch_dir.h"
#include "spawn.h"

namespace fs = std::filesystem;

namespace {

void WholeHeadlessRace(benchmark::State& state) {
  quillmoor::bench::ScratchDir scratch;
  if (scratch.path().empty()) {
    state.SkipWithError("cannot make a temporary folder");
    return;
  }
  const fs::path data = scratch.path() / "Data";

  for (auto _ : state) {
    // The race writes the records: every run starts from the generated files.
    std::error_code error;
    fs::remove_all(data, error);
    fs::copy(QUILLMOOR_DATA_DIR, data, fs::copy_options::recursive, error);
    // A track without pads, so that full throttle ends the race on a known tick.
    std::ofstream(data / "map.res", std::ios::trunc) << "0";
    if (error) {
      state.SkipWithError("cannot copy the Data folder");
      return;
    }
    if (!quillmoor::bench::TimeIteration(
            state,
            {QUILLMOOR_BINARY, "--headless", "--data", data.string(), "--script",
             QUILLMOOR_RACE_SCRIPT, "--frame-every", "1000", "--ticks", "8000"},
            "the game did not end the race cleanly")) {
      return;
    }
  }
}

BENCHMARK(WholeHeadlessRace)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
