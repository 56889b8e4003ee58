// Start-up and shut-down: what the game takes and lets go, and in which order.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "graphics/device_setup.h"
#include "graphics/vertex_buffer.h"
#include "platform/recording/recording_platform.h"
#include "shell/frame_tick.h"
#include "shell/shutdown.h"
#include "shell/startup.h"
#include "simulation/game_tick.h"
#include "simulation/race_control.h"
#include "state/game.h"
#include "support/data_set.h"
#include "support/loaded_game.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using ::testing::AllOf;
using ::testing::Contains;
using ::testing::Each;
using ::testing::IsFalse;
using ::testing::IsTrue;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::StartsWith;

using Failed = std::pair<std::string, MessageIcon>;

class Startup : public ::testing::Test {
 protected:
  Startup() { test::WriteDataSet(dir_); }

  // Form_Load's fatal error message and icon, or none.
  Failed Load() {
    try {
      Form_Load(game_);
    } catch (const FatalError& error) {
      return {error.what(), error.icon()};
    }
    return {};
  }

  test::TempDir dir_;
  RecordingPlatform services_;
  Game game_{services_.platform, dir_.path() / "Data"};
};

TEST_F(Startup, InAWindowStepByStepThenOneFrame) {
  ASSERT_EQ(Load(), Failed());
  // Models and images left out: Resources looks at them.
  std::vector<std::string> calls = services_.log.calls;
  const auto buffer = std::find(calls.begin(), calls.end(), "CreateVertexBuffer 14");
  ASSERT_NE(buffer, calls.end());
  calls.erase(std::find_if(calls.begin(), buffer,
                           [](const std::string& call) { return call.starts_with("LoadMesh"); }),
              buffer);
  EXPECT_THAT(calls, ElementsAre("CreateDevice windowed 0x0",  //
                                 "SetRenderState CullMode None", "SetRenderState ZEnable true",
                                 "SetRenderState AlphaBlendEnable true",
                                 "SetLight 0", "LightEnable 0 true", "SetRenderState Lighting true",
                                 "SetRenderState Ambient 0x00FFFFFF",  //
                                 "CreateFont Arial 11 bold", "CreateFont Arial 10 bold",
                                 "CreateVertexBuffer 14",  //
                                 "Sound.Open", "Sound.Load s-ac.res volume",
                                 "Sound.Load s-zel.res frequency", "Sound.Load s-krasn.res frequency",
                                 "Sound.Load s-s1.res frequency", "Sound.Load s-zap1.res frequency",
                                 "Sound.Load s-01.res frequency", "Sound.Load s-dm1.res frequency",
                                 "Sound.Load s-razg.res positional", "Sound.Load s-myz.res volume",
                                 "Sound.Load s-br01.res volume",  //
                                 "Window.Show", "Sound.Listener 0 -2 0 front 0 -2 1 top 0 1 0",
                                 StartsWith("SetTransform View "),
                                 StartsWith("SetTransform Projection "),
                                 StartsWith("SetTransform View "),
                                 StartsWith("SetTransform Projection ")));
  EXPECT_EQ(std::tuple(game_.graphics.ViewWidth, game_.graphics.AspectRatio,
                       game_.shell.Timer1Enabled),
            std::tuple(1024, static_cast<float>(1024.0 / 768.0), true));
  const Light& l = services_.graphics.device->lights[0];
  EXPECT_EQ(std::tie(l.Type, l.Diffuse, l.Direction, l.Position, l.Range, l.Falloff),
            std::tuple(LightType::Directional, ColourValue{0.01f, 0.01f, 0.01f, 0}, vec3(1, -1, 2),
                       vec3(40, 40, 40), 50, 1));
  // The first menu tick has parked the camera at the station.
  EXPECT_EQ(services_.graphics.device->transforms[TransformType::View],
            LookAtLH(vec3(-10, 7, -9), vec3(1, 5, -9), vec3(0, 1, 0)));

  // One frame is one clear, one scene, one present.
  services_.log.Clear();
  Timer1_Timer(game_);
  const std::vector<std::string>& frame = services_.log.calls;
  ASSERT_GE(frame.size(), 4u);
  EXPECT_EQ((std::vector{frame[0], frame[1], frame[frame.size() - 2], frame.back()}),
            (std::vector<std::string>{"Clear Target|ZBuffer 0x0096BEFF 1 0", "BeginScene",
                                      "EndScene", "Present"}));
  EXPECT_EQ(std::count(frame.begin(), frame.end(), "Present"), 1);
  EXPECT_EQ(services_.log.Starting("BeginRenderTarget").size(), 0u);  // no blur asked for
}

