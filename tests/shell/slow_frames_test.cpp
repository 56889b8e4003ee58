// The window's loop on a clock that frames hold up: ticks keep to 50 a
// second as long as a frame takes under a quarter of a second.

#include <gtest/gtest.h>

#include "shell/main_loop.h"
#include "state/game.h"
#include "support/frame_measures.h"
#include "support/loaded_game.h"

namespace quillmoor {
namespace {

TEST(SlowFrames, CostNoTicksUpToAQuarterSecondAndALongerStallIsDropped) {
  for (const auto& [frame, lastTickBy] : {std::pair{0.15, 10.15}, {0.249, 10.249}}) {
    SCOPED_TRACE(frame);
    test::LoadedGame g;
    CommandLine options;
    options.ticks = 500;  // ten seconds of game
    test::FramesThatTake events(g.services.clock, frame);
    RunWindowed(g.game, events, g.services.keyboard, options, {});
    EXPECT_EQ(g.game.shell.GameTicks, 500);
    EXPECT_LT(g.services.clock.Seconds(), lastTickBy);
  }
  // Half a second a frame: a quarter second's ticks each, the rest dropped.
  test::LoadedGame g;
  CommandLine options;
  options.ticks = 130;
  test::FramesThatTake events(g.services.clock, 0.5);
  RunWindowed(g.game, events, g.services.keyboard, options, {});
  EXPECT_NEAR(g.services.clock.Seconds(), 5.0, 0.01);
}

TEST(FrameCap, DrawsAtMostMaxFpsFramesASecond) {
  test::LoadedGame g;
  CommandLine options;
  options.ticks = 100;  // two seconds
  options.maxFps = 60;
  test::FramesThatTake events(g.services.clock, 0.001);
  RunWindowed(g.game, events, g.services.keyboard, options, {});
  const std::size_t frames = g.services.log.Starting("Present").size();
  EXPECT_GE(frames, 118u);
  EXPECT_LE(frames, 121u);
}

}  // namespace
}  // namespace quillmoor
