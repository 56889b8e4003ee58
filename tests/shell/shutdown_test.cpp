// Shut-down: what the window's unload lets go, and in which order.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "input/cursor.h"
#include "shell/game.h"
#include "shell/shutdown.h"
#include "simulation/game_tick.h"
#include "simulation/race_control.h"
#include "support/loaded_game.h"

namespace quillmoor {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::StartsWith;

class Shutdown : public ::testing::Test {
 protected:
  std::vector<std::string>& Log() { return g_.services.log.calls; }

  // The calls from the first one starting with `prefix`.
  std::vector<std::string> From(std::string_view prefix) {
    const auto first = std::find_if(Log().begin(), Log().end(),
                                    [&](const std::string& call) { return call.starts_with(prefix); });
    return {first, Log().end()};
  }

  void Ticks(int n) {
    for (int i = 0; i < n; ++i) GameTick(g_.game);
  }

  test::LoadedGame g_;
};

// Every call the graphics release makes, in order, for the loaded game.
std::vector<std::string> GraphicsReleases(const Game& game) {
  const GraphicsState& g = game.graphics;
  std::vector<std::string> calls = {"ReleaseVertexBuffer " + std::to_string(g.VertexBuffer.value)};
  for (const TextureId image : g.ImageTextures) {
    calls.push_back("ReleaseTexture " + std::to_string(image.value));
  }
  calls.push_back("ReleaseTexture " + std::to_string(g.BlurRender.texture.value));
  for (int slot = 0; slot <= g.LastMesh; ++slot) {
    for (const TextureId texture : g.Meshes[slot].Textures) {
      if (texture) calls.push_back("ReleaseTexture " + std::to_string(texture.value));
    }
    calls.push_back("ReleaseMesh " + std::to_string(g.Meshes[slot].Mesh.value));
  }
  calls.push_back("Device.Release");
  return calls;
}

TEST_F(Shutdown, ExitStopsTheTimersThenClosesTheLinkShowsThePointerAndLetsAllGo) {
  g_.game.sim.IntroActive = false;
  RequestExit(g_.game);
  Ticks(20);
  ASSERT_TRUE(g_.game.shell.Unloaded);
  EXPECT_FALSE(g_.game.shell.Timer1Enabled);
  EXPECT_FALSE(g_.game.shell.Timer2Enabled);
  const std::vector<std::string> expectedGraphics = GraphicsReleases(g_.game);
  g_.services.log.Clear();

  Form_Unload(g_.game);
  const std::vector<std::string> calls = Log();
  ASSERT_GE(calls.size(), 16u);
  EXPECT_EQ(calls[0], "Socket.Close");
  EXPECT_THAT(calls[1], StartsWith("Window.ShowCursor 1"));
  std::vector<std::string> sounds = From("Sound.");
  ASSERT_GE(sounds.size(), 13u);
  sounds.resize(13);
  EXPECT_THAT(sounds, ElementsAre("Sound.Stop s-myz.res", "Sound.Stop s-s1.res",
                                  "Sound.Release s-ac.res", "Sound.Release s-zel.res",
                                  "Sound.Release s-krasn.res", "Sound.Release s-s1.res",
                                  "Sound.Release s-zap1.res", "Sound.Release s-01.res",
                                  "Sound.Release s-dm1.res", "Sound.Release s-razg.res",
                                  "Sound.Release s-myz.res", "Sound.Release s-br01.res",
                                  "Sound.Close"));
  EXPECT_EQ(From("Release"), expectedGraphics);  // everything after the sound
  EXPECT_FALSE(g_.game.graphics.Device);
}

TEST_F(Shutdown, TheCloseBoxInARaceStopsTheEngineAndReleasesTheMusicWithTheRest) {
  g_.game.sim.IntroActive = false;
  BeginNewRace(g_.game);
  Ticks(200);
  ASSERT_EQ(g_.game.sim.GameState, game_state::Race);
  g_.services.log.Clear();
  Form_Unload(g_.game);
  const std::vector<std::string> sounds = g_.services.log.Starting("Sound.");
  EXPECT_THAT(sounds, testing::Contains("Sound.Stop s-s1.res"));
  EXPECT_THAT(sounds, Not(testing::Contains("Sound.Stop s-br01.res")));
  EXPECT_THAT(sounds, testing::Contains("Sound.Release s-br01.res"));
  EXPECT_TRUE(g_.game.shell.Unloaded);
}

TEST_F(Shutdown, ThePointerIsVisibleHoweverOftenItWasHiddenAndItAllRunsOnce) {
  for (int i = 0; i < 5; ++i) HideMouseCursor(g_.game);
  g_.services.window.cursorCounter -= 3;  // hidden more than the game knows
  Form_Unload(g_.game);
  EXPECT_GE(g_.services.window.cursorCounter, 0);
  g_.services.log.Clear();
  Form_Unload(g_.game);
  Cleanup(g_.game);
  EXPECT_THAT(Log(), IsEmpty());
}

}  // namespace
}  // namespace quillmoor
