// The blur texture from the frame's own scene: in the race the frame sets
// its scene aside before the layers over it and the texture pass copies it;
// in the menu, whose scene holds more than the race's, the pass draws.

#include <gmock/gmock.h>

#include <algorithm>
#include <string>
#include <vector>

#include "shell/frame_tick.h"
#include "simulation/update_scene.h"
#include "support/loaded_game.h"

namespace quillmoor {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class BlurSceneCopy : public ::testing::Test {
 protected:
  void SetUp() override {
    g_.game.sim.IntroActive = false;
    g_.game.shell.MotionBlur = true;
  }
  // One frame: its calls.
  std::vector<std::string> Frame() {
    g_.services.log.Clear();
    Timer1_Timer(g_.game);
    return g_.services.log.calls;
  }
  static std::ptrdiff_t At(const std::vector<std::string>& calls, const std::string& call) {
    return std::find(calls.begin(), calls.end(), call) - calls.begin();
  }
  std::string Target() const { return std::to_string(g_.game.graphics.BlurRender.target.value); }

  test::LoadedGame g_;
};

TEST_F(BlurSceneCopy, TheRaceKeepsItsSceneBeforeTheBlurLayersAndCopiesItAfterThePresent) {
  g_.game.sim.GameState = game_state::Race;
  g_.game.sim.Speed = 1;
  const std::vector<std::string> calls = Frame();
  const auto keep = At(calls, "KeepPicture");
  const auto present = At(calls, "Present");
  ASSERT_LT(keep, present);
  // The last scene draw comes before it; the first sprite, a blur layer, after.
  const auto lastDraw = std::find_if(calls.rbegin(), calls.rend(), [](const std::string& call) {
    return call.starts_with("DrawSubset") || call.starts_with("DrawTriangleStrip");
  });
  EXPECT_LT(calls.rend() - lastDraw - 1, keep);
  EXPECT_TRUE(calls[std::size_t(keep) + 1].starts_with("DrawSprite "));
  EXPECT_THAT(std::vector(calls.begin() + present + 1, calls.end()),
              ElementsAre("CopyKeptPicture " + Target()));
}

TEST_F(BlurSceneCopy, TheMenuDrawsItsTextureOnceMoreAndKeepsNothing) {
  g_.game.sim.GameState = game_state::Menu;
  const std::vector<std::string> calls = Frame();
  EXPECT_EQ(At(calls, "KeepPicture"), std::ptrdiff_t(calls.size()));
  EXPECT_LT(At(calls, "BeginRenderTarget " + Target()), std::ptrdiff_t(calls.size()));
  EXPECT_THAT(g_.services.log.Starting("CopyKeptPicture"), IsEmpty());

  g_.game.shell.MotionBlur = false;  // nor does a race without the blur keep its scene
  g_.game.sim.GameState = game_state::Race;
  Frame();
  EXPECT_THAT(g_.services.log.Starting("KeepPicture"), IsEmpty());
}

}  // namespace
}  // namespace quillmoor