TEST_F(Startup, FullScreenMaximisesAndDropsTheBorderBeforeTheDevice) {
  dir_.Write("Data/Config.ini", "2\r\n");
  ASSERT_EQ(Load(), Failed());
  EXPECT_THAT(std::vector(services_.log.calls.begin(), services_.log.calls.begin() + 3),
              ElementsAre("Window.Maximize", "Window.RemoveBorder", "CreateDevice fullscreen 800x600"));
  EXPECT_EQ(game_.graphics.AspectRatio, 800.0f / 600.0f);
}

TEST_F(Startup, FileErrorsAreCriticalAndStopBeforeTheDevice) {
  std::filesystem::remove(dir_.path() / "Data/map.res");
  EXPECT_EQ(Load(), Failed("Файл карты не найден", MessageIcon::Critical));
  dir_.Write("Data/Config.ini", "x\r\n");
  EXPECT_THAT(Load().first, StartsWith("Ошибка в файле"));  // the configuration comes first
  std::filesystem::remove_all(dir_.path() / "Data");
  EXPECT_EQ(Load(), Failed("Не найдена рабочая директория", MessageIcon::Critical));
  dir_.Write("Data", "");  // a file counts as the folder
  EXPECT_EQ(Load().first, "Файл карты не найден");
  EXPECT_THAT(services_.log.calls, IsEmpty());
}

// Neither shows the window; no device starts no timer, no sound output loads no sound.
TEST_F(Startup, NoDeviceOrNoSoundOutputIsAPlainMessage) {
  services_.graphics.refuseDevice = true;
  EXPECT_EQ(Load(), Failed("Невозможно инициализировать Direct3d.", MessageIcon::None));
  EXPECT_FALSE(game_.shell.Timer1Enabled);
  services_.graphics.refuseDevice = false;
  services_.sound.hasOutput = false;
  EXPECT_EQ(Load(), Failed("Невозможно инициализировать звук.", MessageIcon::None));
  EXPECT_THAT(services_.log.Starting("Window.Show"), IsEmpty());
  EXPECT_THAT(services_.log.Starting("Sound.Load"), IsEmpty());
}

using Resources = Startup;

TEST_F(Resources, EveryModelImageAndVertexLoadsInItsSlot) {
  ASSERT_EQ(Load(), Failed());
  const std::vector<std::string> models = services_.log.Starting("LoadMeshFromX ");
  ASSERT_EQ(models.size(), 10u);
  EXPECT_THAT((std::vector{models[0], models[9]}), ElementsAre(HasSubstr("nebo.x"), HasSubstr("spst.X")));
  for (const MeshRecord& record : game_.graphics.Meshes) {
    EXPECT_TRUE(record.Mesh);
    EXPECT_EQ(record.MaterialCount, std::int32_t(record.Materials.size()));
    for (const Material& material : record.Materials) EXPECT_EQ(material.Ambient, material.Diffuse);
  }
  // The craft's texture on every subset; the pad plate has none of its own.
  EXPECT_THAT(game_.graphics.Meshes[3].Textures, Each(IsTrue()));
  EXPECT_THAT(game_.graphics.Meshes[1].Textures, Each(IsFalse()));
  EXPECT_THAT(game_.graphics.ImageTextures, Each(IsTrue()));
  EXPECT_THAT(services_.log.calls, Contains("CreateRenderTarget 800x600"));
  EXPECT_EQ(game_.sim.ObjectSlots[3].Y, -2.57f);
  // The unit quad from vertex six, and the last vertex.
  ASSERT_EQ(services_.graphics.device->vertexBuffers.size(), 1u);
  const std::vector<WorldVertex>& vertices = services_.graphics.device->vertexBuffers[0];
  ASSERT_EQ(vertices.size(), 14u);
  EXPECT_EQ(vertices[kUnitQuadStart], (WorldVertex{-0.5f, 0.5f, 0, 0, 0, -1, 0, 0}));
  EXPECT_EQ(vertices[9], (WorldVertex{0.5f, -0.5f, 0, 0, 0, -1, 1, 1}));
  EXPECT_EQ(vertices[13], (WorldVertex{-2.5f, 0, 140, 0, 1, 0, 1, 28}));
}

