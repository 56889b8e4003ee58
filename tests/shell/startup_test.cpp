#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "graphics/device_setup.h"
#include "graphics/vertex_buffer.h"
#include "shell/frame_tick.h"
#include "shell/game.h"
#include "shell/startup.h"
#include "support/data_set.h"
#include "platform/recording/recording_platform.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;

class Startup : public ::testing::Test {
 protected:
  Startup() { test::WriteDataSet(dir_); }

  // Form_Load; the message of the fatal error it ends with, or "".
  std::string Load() {
    try {
      Form_Load(game_);
    } catch (const FatalError& error) {
      icon_ = error.icon();
      return error.what();
    }
    return "";
  }

  test::TempDir dir_;
  RecordingPlatform services_;
  Game game_{services_.platform, dir_.path() / "Data"};
  MessageIcon icon_ = MessageIcon::None;
};

TEST_F(Startup, InAWindowStepByStep) {
  ASSERT_EQ(Load(), "");
  // Device and lights, then models and images (their own tests look at
  // them), the vertex buffer, the sounds, the window, the listener, one
  // menu tick and the matrices.
  std::vector<std::string> calls = services_.log.calls;
  const auto buffer = std::find(calls.begin(), calls.end(), "CreateVertexBuffer 14");
  ASSERT_NE(buffer, calls.end());
  calls.erase(std::find_if(calls.begin(), buffer,
                           [](const std::string& call) { return call.starts_with("LoadMesh"); }),
              buffer);
  EXPECT_THAT(calls, ElementsAre("CreateDevice windowed 0x0",  //
                                 "SetRenderState 22 1", "SetRenderState 7 1", "SetRenderState 27 1",
                                 "SetLight 0", "LightEnable 0 1", "SetRenderState 137 1",
                                 "SetRenderState 139 0x00FFFFFF",  //
                                 "CreateFont Arial 11 bold", "CreateFont Arial 10 bold",
                                 "CreateVertexBuffer 14",  //
                                 "Sound.Open", "Sound.Load s-ac.res volume",
                                 "Sound.Load s-zel.res frequency", "Sound.Load s-krasn.res frequency",
                                 "Sound.Load s-s1.res frequency", "Sound.Load s-zap1.res frequency",
                                 "Sound.Load s-01.res frequency", "Sound.Load s-dm1.res frequency",
                                 "Sound.Load s-razg.res positional", "Sound.Load s-myz.res volume",
                                 "Sound.Load s-br01.res volume",  //
                                 "Window.Show", "Sound.Listener 0 -2 0 front 0 -2 1 top 0 1 0",
                                 StartsWith("SetTransform 2 "), StartsWith("SetTransform 3 "),
                                 StartsWith("SetTransform 2 "), StartsWith("SetTransform 3 ")));
  EXPECT_EQ(game_.graphics.ViewWidth, 1024);
  EXPECT_EQ(game_.graphics.AspectRatio, static_cast<float>(1024.0 / 768.0));
  EXPECT_EQ(game_.graphics.ClearColor, 0x0096BEFFu);
  EXPECT_TRUE(game_.shell.Timer1Enabled);
}

TEST_F(Startup, FullScreenMaximisesAndDropsTheBorderBeforeTheDevice) {
  dir_.Write("Data/Config.ini", "2\r\n");
  ASSERT_EQ(Load(), "");
  EXPECT_THAT(std::vector(services_.log.calls.begin(), services_.log.calls.begin() + 3),
              ElementsAre("Window.Maximize", "Window.RemoveBorder", "CreateDevice fullscreen 800x600"));
  EXPECT_EQ(game_.graphics.AspectRatio, 800.0f / 600.0f);
}

TEST_F(Startup, TheLightAndTheCamera) {
  ASSERT_EQ(Load(), "");
  const Light& light = services_.graphics.device->lights[0];
  EXPECT_EQ(light.Type, LightType::Directional);
  EXPECT_EQ(light.Diffuse, (ColourValue{0.01f, 0.01f, 0.01f, 0}));
  EXPECT_EQ(light.Direction, vec3(1, -1, 2));
  EXPECT_EQ(light.Position, vec3(40, 40, 40));
  EXPECT_EQ(light.Range, 50);
  EXPECT_EQ(light.Falloff, 1);
  // The first menu tick has parked the camera at the station.
  EXPECT_EQ(services_.graphics.device->transforms[TransformType::View],
            LookAtLH(vec3(-10, 7, -9), vec3(1, 5, -9), vec3(0, 1, 0)));
}

TEST_F(Startup, NoDataFolderStopsBeforeAnythingElse) {
  std::filesystem::remove_all(dir_.path() / "Data");
  EXPECT_EQ(Load(), "Не найдена рабочая директория");
  EXPECT_EQ(icon_, MessageIcon::Critical);
  EXPECT_THAT(services_.log.calls, IsEmpty());
}

TEST_F(Startup, ADataFileCountsAsTheFolder) {
  std::filesystem::remove_all(dir_.path() / "Data");
  dir_.Write("Data", "");
  EXPECT_EQ(Load(), "Файл карты не найден");
}

TEST_F(Startup, NoMapStopsBeforeTheDevice) {
  std::filesystem::remove(dir_.path() / "Data/map.res");
  EXPECT_EQ(Load(), "Файл карты не найден");
  EXPECT_EQ(icon_, MessageIcon::Critical);
  EXPECT_THAT(services_.log.calls, IsEmpty());
}

