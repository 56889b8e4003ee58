// The SDL window's events: keys by their place whatever the layout types,
// and the keyboard focus leaving the window.

#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/sdl/sdl_window.h"
#include "support/driver_leaks.h"

namespace quillmoor {
namespace {

class SdlWindowEvents : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { test::PauseLeakChecks(); }
  static void TearDownTestSuite() { test::ResumeLeakChecks(); }

  void SetUp() override { ASSERT_NE(window_.Handle(), nullptr); }

  // The game's event for one SDL event, or nothing.
  std::optional<InputEvent> Through(SDL_Event sdl) {
    SDL_PushEvent(&sdl);
    InputEvent event;
    std::optional<InputEvent> first;
    while (window_.PollEvent(event)) {
      if (!first) first = event;
    }
    return first;
  }
  std::optional<InputEvent> Key(Uint32 type, SDL_Scancode place, SDL_Keycode types,
                                Uint16 mod = KMOD_NONE) {
    SDL_Event sdl{};
    sdl.type = type;
    sdl.key.keysym.scancode = place;
    sdl.key.keysym.sym = types;
    sdl.key.keysym.mod = mod;
    return Through(sdl);
  }

  SdlWindow window_{SdlWindow::Driver::Offscreen};
};

TEST_F(SdlWindowEvents, KeysAreNamedByTheirPlaceOnEveryLayout) {
  // Russian: the key at W's place types "ц".
  std::optional<InputEvent> event = Key(SDL_KEYDOWN, SDL_SCANCODE_W, 0x446);
  ASSERT_TRUE(event);
  EXPECT_EQ(event->kind, InputEvent::Kind::KeyDown);
  EXPECT_EQ(event->key, vk::W);
  // French: "w" is typed at Z's place, and is Z to the game.
  event = Key(SDL_KEYUP, SDL_SCANCODE_Z, SDLK_w);
  ASSERT_TRUE(event);
  EXPECT_EQ(event->kind, InputEvent::Kind::KeyUp);
  EXPECT_EQ(event->key, 'Z');
  // Alt travels with the key.
  event = Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_LALT);
  ASSERT_TRUE(event);
  EXPECT_EQ(event->key, vk::Return);
  EXPECT_TRUE(event->alt);
  // A key the game has no code for gives no event.
  EXPECT_FALSE(Key(SDL_KEYDOWN, SDL_SCANCODE_APPLICATION, SDLK_APPLICATION));
}

TEST_F(SdlWindowEvents, LosingTheKeyboardFocusIsAnEventGainingItIsNot) {
  SDL_Event sdl{};
  sdl.type = SDL_WINDOWEVENT;
  sdl.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  const std::optional<InputEvent> lost = Through(sdl);
  ASSERT_TRUE(lost);
  EXPECT_EQ(lost->kind, InputEvent::Kind::FocusLost);
  sdl.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
  EXPECT_FALSE(Through(sdl));
}

}  // namespace
}  // namespace quillmoor