TEST_F(Resources, AMissingCraftEndsStartUpAfterThreeModels) {
  std::filesystem::remove(dir_.path() / "Data" / "Fly.X");
  EXPECT_EQ(Load(), Failed("Невозможно инициалтзировать буфер вершин.4", MessageIcon::None));
  EXPECT_THAT(services_.log.Starting("LoadMeshFromX "),
              ElementsAre(HasSubstr("nebo.x"), HasSubstr("plat.X"), HasSubstr("truba.X"),
                          "LoadMeshFromX Fly.X failed"));
}

TEST_F(Resources, AMissingModelTextureLeavesTheModelUntextured) {
  std::filesystem::remove(dir_.path() / "Data" / "t-Woods.res");
  ASSERT_EQ(Load(), Failed());
  EXPECT_THAT(game_.graphics.Meshes[3].Textures, AllOf(Not(IsEmpty()), Each(IsFalse())));
  EXPECT_THAT(game_.graphics.Meshes[4].Textures, Each(IsTrue()));
}

TEST_F(Resources, AMissingImageEndsStartUpNamingIt) {
  std::filesystem::remove(dir_.path() / "Data" / "i-005.res");
  EXPECT_THAT(Load().first, HasSubstr("i-005.res"));
  EXPECT_EQ(services_.log.Starting("CreateTextureFromFile i-").size(), 6u);  // five, then it
}

class Shutdown : public ::testing::Test {
 protected:
  std::vector<std::string>& Log() { return g_.services.log.calls; }

  std::vector<std::string> From(std::string_view prefix) {
    const auto first = std::find_if(Log().begin(), Log().end(),
                                    [&](const std::string& call) { return call.starts_with(prefix); });
    return {first, Log().end()};
  }

  void Ticks(int n) { for (int i = 0; i < n; ++i) GameTick(g_.game); }

  test::LoadedGame g_;
};

// The graphics release's calls, in order.
std::vector<std::string> GraphicsReleases(const Game& game) {
  const GraphicsState& g = game.graphics;
  std::vector<std::string> calls = {"ReleaseVertexBuffer " + std::to_string(g.VertexBuffer.value)};
  for (const TextureId image : g.ImageTextures) calls.push_back("ReleaseTexture " + std::to_string(image.value));
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

TEST_F(Shutdown, ExitEndsAfterExactly20MenuTicksThenClosesTheLinkShowsThePointerAndLetsAllGo) {
  g_.game.sim.IntroActive = false;
  RequestExit(g_.game);
  EXPECT_THAT(Log(), ElementsAre("SetRenderState Ambient 0x00FF2828"));
  g_.services.keyboard.Press(vk::Escape);  // nothing holds it back
  Ticks(19);
  EXPECT_FALSE(g_.game.shell.Unloaded);
  Ticks(1);
  ASSERT_TRUE(g_.game.shell.Unloaded);
  EXPECT_FALSE(g_.game.shell.Timer1Enabled || g_.game.shell.Timer2Enabled);
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
  EXPECT_THAT(g_.services.log.Starting("Sound."),
              AllOf(Contains("Sound.Stop s-s1.res"), Not(Contains("Sound.Stop s-br01.res")),
                    Contains("Sound.Release s-br01.res")));
  EXPECT_TRUE(g_.game.shell.Unloaded);
}

TEST_F(Shutdown, ThePointerIsVisibleHoweverOftenItWasHiddenAndItAllRunsOnce) {
  for (int i = 0; i < 5; ++i) HidePointer(g_.game.platform.window);
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
