#include <gtest/gtest.h>

#include "graphics/device_setup.h"
#include "platform/recording/recording_platform.h"
#include "state/game.h"

namespace quillmoor {
namespace {

class SetupMatricesTest : public ::testing::Test {
 protected:
  SetupMatricesTest() {
    InitD3d(game_, 1);
    game_.graphics.AspectRatio = static_cast<float>(1024.0 / 768.0);
    game_.graphics.Camera = {0, -2.4f, -0.85f, 0, -2.4f, 0};
    game_.sim.ObjectSlots[3].Angle = 90;
  }

  const Matrix& View() { return services_.graphics.device->transforms[TransformType::View]; }
  Matrix PlainView() const {
    return LookAtLH(vec3(0, -2.4f, -0.85f), vec3(0, -2.4f, 0), vec3(0, 1, 0));
  }

  RecordingPlatform services_;
  Game game_{services_.platform, "Data"};
};

TEST_F(SetupMatricesTest, RaceCameraModeTwoRollsWithTheCraft) {
  game_.sim.GameState = game_state::Race;
  game_.sim.CameraMode = 2;
  for (const auto& [angle, roll] : {std::pair{0.0f, 6.283}, std::pair{90.0f, 4.71225}}) {
    game_.sim.ObjectSlots[3].Angle = angle;
    SetupMatrices(game_);
    EXPECT_EQ(game_.graphics.RollAngle, static_cast<float>(roll)) << angle;
    EXPECT_EQ(View(), Multiply(PlainView(), RotationZ(static_cast<float>(roll)))) << angle;
  }
}

TEST_F(SetupMatricesTest, NoRollInTheMenuOrInCameraModeThreeAndTheFovUsesTheGamesPi) {
  game_.graphics.RollAngle = 1.5f;
  for (const auto& [state, mode] : {std::pair{game_state::Menu, 2}, {game_state::Race, 3}}) {
    game_.sim.GameState = state;
    game_.sim.CameraMode = mode;
    SetupMatrices(game_);
    EXPECT_EQ(View(), PlainView()) << mode;
    EXPECT_EQ(game_.graphics.RollAngle, 1.5f);  // keeps its last value
    EXPECT_EQ(services_.graphics.device->transforms[TransformType::Projection],
              PerspectiveFovLH(0.785375f, game_.graphics.AspectRatio, 0.05f, 300.0f));
  }
}

}  // namespace
}  // namespace quillmoor
