// What a frame is made of on each screen.

#include "frame/draw_frame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/loaded_game.h"

namespace quillmoor {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class DrawFrameTest : public ::testing::Test {
 protected:
  std::vector<std::string> Calls(std::string_view prefix) {
    g_.services.log.Clear();
    DrawFrame(g_.game);
    return g_.services.log.Starting(std::string(prefix));
  }

  test::LoadedGame g_;
};

TEST_F(DrawFrameTest, EveryFrameBlendsBySourceAlphaAndFiltersAnisotropically) {
  g_.services.log.Clear();
  DrawFrame(g_.game);
  const std::vector<std::string>& calls = g_.services.log.calls;
  ASSERT_GE(calls.size(), 6u);
  EXPECT_THAT(std::vector(calls.begin(), calls.begin() + 6),
              ElementsAre("SetRenderState 19 5", "SetRenderState 20 6",
                          "SetTextureStageState 0 18 2", "SetTextureStageState 0 16 2",
                          "SetTextureStageState 0 17 3", "SetTextureStageState 0 21 4"));
}

TEST_F(DrawFrameTest, TheRaceShowsNoMenuTextAndTheIntroHidesTheMenu) {
  g_.game.sim.GameState = game_state::Race;
  g_.game.sim.IntroActive = false;
  EXPECT_THAT(Calls("DrawText 2 \"v"), IsEmpty());  // no version text in a race

  g_.game.sim.GameState = game_state::Menu;
  g_.game.sim.IntroActive = true;
  g_.game.shell.OverlayOn = 1;
  const std::vector<std::string> intro = Calls("DrawSprite ");
  for (const std::string& call : intro) {
    const std::string overlay =
        "DrawSprite " + std::to_string(g_.game.graphics.ImageTextures[9].value) + ' ';
    EXPECT_FALSE(call.starts_with(overlay)) << "the overlay over the intro";
  }
}

}  // namespace
}  // namespace quillmoor
