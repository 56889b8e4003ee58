// How frames keep time, on the recording backends (no drawing cost): the
// spread of the craft's advance from frame to frame at top speed on a
// track without pads, at 60 and 144 frames a second with interpolation on
// and off; and the game's ticks a second of wall time when every frame
// takes 50, 150, 249 or 400 ms.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <variant>

#include "platform/recording/recording_platform.h"
#include "scratch_dir.h"
#include "shell/main_loop.h"
#include "shell/script.h"
#include "shell/startup.h"
#include "shell/trace.h"
#include "state/game.h"
#include "support/frame_measures.h"

namespace quillmoor {
namespace {

constexpr std::int64_t kTopSpeedFrom = 2200;

// The generated Data set on a track without pads.
struct PadlessGame {
  PadlessGame() {
    const std::filesystem::path data = dir.path() / "Data";
    std::filesystem::copy(QUILLMOOR_DATA_DIR, data);
    std::ofstream(data / "map.res", std::ios::trunc) << "0";
    Form_Load(game);
  }
  bench::ScratchDir dir;
  RecordingPlatform services;
  Game game{services.platform, dir.path() / "Data"};
};

void AdvanceSpread(benchmark::State& state) {
  const int fps = int(state.range(0));
  const bool interpolation = state.range(1) != 0;
  double spread = 0;
  for (auto _ : state) {
    PadlessGame g;
    CommandLine options;
    options.ticks = kTopSpeedFrom + 100;
    options.fps = fps;
    options.interpolation = interpolation;
    const std::filesystem::path frames = g.dir.path() / "frames.csv";
    FrameTraceWriter writer(frames);
    RunOutputs outputs;
    outputs.frameTrace = &writer;
    outputs.afterTick = [&] { g.services.log.Clear(); };
    const Script script = std::get<Script>(
        ParseScript("1 click 400 300\n2 move 100 225\n3 click 100 225\n3 down W\n"));
    RunHeadless(g.game, g.services.clock, g.services.keyboard, script.events, options, outputs);
    writer.Close();
    std::ifstream in(frames, std::ios::binary);
    const std::string trace((std::istreambuf_iterator<char>(in)), {});
    spread = test::AdvanceSpread(trace, kTopSpeedFrom);
  }
  state.counters["spread_percent"] = spread * 100;
}
BENCHMARK(AdvanceSpread)
    ->ArgsProduct({{60, 144}, {1, 0}})
    ->ArgNames({"fps", "interpolation"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void TicksPerSecondWithSlowFrames(benchmark::State& state) {
  const double frame = double(state.range(0)) / 1000;
  double rate = 0;
  for (auto _ : state) {
    PadlessGame g;
    // Twenty seconds of frames, then the window closes.
    test::FramesThatTake events(g.services.clock, frame, 20.0);
    RunWindowed(g.game, events, g.services.keyboard, CommandLine{}, {});
    rate = double(g.game.shell.GameTicks) / g.services.clock.Seconds();
  }
  state.counters["ticks_per_second"] = rate;
}
BENCHMARK(TicksPerSecondWithSlowFrames)
    ->Arg(50)->Arg(150)->Arg(249)->Arg(400)
    ->ArgName("frame_ms")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillmoor

BENCHMARK_MAIN();
