// Loading every model and image of the generated Data folder onto a real
// OpenGL device, headless; and generating that folder.

#include <benchmark/benchmark.h>

#include <chrono>

#include "graphics/device_setup.h"
#include "graphics/resources.h"
#include "platform/gl/silent_gl_platform.h"
#include "scratch_dir.h"
#include "spawn.h"
#include "state/game.h"

namespace quillmoor {
namespace {

void LoadResourcesHeadless(benchmark::State& state) {
  SilentGlPlatform headless;
  Game game(headless.platform, QUILLMOOR_DATA_DIR);

  for (auto _ : state) {
    // A fresh device each time: textures are shared per file within one.
    game.graphics.Device.reset();
    if (!InitD3d(game, display_mode::Window)) {
      state.SkipWithError("no OpenGL device");
      return;
    }
    const auto start = std::chrono::steady_clock::now();
    LoadResources(game);
    const auto end = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
  }
}

void GenerateDataFolder(benchmark::State& state) {
  bench::ScratchDir scratch;
  for (auto _ : state) {
    if (!bench::TimeIteration(state, {QUILLMOOR_ASSETS_BINARY, (scratch.path() / "Data").string()},
                              "the generator failed")) {
      return;
    }
  }
}

BENCHMARK(LoadResourcesHeadless)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(GenerateDataFolder)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace quillmoor

BENCHMARK_MAIN();