TEST_F(Startup, TheConfigurationIsReadBeforeTheMap) {
  std::filesystem::remove(dir_.path() / "Data/map.res");
  dir_.Write("Data/Config.ini", "x\r\n");
  EXPECT_THAT(Load(), StartsWith("Ошибка в файле"));
}

TEST_F(Startup, NoDeviceIsAPlainMessage) {
  services_.graphics.refuseDevice = true;
  EXPECT_EQ(Load(), "Невозможно инициализировать Direct3d.");
  EXPECT_EQ(icon_, MessageIcon::None);
  EXPECT_THAT(services_.log.Starting("Window.Show"), IsEmpty());
  EXPECT_FALSE(game_.shell.Timer1Enabled);
}

TEST_F(Startup, NoSoundOutputIsAPlainMessageBeforeTheWindow) {
  services_.sound.hasOutput = false;
  EXPECT_EQ(Load(), "Невозможно инициализировать звук.");
  EXPECT_EQ(icon_, MessageIcon::None);
  EXPECT_THAT(services_.log.Starting("Window.Show"), IsEmpty());
  EXPECT_THAT(services_.log.Starting("Sound.Load"), IsEmpty());
}

TEST_F(Startup, OneFrameIsOneClearOneSceneOnePresent) {
  ASSERT_EQ(Load(), "");
  services_.log.Clear();
  Timer1_Timer(game_);
  const std::vector<std::string>& calls = services_.log.calls;
  ASSERT_GE(calls.size(), 4u);
  EXPECT_EQ(calls[0], "Clear 3 0x0096BEFF 1 0");
  EXPECT_EQ(calls[1], "BeginScene");
  EXPECT_EQ(calls[calls.size() - 2], "EndScene");
  EXPECT_EQ(calls.back(), "Present");
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "Present"), 1);
  EXPECT_EQ(services_.log.Starting("BeginRenderTarget").size(), 0u);  // no blur asked for
}

// Models, images and the vertex buffer at start-up.
class Resources : public Startup {
 protected:
  void Remove(std::string_view file) { std::filesystem::remove(dir_.path() / "Data" / file); }
  RecordingDevice& device() { return *services_.graphics.device; }
};

TEST_F(Resources, EveryModelAndImageLoadsInItsSlot) {
  ASSERT_EQ(Load(), "");
  const std::vector<std::string> models = services_.log.Starting("LoadMeshFromX ");
  ASSERT_EQ(models.size(), 10u);
  EXPECT_THAT(models[0], HasSubstr("nebo.x"));
  EXPECT_THAT(models[9], HasSubstr("spst.X"));
  for (const MeshRecord& record : game_.graphics.Meshes) {
    EXPECT_TRUE(record.Mesh);
    EXPECT_EQ(record.MaterialCount, std::int32_t(record.Materials.size()));
    for (const Material& material : record.Materials) EXPECT_EQ(material.Ambient, material.Diffuse);
  }
  // The craft's texture on every subset; the pad plate has none of its own.
  for (TextureId texture : game_.graphics.Meshes[3].Textures) EXPECT_TRUE(texture);
  for (TextureId texture : game_.graphics.Meshes[1].Textures) EXPECT_FALSE(texture);
  for (TextureId image : game_.graphics.ImageTextures) EXPECT_TRUE(image);
  EXPECT_THAT(services_.log.calls, Contains("CreateRenderTarget 800x600"));
  EXPECT_EQ(game_.sim.ObjectSlots[3].Y, -2.57f);
}

TEST_F(Resources, AMissingCraftEndsStartUpAfterThreeModels) {
  Remove("Fly.X");
  EXPECT_EQ(Load(), "Невозможно инициалтзировать буфер вершин.4");
  EXPECT_EQ(icon_, MessageIcon::None);
  EXPECT_THAT(services_.log.Starting("LoadMeshFromX "),
              ElementsAre(HasSubstr("nebo.x"), HasSubstr("plat.X"), HasSubstr("truba.X"),
                          "LoadMeshFromX Fly.X failed"));
}

TEST_F(Resources, AMissingModelTextureLeavesTheModelUntextured) {
  Remove("t-Woods.res");
  ASSERT_EQ(Load(), "");
  ASSERT_FALSE(game_.graphics.Meshes[3].Textures.empty());
  for (TextureId texture : game_.graphics.Meshes[3].Textures) EXPECT_FALSE(texture);
  for (TextureId texture : game_.graphics.Meshes[4].Textures) EXPECT_TRUE(texture);
}

TEST_F(Resources, AMissingImageEndsStartUpNamingIt) {
  Remove("i-005.res");
  EXPECT_THAT(Load(), HasSubstr("i-005.res"));
  EXPECT_EQ(services_.log.Starting("CreateTextureFromFile i-").size(), 6u);  // five, then it
}

TEST_F(Resources, TheVertexBufferHoldsTheUnitQuadFromVertexSix) {
  ASSERT_EQ(Load(), "");
  ASSERT_EQ(device().vertexBuffers.size(), 1u);
  const std::vector<WorldVertex>& vertices = device().vertexBuffers[0];
  ASSERT_EQ(vertices.size(), 14u);
  EXPECT_EQ(vertices[kUnitQuadStart], (WorldVertex{-0.5f, 0.5f, 0, 0, 0, -1, 0, 0}));
  EXPECT_EQ(vertices[9], (WorldVertex{0.5f, -0.5f, 0, 0, 0, -1, 1, 1}));
  EXPECT_EQ(vertices[13], (WorldVertex{-2.5f, 0, 140, 0, 1, 0, 1, 28}));
}

}  // namespace
}  // namespace quillmoor
