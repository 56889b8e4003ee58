// Models, images and the vertex buffer at start-up.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "graphics/vertex_buffer.h"
#include "platform/recording/recording_platform.h"
#include "shell/game.h"
#include "shell/startup.h"
#include "support/data_set.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class Resources : public ::testing::Test {
 protected:
  Resources() { test::WriteDataSet(dir_); }

  // Form_Load; the message it ends with, or "".
  std::string Load() {
    try {
      Form_Load(game_);
    } catch (const FatalError& error) {
      icon_ = error.icon();
      return error.what();
    }
    return "";
  }
  void Remove(std::string_view file) { std::filesystem::remove(dir_.path() / "Data" / file); }
  RecordingDevice& device() { return *services_.graphics.device; }

  test::TempDir dir_;
  RecordingPlatform services_;
  Game game_{services_.platform, dir_.path() / "Data"};
  MessageIcon icon_ = MessageIcon::None;
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
