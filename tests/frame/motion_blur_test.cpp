// The speed blur: the scene into a texture, then four copies over the frame.

#include "frame/motion_blur.h"

#include <array>
#include <string>
#include <vector>

#include <gmock/gmock.h>

#include "frame/scene.h"
#include "simulation/update_scene.h"
#include "support/loaded_game.h"

namespace quillmoor {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::SizeIs;

class BlurTest : public ::testing::Test {
 protected:
  std::vector<std::string> Sprites(float speed) {
    g_.game.sim.Speed = speed;
    g_.services.log.Clear();
    SpeedBlur(g_.game);
    return g_.services.log.calls;
  }
  std::string Texture() { return std::to_string(g_.game.graphics.BlurRender.texture.value); }

  test::LoadedGame g_;
};

TEST_F(BlurTest, MarginsGrowWithSpeedRoundedHalfToEvenUpToSixteenBitSizes) {
  const std::pair<float, std::array<int, 4>> cases[] = {
      {0, {0, 0, 0, 0}}, {0.1f, {1, 2, 3, 4}}, {1, {6, 12, 18, 24}}, {2, {11, 22, 33, 44}}};
  const char* alphas[] = {"0xA0FFFFFF", "0x78FFFFFF", "0x50FFFFFF", "0x28FFFFFF"};
  for (const auto& [speed, margins] : cases) {
    const std::vector<std::string> sprites = Sprites(speed);
    ASSERT_THAT(sprites, SizeIs(4)) << speed;
    for (int n = 0; n < 4; ++n) {
      const std::string k = std::to_string(margins[n]);
      const std::string at = margins[n] == 0 ? "0,0" : "-" + k + ",-" + k;
      EXPECT_THAT(sprites[n], HasSubstr(" at " + at + ' ' + alphas[n])) << speed;
      EXPECT_THAT(sprites[n], testing::StartsWith("DrawSprite " + Texture() + " rect 0,0,800,600"));
    }
  }
  // Each layer is the frame grown by its margin about the centre: 11 more
  // pixels on every side at speed 2 make 822 by 622.
  EXPECT_THAT(Sprites(0)[0], HasSubstr(" scale 1,1 centre 400,300 rotation 0 at 0,0 "));
  EXPECT_THAT(Sprites(2)[0], HasSubstr(" scale 1.02750003,1.03666663 centre 411,311 "));
  // Layers whose size would overflow sixteen bits are left out.
  EXPECT_THAT(Sprites(2000), SizeIs(1));  // margins 11000, then 22000
  EXPECT_THAT(Sprites(1e30f), IsEmpty());
}

TEST_F(BlurTest, TheTexturePassDrawsTheRaceSceneIntoTheBlurTarget) {
  Game& game = g_.game;
  game.sim.GameState = game_state::Race;
  game.sim.IntroActive = false;
  game.sim.VisibleCount = 0;
  game.sim.PickupActive = game.sim.AsteroidActive = true;
  UpdateScene(game);
  g_.services.log.Clear();
  DrawScene(game);
  const std::vector<std::string> scene = g_.services.log.calls;

  g_.services.log.Clear();
  RenderToTexSub(game);
  const std::vector<std::string>& pass = g_.services.log.calls;
  ASSERT_GT(pass.size(), 9u);
  char clear[64];
  std::snprintf(clear, sizeof clear, "Clear Target|ZBuffer 0x%08X 1 0", game.graphics.ClearColor);
  EXPECT_THAT(
      std::vector(pass.begin(), pass.begin() + 8),
      ElementsAre("BeginRenderTarget " + std::to_string(game.graphics.BlurRender.target.value),
                  clear, "SetRenderState SrcBlend SrcAlpha",
                  "SetRenderState DestBlend InvSrcAlpha", "SetTextureStageState 0 MipFilter Linear",
                  "SetTextureStageState 0 MagFilter Linear",
                  "SetTextureStageState 0 MinFilter Anisotropic",
                  "SetTextureStageState 0 MaxAnisotropy 4"));
  EXPECT_EQ(pass.back(), "EndRenderTarget");
  EXPECT_THAT(std::vector(pass.begin() + 8, pass.end() - 1), ElementsAreArray(scene));
}

}  // namespace
}  // namespace quillmoor
