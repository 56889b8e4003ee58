// The cameras, the menu's motions and the colour cycle.

#include <gtest/gtest.h>

#include "simulation/camera_motion.h"
#include "state/game.h"
#include "support/loaded_game.h"

namespace quillmoor {
namespace {

TEST(PolarOffsetTest, RightAnglesAreExact) {
  const Polar up = PolarOffset(2, 90, 1, 1), ahead = PolarOffset(2, 0, 1, 1);
  EXPECT_EQ(std::pair(up.p1, up.p2), std::pair(1.0, -1.0));
  EXPECT_EQ(std::pair(ahead.p1, ahead.p2), std::pair(3.0, 1.0));
  EXPECT_EQ(PolarOffset(2, 180, 0, 0).p1, -2.0);
  EXPECT_EQ(PolarOffset(2, 270, 0, 0).p2, 2.0);
}

TEST(CameraTest, TheChaseCameraSitsOnTheCraftsRay) {
  test::LoadedGame g;
  g.game.sim.CraftAngle = 80;
  PlaceChaseCamera(g.game);
  const CameraPoints& c = g.game.graphics.Camera;
  EXPECT_NEAR(c.EyeX, 2.363, 0.001);
  EXPECT_NEAR(c.EyeY, -0.417, 0.001);
  // Looking straight down the tube.
  EXPECT_EQ(std::tuple(c.AtX, c.AtY, c.AtZ, c.EyeZ), std::tuple(c.EyeX, c.EyeY, 0.0f, -0.85f));
  EXPECT_EQ(g.game.sim.ChaseAngle, 80.0f);
}

TEST(CameraTest, TheFlyInTakes137TicksFromTheMenuPose) {
  test::LoadedGame g;
  PlaceMenuCamera(g.game);
  const CameraPoints& c = g.game.graphics.Camera;
  // The first tick each point reaches its place.
  int eyeX = 0, eyeY = 0, atY = 0, atZ = 0, arrived = 0;
  for (int tick = 1; tick <= 200 && !arrived; ++tick) {
    if (FlyInStep(g.game)) arrived = tick;
    if (!eyeX && c.EyeX == 0) eyeX = tick;
    if (!eyeY && c.EyeY == -2.4f) eyeY = tick;
    if (!atY && c.AtY == -2.4f) atY = tick;
    if (!atZ && c.AtZ == 1) atZ = tick;
  }
  EXPECT_EQ((std::vector<int>{arrived, eyeX, eyeY, atY, atZ}),
            (std::vector<int>{137, 100, 95, 38, 51}));
  EXPECT_EQ(c.EyeZ, static_cast<float>(-0.8));
  EXPECT_FALSE(g.game.sim.MenuViewParked);
}

TEST(MenuMotionTest, TheFlyerCrossesIn1157TicksAndThePulseTurnsEvery200) {
  SimulationState s;
  int ticks = 0;
  for (; ticks == 0 || s.FlyerPos.X != 10; ++ticks) MenuFlyerStep(s);
  EXPECT_EQ(std::pair(ticks, s.FlyerPos.Z), std::pair(1157, -14.0f));

  float highest = 0;
  int turns = 0;
  bool falling = false;
  for (int tick = 0; tick < 400; ++tick) {
    MenuPulseStep(s);
    highest = std::max(highest, s.MenuPulse);
    EXPECT_GE(s.MenuPulse, 0.0f);
    turns += s.MenuPulseFalling != falling;
    falling = s.MenuPulseFalling;
  }
  EXPECT_LE(highest, 0.3f);
  EXPECT_EQ(turns, 4);
}

TEST(ColourCycleTest, PhasesLast2000Then4000Then6000TicksAndEachStepsOnAtOnce) {
  SimulationState s;
  StartColourCycle(s, 1);
  std::vector<int> lengths(7);
  for (int tick = 0; tick < 18000; ++tick) {
    CycleColour(s);
    ++lengths[s.TintPhase];
  }
  // Single-precision steps of 0.0001 drift a few ticks from the round numbers.
  for (int phase = 1; phase <= 4; ++phase) EXPECT_NEAR(lengths[phase], 2000, 10) << phase;
  EXPECT_NEAR(lengths[5], 4000, 20);
  EXPECT_NEAR(lengths[6], 6000, 30);

  // A phase change takes the next phase's step at once.
  StartColourCycle(s, 5);  // green comes back while red falls
  for (int tick = 0; tick < 1000; ++tick) CycleColour(s);
  EXPECT_NEAR(s.CycleGreen, 0.9f, 1e-3);
  EXPECT_NEAR(s.CycleRed, 0.9f, 1e-3);
  for (int tick = 0; tick < 1010; ++tick) CycleColour(s);
  EXPECT_EQ(std::pair(s.CycleGreen, int(s.TintPhase)), std::pair(1.0f, 5));
  while (s.TintPhase == 5) CycleColour(s);
  EXPECT_EQ(s.TintPhase, 6);
  EXPECT_EQ(s.CycleRed, 0.6f + s.CycleStep);  // phase 6 stepped in the same call

  StartColourCycle(s, 3);
  s.CycleBlue = 0.4001f;
  CycleColour(s);  // blue reaches 0.4: phase 4 starts and green falls
  EXPECT_EQ(std::tuple(s.TintPhase, s.CycleBlue, s.CycleGreen), std::tuple(4, 0.4f, 1.0f - 0.0001f));
}

}  // namespace
}  // namespace quillmoor
