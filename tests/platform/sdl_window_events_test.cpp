// The SDL window's events: keys by their place whatever the layout types,
// and the keyboard focus leaving the window.

#include <SDL.h>
#include <gtest/gtest.h>

#include <tuple>

#include "platform/sdl/sdl_window.h"
#include "support/driver_leaks.h"

namespace quillmoor {
namespace {

class SdlWindowEvents : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { test::PauseLeakChecks(); }
  static void TearDownTestSuite() { test::ResumeLeakChecks(); }

  void SetUp() override { ASSERT_NE(window_.Handle(), nullptr); }

  // The game's event for one SDL event as kind, key and Alt, or nothing.
  using Seen = std::tuple<InputEvent::Kind, int, bool>;
  std::optional<Seen> Through(SDL_Event sdl) {
    SDL_PushEvent(&sdl);
    InputEvent event;
    std::optional<Seen> first;
    while (window_.PollEvent(event)) {
      if (!first) first = Seen{event.kind, event.key, event.alt};
    }
    return first;
  }
  std::optional<Seen> Key(Uint32 type, SDL_Scancode place, SDL_Keycode types,
                          Uint16 mod = KMOD_NONE) {
    SDL_Event sdl{};
    sdl.type = type;
    sdl.key.keysym = {place, types, mod, 0};
    return Through(sdl);
  }

  SdlWindow window_{SdlWindow::Driver::Offscreen};
};

TEST_F(SdlWindowEvents, KeysAreNamedByTheirPlaceOnEveryLayout) {
  using enum InputEvent::Kind;
  // Russian: the key at W's place types "ц".
  EXPECT_EQ(Key(SDL_KEYDOWN, SDL_SCANCODE_W, 0x446), Seen(KeyDown, vk::W, false));
  // French: "w" is typed at Z's place, and is Z to the game.
  EXPECT_EQ(Key(SDL_KEYUP, SDL_SCANCODE_Z, SDLK_w), Seen(KeyUp, 'Z', false));
  // Alt travels with the key.
  EXPECT_EQ(Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_LALT),
            Seen(KeyDown, vk::Return, true));
  // A key the game has no code for gives no event.
  EXPECT_FALSE(Key(SDL_KEYDOWN, SDL_SCANCODE_APPLICATION, SDLK_APPLICATION));
}

TEST_F(SdlWindowEvents, LosingTheKeyboardFocusIsAnEventGainingItIsNot) {
  SDL_Event sdl{};
  sdl.type = SDL_WINDOWEVENT;
  sdl.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  EXPECT_EQ(Through(sdl), Seen(InputEvent::Kind::FocusLost, 0, false));
  sdl.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
  EXPECT_FALSE(Through(sdl));
}

}  // namespace
}  // namespace quillmoor
