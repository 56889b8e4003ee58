// Sprites and text of the OpenGL device, read back from its back buffer.

#include <SDL.h>
#include <epoxy/gl.h>
#include <gmock/gmock.h>

#include <array>
#include <memory>
#include <numbers>

#include "platform/fatal_error.h"
#include "platform/gl/gl_device.h"
#include "platform/gl/gl_graphics.h"
#include "platform/gl/gl_sprite_renderer.h"
#include "platform/sdl/sdl_window.h"
#include "support/driver_leaks.h"
#include "support/skip_outside_ci.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using ::testing::FieldsAre;
using ::testing::Ge;
using ::testing::Gt;
using ::testing::Le;
using Rgb = std::array<int, 3>;

constexpr Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255},
    kBlack{0, 0, 0};

void ExpectNear(const std::array<Vector2, 4>& corners,
                std::initializer_list<std::pair<int, Vector2>> expected) {
  for (const auto& [i, at] : expected) {
    EXPECT_NEAR(corners[i].x, at.x, 1e-4f) << i;
    EXPECT_NEAR(corners[i].y, at.y, 1e-4f) << i;
  }
}

TEST(SpriteCorners, TurnAboutTheCornerOrTheScaledCentre) {
  SpriteDraw sprite;
  sprite.rotation = std::numbers::pi_v<float> / 2;
  sprite.translation = {10, 20};
  // No centre: about the top left, clockwise on screen.
  ExpectNear(SpriteCorners(sprite, 4, 2), {{0, {10, 20}}, {1, {10, 24}}, {2, {8, 24}}});

  // The centre is in scaled pixels: (4, 4) is the middle of 4 x 4 doubled.
  sprite.scaling = {2, 2};
  sprite.rotationCentre = Vector2{4, 4};
  sprite.rotation = std::numbers::pi_v<float>;
  sprite.translation = {};
  ExpectNear(SpriteCorners(sprite, 4, 4), {{0, {8, 8}}, {2, {0, 0}}});
}

// 8 x 8 in quarters: red, green / blue, white.
TextureId LoadQuarters(GraphicsDevice& device) {
  Image image{8, 8, std::vector<std::uint8_t>(8 * 8 * 4, 255)};
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const Rgb colour = y < 4 ? (x < 4 ? kRed : kGreen) : (x < 4 ? kBlue : kWhite);
      for (int c = 0; c < 3; ++c) image.rgba[(y * 8 + x) * 4 + c] = std::uint8_t(colour[c]);
    }
  }
  const test::TempDir dir;
  return device.CreateTextureFromFile(dir.Write("quarters.png", EncodePng(image, true)));
}

Rgb At(const Image& picture, int x, int y) {
  const std::uint8_t* pixel = &picture.rgba[(std::size_t(y) * picture.width + x) * 4];
  return {pixel[0], pixel[1], pixel[2]};
}

struct Spot {
  int x, y;
  Rgb colour;
};

void ExpectColours(const Image& picture, std::initializer_list<Spot> spots) {
  for (const Spot& spot : spots) {
    const Rgb actual = At(picture, spot.x, spot.y);
    for (int c = 0; c < 3; ++c) {
      EXPECT_NEAR(actual[c], spot.colour[c], 2)
          << "at (" << spot.x << ", " << spot.y << ") channel " << c;
    }
  }
}

// One headless device for all the cases; none when the machine has no GL.
class GlSpriteTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::PauseLeakChecks();
    try {
      window_ = std::make_unique<SdlWindow>(SdlWindow::Driver::Offscreen);
      graphics_ = std::make_unique<GlGraphicsSystem>(*window_, SwapMode::Off);
      device_ = graphics_->CreateDevice(PresentParameters{});
    } catch (const FatalError&) {
      device_.reset();
    }
    if (device_) texture_ = LoadQuarters(*device_);
  }

  static void TearDownTestSuite() {
    device_.reset();
    graphics_.reset();
    window_.reset();
    test::ResumeLeakChecks();
  }

  void SetUp() override {
    if (!device_) QUILLMOOR_SKIP_OUTSIDE_CI("no OpenGL device");
    device_->Clear(clear::Target | clear::ZBuffer, 0xFF000000, 1.0f, 0);
  }

  SpriteDraw Quarters(Vector2 at = {100, 50}) const {
    SpriteDraw sprite;
    sprite.texture = texture_;
    sprite.translation = at;
    return sprite;
  }

  static inline std::unique_ptr<SdlWindow> window_;
  static inline std::unique_ptr<GlGraphicsSystem> graphics_;
  static inline std::unique_ptr<GraphicsDevice> device_;
  static inline TextureId texture_;
};

