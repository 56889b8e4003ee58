// The blur texture on a real OpenGL device: the frame's scene copied into it
// gives the same blurred frames, pixel for pixel, as the scene drawn into it
// once more.

#include <gtest/gtest.h>

#include <vector>

#include "frame/motion_blur.h"
#include "platform/gl/silent_gl_platform.h"
#include "shell/frame_tick.h"
#include "shell/startup.h"
#include "simulation/game_tick.h"
#include "simulation/race_control.h"
#include "simulation/update_scene.h"
#include "state/game.h"
#include "support/data_set.h"
#include "support/driver_leaks.h"
#include "support/skip_outside_ci.h"

namespace quillmoor {
namespace {

enum class Way { Copied, Redrawn };

// Blurred race frames at full speed, the texture made the one way or the
// other; the pictures of all but the first, which has no texture yet.
std::vector<Image> BlurredFrames(Way way) {
  SilentGlPlatform gl;
  Game game(gl.platform, test::GeneratedData());
  Form_Load(game);
  if (!game.graphics.Device) return {};
  GraphicsDevice& device = *game.graphics.Device;
  // Takes the kept picture, so the texture pass has to draw the scene.
  const RenderTarget elsewhere = device.CreateRenderTarget(800, 600);

  game.sim.IntroActive = false;
  game.shell.MotionBlur = true;
  BeginNewRace(game);
  for (int tick = 0; tick < 140; ++tick) GameTick(game);
  game.sim.Speed = 2;
  game.sim.Distance = 3300;

  std::vector<Image> pictures;
  for (int frame = 0; frame < 4; ++frame) {
    GameTick(game);
    UpdateScene(game);
    Render(game);
    if (frame > 0) pictures.push_back(device.ReadBackBuffer());
    if (way == Way::Redrawn) {
      EXPECT_TRUE(device.CopyKeptPicture(elsewhere.target));
    }
    RenderToTexSub(game);
  }
  return pictures;
}

TEST(GlBlurCopy, CopiedSceneGivesTheFramesOfTheRedrawnOne) {
  test::PauseLeakChecks();
  const std::vector<Image> redrawn = BlurredFrames(Way::Redrawn);
  const std::vector<Image> copied = BlurredFrames(Way::Copied);
  test::ResumeLeakChecks();
  if (redrawn.empty()) QUILLMOOR_SKIP_OUTSIDE_CI("no OpenGL device here");
  ASSERT_EQ(copied.size(), redrawn.size());
  for (std::size_t frame = 0; frame < copied.size(); ++frame) {
    ASSERT_EQ(copied[frame].width, redrawn[frame].width);
    ASSERT_EQ(copied[frame].height, redrawn[frame].height);
    EXPECT_TRUE(copied[frame].rgba == redrawn[frame].rgba) << "frame " << frame + 1;
  }
  // The frames move: the blur has something to show.
  EXPECT_FALSE(copied.front().rgba == copied.back().rgba);
}

}  // namespace
}  // namespace quillmoor
