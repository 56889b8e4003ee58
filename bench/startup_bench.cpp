// Time from process start to the first presented frame: the game, headless,
// with the generated Data folder, one tick and its frame, then exit. The
// comparison runs the game and a bare SDL + OpenGL program in turns and
// reports both times, their ratio and both peak memories.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "spawn.h"

namespace {

using quillmoor::bench::ChildRun;
using quillmoor::bench::MeasureCleanRun;

const std::vector<std::string> kGame = {QUILLMOOR_BINARY, "--headless", "--ticks", "1"};
const std::vector<std::string> kBare = {QUILLMOOR_BARE_PROGRAM};

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void StartUpToFirstFrame(benchmark::State& state) {
  for (auto _ : state) {
    if (!quillmoor::bench::TimeIteration(state, kGame, "the game did not start and end cleanly")) {
      return;
    }
  }
}

// Each iteration is one pair, the game first in every other pair; the time
// is the game's, the counters the medians over the pairs.
void StartUpAgainstBareProgram(benchmark::State& state) {
  std::vector<double> game, bare, ratio, gameMiB, bareMiB;
  bool gameFirst = true;
  for (auto _ : state) {
    std::optional<ChildRun> gameRun, bareRun;
    if (gameFirst) {
      gameRun = MeasureCleanRun(kGame);
      bareRun = MeasureCleanRun(kBare);
    } else {
      bareRun = MeasureCleanRun(kBare);
      gameRun = MeasureCleanRun(kGame);
    }
    gameFirst = !gameFirst;
    if (!gameRun) {
      state.SkipWithError("the game did not start and end cleanly");
      return;
    }
    if (!bareRun) {
      state.SkipWithError("the bare program did not start and end cleanly");
      return;
    }
    state.SetIterationTime(gameRun->seconds);
    game.push_back(gameRun->seconds * 1000);
    bare.push_back(bareRun->seconds * 1000);
    ratio.push_back(gameRun->seconds / bareRun->seconds);
    gameMiB.push_back(gameRun->peakMiB);
    bareMiB.push_back(bareRun->peakMiB);
  }
  state.counters["game_ms"] = Median(game);
  state.counters["bare_ms"] = Median(bare);
  state.counters["ratio"] = Median(ratio);
  state.counters["game_MiB"] = Median(gameMiB);
  state.counters["bare_MiB"] = Median(bareMiB);
  std::vector<double> extra;
  for (std::size_t i = 0; i < gameMiB.size(); ++i) extra.push_back(gameMiB[i] - bareMiB[i]);
  state.counters["extra_MiB"] = Median(extra);
}

BENCHMARK(StartUpToFirstFrame)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

BENCHMARK(StartUpAgainstBareProgram)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

}  // namespace

BENCHMARK_MAIN();