TEST_F(GlSpriteTest, PlacesScalesCutsAndTurnsTheImage) {
  SpriteDraw doubled = Quarters({200, 50}), green = Quarters({300, 50}),
             turned = Quarters({400, 50});
  doubled.scaling = {2, 2};
  green.source = TexelRect{4, 0, 8, 4};
  turned.rotationCentre = Vector2{4, 4};  // a quarter turn about the centre is clockwise
  turned.rotation = std::numbers::pi_v<float> / 2;
  for (const SpriteDraw& sprite : {Quarters(), doubled, green, turned}) device_->DrawSprite(sprite);
  ExpectColours(device_->ReadBackBuffer(),
                {{100, 50, kRed}, {107, 50, kGreen}, {100, 57, kBlue}, {107, 57, kWhite},
                 {99, 50, kBlack}, {108, 50, kBlack}, {100, 49, kBlack}, {100, 58, kBlack},
                 {201, 51, kRed}, {214, 51, kGreen}, {201, 64, kBlue}, {214, 64, kWhite},
                 {216, 51, kBlack}, {201, 66, kBlack}, {300, 50, kGreen}, {303, 53, kGreen},
                 {304, 50, kBlack}, {300, 54, kBlack}, {406, 51, kRed}, {406, 56, kGreen},
                 {401, 51, kBlue}, {401, 56, kWhite}});
}

TEST_F(GlSpriteTest, ColourBlendsByItsAlphaWhateverTheStates) {
  device_->Clear(clear::Target | clear::ZBuffer, 0xFF0000FF, 0.0f, 0);
  device_->SetRenderState(RenderState::ZEnable, 1);
  device_->SetRenderState(RenderState::AlphaBlendEnable, 0);
  SpriteDraw sprite = Quarters();
  sprite.source = TexelRect{4, 4, 8, 8};
  sprite.colour = 0x80FF0000;
  device_->DrawSprite(sprite);
  ExpectColours(device_->ReadBackBuffer(), {{101, 51, {128, 0, 127}}});
  // The device's own states are back.
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  device_->SetRenderState(RenderState::ZEnable, 0);
}

// The smallest box around the pixels that are not black, and how many of
// those pixels `counts` takes.
struct Box {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1, counted = 0;
  bool empty() const { return right < 0; }
};

Box LitBox(const Image& picture, bool (*counts)(Rgb) = [](Rgb) { return false; }) {
  Box box;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const Rgb colour = At(picture, x, y);
      if (colour == kBlack) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
             std::max(box.bottom, y), box.counted + int(counts(colour))};
    }
  }
  return box;
}

TEST_F(GlSpriteTest, TextStartsAtItsTopLeftCornerTakesTheColourAndDrawsNothingUnseen) {
  const FontId font = device_->CreateFont("Arial", 11, true);
  device_->DrawText(font, "", 100, 200, 0xFFFFFFFF);
  device_->DrawText(font, "Рекорды", 100, 300, 0x00FFFF00);
  EXPECT_TRUE(LitBox(device_->ReadBackBuffer()).empty());

  device_->DrawText(font, "Новая Игра", 100, 200, 0xFFFFFFFF);
  const Box box = LitBox(device_->ReadBackBuffer(), [](Rgb c) { return c == kWhite; });
  EXPECT_THAT(std::tuple(box.left, box.top, box.right, box.bottom, box.counted),
              FieldsAre(Ge(99), Ge(199), Le(190), Le(218), Gt(50)));

  device_->Clear(clear::Target, 0xFF000000, 1.0f, 0);
  device_->DrawText(font, "Рекорды", 100, 300, 0xFFFF0000);
  const Box red = LitBox(device_->ReadBackBuffer(), [](Rgb c) { return c[1] + c[2] > 0; });
  ASSERT_FALSE(red.empty());
  EXPECT_EQ(red.counted, 0);  // no tint
}

// A high-density screen: the same logical picture, two texels a pixel.
TEST(GlHighDensity, EveryLogicalPixelBecomesTwoByTwo) {
  test::PauseLeakChecks();
  SdlWindow window(SdlWindow::Driver::Offscreen);
  SDL_Window* handle = window.Handle();
  SDL_GLContext context = handle ? SDL_GL_CreateContext(handle) : nullptr;
  if (!context) {
    test::ResumeLeakChecks();
    QUILLMOOR_SKIP_OUTSIDE_CI("no OpenGL context");
  }
  {
    GlDevice device(handle, context, 400, 300, /*density=*/2, SwapMode::Off);
    device.Clear(clear::Target, 0xFF000000, 1.0f, 0);
    SpriteDraw sprite;
    sprite.texture = LoadQuarters(device);
    sprite.translation = {100, 50};
    device.DrawSprite(sprite);
    const Image picture = device.ReadBackBuffer();
    ASSERT_EQ(picture.width, 800);
    ASSERT_EQ(picture.height, 600);
    ExpectColours(picture, {{200, 100, kRed}, {215, 100, kGreen}, {200, 115, kBlue},
                            {199, 100, kBlack}, {216, 116, kBlack}});

    device.Clear(clear::Target, 0xFF000000, 1.0f, 0);
    device.DrawText(device.CreateFont("Arial", 11, true), "Новая Игра", 10, 100, 0xFFFFFFFF);
    // The text keeps its logical place and size.
    const Box box = LitBox(device.ReadBackBuffer());
    EXPECT_THAT(std::tuple(box.left, box.top, box.bottom, box.bottom - box.top),
                FieldsAre(Ge(19), Ge(199), Le(2 * 118), Ge(2 * 10)));
  }
  test::ResumeLeakChecks();
}

}  // namespace
}  // namespace quillmoor
