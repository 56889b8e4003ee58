// 3D drawing through a real OpenGL device on the offscreen driver.

#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "graphics/vertex_buffer.h"
#include "platform/fatal_error.h"
#include "platform/gl/gl_graphics.h"
#include "platform/image.h"
#include "platform/sdl/sdl_window.h"
#include "support/driver_leaks.h"
#include "support/skip_outside_ci.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using Rgb = std::array<int, 3>;

constexpr Argb kSky = 0x0096BEFF;
constexpr Rgb kSkyRgb = {0x96, 0xBE, 0xFF};

// The camera 2 units in front of the origin with a 90 degree view: the unit
// quad there covers 150 x 150 pixels about the centre of the 800 x 600
// picture, and one unit across moves 150 pixels.
class GlSceneTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { test::PauseLeakChecks(); }
  static void TearDownTestSuite() { test::ResumeLeakChecks(); }

  void SetUp() override {
    device_ = graphics_.CreateDevice(PresentParameters{});
    if (!device_) QUILLMOOR_SKIP_OUTSIDE_CI("no OpenGL device here");
    quad_ = device_->CreateVertexBuffer(kWorldVertices);
    device_->SetTransform(TransformType::View,
                          LookAtLH(vec3(0, 0, -2), vec3(0, 0, 0), vec3(0, 1, 0)));
    device_->SetTransform(TransformType::Projection,
                          PerspectiveFovLH(1.5707964f, 4.0f / 3.0f, 0.05f, 300));
    device_->SetRenderState(RenderState::CullMode, cull::None);
    device_->SetRenderState(RenderState::Ambient, 0x00FFFFFF);
    device_->SetRenderState(RenderState::AlphaBlendEnable, 1);
    device_->SetRenderState(RenderState::SrcBlend, blend::SrcAlpha);
    device_->SetRenderState(RenderState::DestBlend, blend::InvSrcAlpha);
    SetColour({0.2f, 0.4f, 0.6f, 1});
    device_->BeginScene();
    device_->Clear(clear::Target | clear::ZBuffer, kSky, 1, 0);
  }

  void SetColour(ColourValue colour) {
    Material material;
    material.Diffuse = material.Ambient = colour;
    device_->SetMaterial(material);
  }

  void DrawQuadAt(float x, float y, float z) {
    device_->SetTransform(TransformType::World, Translation(x, y, z));
    device_->DrawTriangleStrip(quad_, kUnitQuadStart, 2);
  }

  void Filters(auto min) {
    device_->SetTextureStageState(0, TextureStageState::MipFilter, texfilter::Linear);
    device_->SetTextureStageState(0, TextureStageState::MagFilter, texfilter::Linear);
    device_->SetTextureStageState(0, TextureStageState::MinFilter, min);
  }

  // A file of its own for each: the device keeps one texture a file.
  TextureId TextureOf(const Image& image) {
    const std::string name = "t" + std::to_string(textures_++) + ".png";
    return device_->CreateTextureFromFile(files_.Write(name, EncodePng(image, true)));
  }

  // Ends the scene and checks the picture's colours at the spots.
  struct Spot {
    int x, y;
    Rgb rgb;
  };
  Image ExpectPicture(std::initializer_list<Spot> spots) {
    device_->EndScene();
    const Image image = device_->ReadBackBuffer();
    for (const auto& [x, y, rgb] : spots) {
      const std::uint8_t* p = &image.rgba[(std::size_t(y) * image.width + x) * 4];
      for (int c = 0; c < 3; ++c) {
        EXPECT_NEAR(p[c], rgb[c], 1) << "channel " << c << " at (" << x << ", " << y << ")";
      }
    }
    return image;
  }

  SdlWindow window_{SdlWindow::Driver::Offscreen};
  GlGraphicsSystem graphics_{window_, SwapMode::Off};
  std::unique_ptr<GraphicsDevice> device_;
  VertexBufferId quad_;
  test::TempDir files_;
  int textures_ = 0;
};

TEST_F(GlSceneTest, MaterialColourScaledByTheAmbientLevel) {
  DrawQuadAt(-1, 0, 0);
  device_->SetRenderState(RenderState::Ambient, 0x00FF0080);
  DrawQuadAt(1, 0, 0);
  ExpectPicture({{250, 300, {51, 102, 153}}, {550, 300, {51, 0, 77}}, {400, 300, kSkyRgb},
                 {0, 0, kSkyRgb}, {799, 599, kSkyRgb}});
}

TEST_F(GlSceneTest, DirectionalLightAddsDiffuseOnTheSideItShinesOn) {
  device_->SetRenderState(RenderState::Ambient, 0);
  Light light;
  light.Type = LightType::Directional;
  light.Diffuse = {1, 1, 1, 0};
  light.Direction = vec3(0, 0, 4);  // away from the camera: onto the quad's face
  device_->SetLight(0, light);
  device_->LightEnable(0, true);
  DrawQuadAt(-1, 0, 0);
  light.Direction = vec3(0, 0, -1);  // onto its back
  device_->SetLight(0, light);
  DrawQuadAt(0, 0, 0);
  device_->LightEnable(0, false);
  light.Direction = vec3(0, 0, 1);
  device_->SetLight(0, light);
  DrawQuadAt(1, 0, 0);
  device_->SetRenderState(RenderState::Lighting, 0);
  DrawQuadAt(0, 1, 0);
  // The unlit quad at the top is white.
  ExpectPicture({{250, 300, {51, 102, 153}}, {400, 300, {0, 0, 0}}, {550, 300, {0, 0, 0}},
                 {400, 150, {255, 255, 255}}});
}

