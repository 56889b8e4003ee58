// Frames between ticks, on the recording backends: the motion they show
// advances evenly, and the simulation never sees it.

#include <gtest/gtest.h>

#include "shell/main_loop.h"
#include "shell/script.h"
#include "shell/trace.h"
#include "support/frame_measures.h"
#include "support/loaded_game.h"

namespace quillmoor {
namespace {

// Full throttle from the start; top speed from about tick 2150.
constexpr std::string_view kFullThrottle =
    "1 click 400 300\n2 move 100 225\n3 click 100 225\n3 down W\n";
constexpr std::int64_t kTopSpeedFrom = 2200, kTicks = 2300;

struct RaceOutput {
  std::string trace, frames;
};

RaceOutput Race(int fps, bool interpolation) {
  test::LoadedGame g;
  CommandLine options;
  options.ticks = kTicks;
  options.fps = fps;
  options.interpolation = interpolation;
  const std::filesystem::path trace = g.dir.path() / "trace.csv", frames = g.dir.path() / "frames.csv";
  TraceWriter traceWriter(trace);
  FrameTraceWriter frameWriter(frames);
  const Script script = std::get<Script>(ParseScript(kFullThrottle));
  RunHeadless(g.game, g.services.clock, g.services.keyboard, script.events, options,
              {&traceWriter, &frameWriter, nullptr, [&] { g.services.log.Clear(); }});
  traceWriter.Close();
  frameWriter.Close();
  return {test::ReadAll(trace), test::ReadAll(frames)};
}

TEST(InterpolatedFrames, AdvanceEvenlyAt60And144AndLeaveTheSimulationAlone) {
  for (int fps : {60, 144}) {
    SCOPED_TRACE(fps);
    const RaceOutput smooth = Race(fps, true), stepped = Race(fps, false);
    EXPECT_EQ(smooth.trace, stepped.trace);
    EXPECT_LT(test::AdvanceSpread(smooth.frames, kTopSpeedFrom), 0.02);
    EXPECT_GT(test::AdvanceSpread(stepped.frames, kTopSpeedFrom), 0.2);
  }
}

}  // namespace
}  // namespace quillmoor
