// Where each drawn object is put for a frame.

#include "simulation/update_scene.h"

#include <gtest/gtest.h>

#include "platform/recording/recording_platform.h"
#include "state/game.h"

namespace quillmoor {
namespace {

class UpdateSceneTest : public ::testing::Test {
 protected:
  UpdateSceneTest() { game_.sim.ObjectSlots[3].Y = static_cast<float>(-2.57); }
  SimulationState& sim() { return game_.sim; }
  Vector3 Origin(int slot) { return TransformCoord(vec3(0, 0, 0), sim().ObjectSlots[slot].World); }

  RecordingPlatform services_;
  Game game_{services_.platform, "Data"};
};

TEST_F(UpdateSceneTest, TheCraftIsScaledDownAndLoweredToTheWall) {
  UpdateScene(game_);
  EXPECT_EQ(sim().ObjectSlots[3].World,
            Multiply(Scaling(0.015f, 0.015f, 0.015f), Translation(0, -2.57f, 0)));

  sim().ObjectSlots[3].Angle = 90;  // the right-hand wall seen from behind
  UpdateScene(game_);
  EXPECT_NEAR(Origin(3).x, 2.57, 1e-3);
  EXPECT_NEAR(Origin(3).y, 0, 1e-3);
  EXPECT_EQ(TransformCoord(vec3(1, 0, 0), sim().ObjectSlots[3].World).z, 0.0f);
}

TEST_F(UpdateSceneTest, TheGlowHasAFixedSizeAtRestAndFlickersOtherwise) {
  sim().Flicker = 0.04f;
  UpdateScene(game_);
  EXPECT_EQ(sim().ObjectSlots[0].World,
            Multiply(Scaling(0.9f, 0.5f, 1), Translation(0, -2.57f, static_cast<float>(-0.27))));
  sim().Speed = 1;
  sim().ThrottleState = 1;
  UpdateScene(game_);
  EXPECT_EQ(sim().ObjectSlots[0].World.m[0][0], static_cast<float>(1.1 - double(0.04f)));
  EXPECT_EQ(sim().ObjectSlots[0].World.m[1][1], static_cast<float>(0.8 - double(0.04f)));
}

TEST_F(UpdateSceneTest, TunnelPiecesStandStillInTheMenuAndScrollInTheRace) {
  sim().TunnelSegZ = {0, 12, 42, 72, 102, -18};
  UpdateScene(game_);
  for (int j = 1; j <= 5; ++j) EXPECT_EQ(sim().TunnelSlots[j].World, Translation(0, 0, 30.0f * (j - 1)));
  sim().GameState = game_state::Race;
  UpdateScene(game_);
  for (int j = 1; j <= 5; ++j) EXPECT_EQ(sim().TunnelSlots[j].World, Translation(0, 0, sim().TunnelSegZ[j]));
  EXPECT_EQ(sim().TunnelSlots[0].World, Translation(0, 0, 40));
}

TEST_F(UpdateSceneTest, ThingsStandWhereTheyBelong) {
  sim().AsteroidX = 3;
  sim().AsteroidZ = 50;
  sim().PickupAngleNorm = 270;
  sim().PickupZ = 20;
  UpdateScene(game_);
  EXPECT_NEAR(Origin(5).x, 3, 1e-6);  // the asteroid
  EXPECT_NEAR(Origin(5).y, 4, 1e-6);
  EXPECT_NEAR(Origin(5).z, 50, 1e-6);
  EXPECT_NEAR(Origin(6).x, 10, 1e-6);  // the flyer at its start
  EXPECT_NEAR(Origin(8).x, -2.6, 1e-3);  // at 270 degrees: the left-hand wall
  EXPECT_NEAR(Origin(8).z, 20, 1e-6);
  EXPECT_NEAR(Origin(9).y, 5.8, 1e-5);  // the station
  EXPECT_NEAR(Origin(2).x, 0.135, 1e-6);  // the right light
  EXPECT_NEAR(Origin(4).x, -0.135, 1e-6);  // the left light
  EXPECT_NEAR(Origin(4).z, -0.187, 1e-6);
}

}  // namespace
}  // namespace quillmoor
