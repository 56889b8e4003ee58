#include "shell/frame_motion.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "state/game.h"
#include "support/loaded_game.h"

namespace quillmoor {
namespace {

MotionSample Racing(float distance, float angle, float tunnelZ) {
  MotionSample m;
  m.GameState = game_state::Race;
  m.CameraMode = 2;
  m.RaceTime = distance;
  m.Distance = distance;
  m.CraftAngle = angle;
  m.Camera.EyeZ = distance;
  m.TunnelZ = {0, tunnelZ, 30, 60, 90, 120};
  return m;
}

TEST(BlendMotion, CarriesTheLastTicksMotionOnByTheFraction) {
  const MotionSample previous = Racing(10, 20, 5), last = Racing(12, 30, 3);
  // On the tick itself the last tick as it is.
  EXPECT_EQ(BlendMotion(previous, last, 0).Distance, 12);
  const MotionSample m = BlendMotion(previous, last, 0.25f);
  EXPECT_EQ(std::tuple(m.Distance, m.Camera.EyeZ, m.CraftAngle, m.TunnelZ[1], m.TunnelZ[2]),
            std::tuple(12.5f, 12.5f, 32.5f, 2.5f, 30.0f));
}

TEST(BlendMotion, TurnsTheShortWayAcrossZero) {
  EXPECT_FLOAT_EQ(BlendMotion(Racing(1, 358, 0), Racing(2, 2, 0), 0.5f).CraftAngle, 4);
  EXPECT_FLOAT_EQ(BlendMotion(Racing(1, 2, 0), Racing(2, 358, 0), 0.5f).CraftAngle, 356);
}

TEST(BlendMotion, NothingIsCarriedAcrossAJump) {
  // A tunnel piece put back to the far end: that piece alone stays.
  MotionSample m = BlendMotion(Racing(10, 0, -28), Racing(12, 0, 120), 0.5f);
  EXPECT_EQ(std::tuple(m.TunnelZ[1], m.Distance), std::tuple(120.0f, 13.0f));
  // A new race, a paused one, a switched camera: the last tick as it is.
  for (const auto& change : {+[](MotionSample& s) { s.Distance = 0, s.RaceTime = 0; },
                             +[](MotionSample& s) { s.GameState = game_state::Menu; },
                             +[](MotionSample& s) { s.CameraMode = 3; }}) {
    MotionSample last = Racing(12, 30, 3);
    change(last);
    m = BlendMotion(Racing(10, 20, 5), last, 0.5f);
    EXPECT_EQ(std::tuple(m.Distance, m.CraftAngle), std::tuple(last.Distance, 30.0f));
  }
  // A new pickup or asteroid appears where it appears.
  MotionSample previous = Racing(10, 0, 0), last = Racing(12, 0, 0);
  previous.PickupZ = 5;
  last.PickupActive = last.AsteroidActive = true;
  last.PickupZ = 60;
  last.AsteroidZ = 70;
  m = BlendMotion(previous, last, 0.5f);
  EXPECT_EQ(std::tuple(m.PickupZ, m.AsteroidZ), std::tuple(60.0f, 70.0f));
  // The ghost rides on with the race once it is there; the tick it appears, it is where it is.
  previous.GhostDistance = 10, last.GhostDistance = 14;
  previous.GhostAngle = 350, last.GhostAngle = 10;
  last.GhostPresent = true;
  m = BlendMotion(previous, last, 0.5f);
  EXPECT_EQ(std::tuple(m.GhostDistance, m.GhostAngle), std::tuple(14.0f, 10.0f));
  previous.GhostPresent = true;
  m = BlendMotion(previous, last, 0.5f);
  EXPECT_EQ(std::tuple(m.GhostDistance, m.GhostAngle), std::tuple(16.0f, 20.0f));
}

TEST(MotionOverride, TheGameGetsEveryValueBackBitForBit) {
  test::LoadedGame g;
  Game& game = g.game;
  game.sim.Distance = 1.1f;
  game.sim.TunnelSegZ[3] = 7.3f;
  game.graphics.Camera.AtX = 0.3f;
  const MotionSample before = CaptureMotion(game);
  const Matrix view = game.graphics.ViewMatrix;
  {
    MotionSample shown = before;
    shown.Distance = 99;
    shown.Camera.AtX = 5;
    MotionOverride override(game, shown);
    EXPECT_EQ(std::tuple(game.sim.Distance, game.graphics.Camera.AtX), std::tuple(99.0f, 5.0f));
  }
  const MotionSample after = CaptureMotion(game);
  EXPECT_EQ(std::tuple(after.Distance, after.TunnelZ, after.Camera.AtX),
            std::tuple(before.Distance, before.TunnelZ, before.Camera.AtX));
  EXPECT_EQ(std::memcmp(&game.graphics.ViewMatrix, &view, sizeof view), 0);
}

}  // namespace
}  // namespace quillmoor