TEST_F(GlSceneTest, PlacesByTheTransformsWithNearerInFront) {
  DrawQuadAt(1, 0, 0);
  DrawQuadAt(0, 1, 0);
  SetColour({1, 0, 0, 1});
  DrawQuadAt(0, 0, 0);
  SetColour({0, 1, 0, 1});
  device_->SetTransform(TransformType::World,
                        Multiply(Scaling(4, 4, 1), Translation(0, 0, 1)));  // behind
  device_->DrawTriangleStrip(quad_, kUnitQuadStart, 2);
  // +x is right, +y is up.
  ExpectPicture({{550, 300, {51, 102, 153}}, {400, 150, {51, 102, 153}}, {400, 300, {255, 0, 0}},
                 {400, 450, {0, 255, 0}}});
}

// A GL error from the game's filters would throw at the end of the scene or at the present.
TEST_F(GlSceneTest, TextureModulatesColourAndTheGamesFiltersDrawItWithoutAnOpenGlError) {
  // Red, green / blue, white, sampled at the nearest texel.
  Image texture{2, 2, {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255}};
  SetColour({1, 0.5f, 1, 1});
  device_->SetTexture(0, TextureOf(texture));
  DrawQuadAt(0, 0, 0);
  Filters(texfilter::Anisotropic);
  device_->SetTextureStageState(0, TextureStageState::MaxAnisotropy, 4);
  device_->SetTexture(0, TextureOf(Image{1, 1, {255, 255, 255, 255}}));
  DrawQuadAt(-1, 0, 0);  // white leaves the material's colour
  ExpectPicture({{360, 260, {255, 0, 0}}, {440, 260, {0, 128, 0}}, {360, 340, {0, 0, 255}},
                 {440, 340, {255, 128, 255}}, {250, 300, {255, 128, 255}}, {100, 300, kSkyRgb}});
  EXPECT_NO_THROW(device_->Present());
}

TEST_F(GlSceneTest, AlphaIsTheMaterialsTimesTheTexturesAndThePickupBlendMultiplies) {
  SetColour({0, 0, 0, 0.5f});
  DrawQuadAt(-1, 0, 0);
  device_->SetTexture(0, TextureOf(Image{1, 1, {0, 0, 0, 128}}));
  DrawQuadAt(1, 0, 0);
  device_->SetTexture(0, TextureId{});
  device_->SetRenderState(RenderState::SrcBlend, blend::Zero);
  device_->SetRenderState(RenderState::DestBlend, blend::SrcColor);
  SetColour({0.6f, 1, 0.5f, 1});
  DrawQuadAt(0, 0, 0);  // over the sky
  ExpectPicture(
      {{250, 300, {75, 95, 128}}, {550, 300, {113, 143, 191}}, {400, 300, {90, 190, 128}}});
}

TEST_F(GlSceneTest, TextureRepeatsWithTheStageFilters) {
  Filters(texfilter::Linear);
  SetColour({1, 1, 1, 1});
  // A black and a white column, magnified with linear filtering; at the
  // quad's left edge u wraps and the black meets the white.
  device_->SetTexture(0, TextureOf(Image{2, 1, {0, 0, 0, 255, 255, 255, 255, 255}}));
  DrawQuadAt(0, 0, 0);
  const Image image = ExpectPicture(
      {{400, 300, {128, 128, 128}}, {362, 300, {0, 0, 0}}, {437, 300, {255, 255, 255}}});
  EXPECT_GT(image.rgba[(300 * 800 + 326) * 4], 100);
}

TEST_F(GlSceneTest, DrawsOneSubsetOfAMesh) {
  // The unit quad as two triangles, one material each: left-top and
  // right-bottom halves.
  const auto file = files_.Write("quad.x", R"(xof 0303txt 0032
Mesh {
 4; -0.5;0.5;0.0;, 0.5;0.5;0.0;, -0.5;-0.5;0.0;, 0.5;-0.5;0.0;;
 2; 3;0,1,2;, 3;1,3,2;;
 MeshNormals { 1; 0.0;0.0;-1.0;; 2; 3;0,0,0;, 3;0,0,0;; }
 MeshMaterialList { 2; 2; 0, 1;;
  Material { 1.0;1.0;1.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; }
  Material { 1.0;1.0;1.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; }
 }
}
)");
  const std::optional<LoadedMesh> mesh = device_->LoadMeshFromX(file);
  ASSERT_TRUE(mesh);
  device_->SetTransform(TransformType::World, Identity());
  device_->DrawSubset(mesh->mesh, 1);
  ExpectPicture({{440, 340, {51, 102, 153}}, {360, 260, kSkyRgb}});
}

}  // namespace
}  // namespace quillmoor
