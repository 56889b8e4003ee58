// The window's loop on a clock that frames hold up: ticks keep to 50 a
// second as long as a frame takes under a quarter of a second.

#include <gtest/gtest.h>

#include "shell/main_loop.h"
#include "state/game.h"
#include "support/frame_measures.h"
#include "support/loaded_game.h"

namespace quillmoor {
namespace {

// The window's loop for so many ticks, on frames that take so many seconds.
void RunFor(test::LoadedGame& g, std::int64_t ticks, double frameSeconds,
            std::optional<int> maxFps = {}) {
  CommandLine options;
  options.ticks = ticks;
  options.maxFps = maxFps;
  test::FramesThatTake events(g.services.clock, frameSeconds);
  RunWindowed(g.game, events, g.services.keyboard, options, {});
}

TEST(SlowFrames, CostNoTicksUpToAQuarterSecondAndALongerStallIsDropped) {
  for (const auto& [frame, lastTickBy] : {std::pair{0.15, 10.15}, {0.249, 10.249}}) {
    SCOPED_TRACE(frame);
    test::LoadedGame g;
    RunFor(g, 500, frame);  // ten seconds of game
    EXPECT_EQ(g.game.shell.GameTicks, 500);
    EXPECT_LT(g.services.clock.Seconds(), lastTickBy);
  }
  // Half a second a frame: a quarter second's ticks each, the rest dropped.
  test::LoadedGame g;
  RunFor(g, 130, 0.5);
  EXPECT_NEAR(g.services.clock.Seconds(), 5.0, 0.01);
}

TEST(FrameCap, DrawsAtMostMaxFpsFramesASecond) {
  test::LoadedGame g;
  RunFor(g, 100, 0.001, 60);  // two seconds
  const std::size_t frames = g.services.log.Starting("Present").size();
  EXPECT_GE(frames, 118u);
  EXPECT_LE(frames, 121u);
}

}  // namespace
}  // namespace quillmoor
