// Game pads through SDL, made as SDL's virtual joysticks: their events as
// the game's, pads coming and going, several pads as one, and a short race.

#include "platform/sdl/sdl_gamepads.h"

#include <SDL.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "input/pad_input.h"
#include "simulation/game_tick.h"
#include "support/loaded_game.h"

namespace quillmoor {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

// A virtual joystick plugged in for the life of the object.
class VirtualPad {
 public:
  // A pad of SDL's standard layout, or a plain joystick of two buttons that
  // is a game pad only once SDL has a mapping for it.
  explicit VirtualPad(bool standard = true) {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = standard ? SDL_JOYSTICK_TYPE_GAMECONTROLLER : SDL_JOYSTICK_TYPE_UNKNOWN;
    desc.naxes = standard ? SDL_CONTROLLER_AXIS_MAX : 0;
    desc.nbuttons = standard ? SDL_CONTROLLER_BUTTON_MAX : 2;
    desc.name = standard ? "Quillmoor test pad" : "Quillmoor test stick";
    const int device = SDL_JoystickAttachVirtualEx(&desc);
    joystick_ = device < 0 ? nullptr : SDL_JoystickOpen(device);
    if (!joystick_) ADD_FAILURE() << SDL_GetError();
  }
  ~VirtualPad() { Unplug(); }
  VirtualPad(const VirtualPad&) = delete;
  VirtualPad& operator=(const VirtualPad&) = delete;

  void Unplug() {
    if (!joystick_) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    for (int device = 0; device < SDL_NumJoysticks(); ++device) {
      if (SDL_JoystickGetDeviceInstanceID(device) == id) SDL_JoystickDetachVirtual(device);
    }
  }
  void Button(int button, bool down) {
    SDL_JoystickSetVirtualButton(joystick_, button, down ? SDL_PRESSED : SDL_RELEASED);
  }
  void Axis(int axis, int value) { SDL_JoystickSetVirtualAxis(joystick_, axis, Sint16(value)); }
  // The triggers at rest: a virtual axis starts in its middle.
  void RestTriggers() {
    Axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, -32768);
    Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -32768);
  }
  SDL_JoystickGUID Guid() const { return SDL_JoystickGetGUID(joystick_); }

 private:
  SDL_Joystick* joystick_ = nullptr;
};

class SdlPads : public ::testing::Test {
 protected:
  SdlPads() {
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) ADD_FAILURE() << SDL_GetError();
  }
  ~SdlPads() override { SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER); }

  // The game's events for what SDL has seen since the last call.
  std::vector<InputEvent> Events() {
    SDL_PumpEvents();
    std::vector<InputEvent> events;
    SDL_Event sdlEvent;
    while (SDL_PollEvent(&sdlEvent)) {
      InputEvent event;
      if (pads_->Translate(&sdlEvent, event)) events.push_back(event);
    }
    return events;
  }
  // The same as script words: "button a down", "axis leftx -20000".
  std::vector<std::string> Words() {
    std::vector<std::string> words;
    for (const InputEvent& event : Events()) {
      words.push_back(event.kind == InputEvent::Kind::PadButton
                          ? "button " + event.text + (event.down ? " down" : " up")
                          : "axis " + event.text + " " + std::to_string(event.value));
    }
    return words;
  }
  void Start() {
    pads_.emplace();
    ASSERT_TRUE(pads_->Start());
  }

  std::optional<SdlGamepads> pads_;
};

TEST_F(SdlPads, APadThereAtTheStartSendsItsControlsBySdlsNames) {
  VirtualPad pad;
  Start();
  EXPECT_EQ(pads_->Count(), 1);
  pad.RestTriggers();
  Words();

  pad.Button(SDL_CONTROLLER_BUTTON_A, true);
  pad.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, -20000);
  pad.Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
  EXPECT_THAT(Words(), UnorderedElementsAre("button a down", "button dpleft down",
                                            "axis leftx -20000", "axis righttrigger 32767"));
  pad.Button(SDL_CONTROLLER_BUTTON_A, false);
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, 32767);
  EXPECT_THAT(Words(), UnorderedElementsAre("button a up", "axis lefty 32767"));
  EXPECT_THAT(Words(), IsEmpty());  // nothing new, nothing sent
}

TEST_F(SdlPads, PadsComeAndGoAndSeveralActAsOne) {
  Start();
  EXPECT_EQ(pads_->Count(), 0);
  VirtualPad first;
  Words();
  EXPECT_EQ(pads_->Count(), 1);
  VirtualPad second;
  first.RestTriggers();
  second.RestTriggers();
  Words();
  EXPECT_EQ(pads_->Count(), 2);

  // A button is down while either pad holds it.
  first.Button(SDL_CONTROLLER_BUTTON_START, true);
  second.Button(SDL_CONTROLLER_BUTTON_START, true);
  EXPECT_THAT(Words(), ElementsAre("button start down"));
  first.Button(SDL_CONTROLLER_BUTTON_START, false);
  EXPECT_THAT(Words(), IsEmpty());
  second.Button(SDL_CONTROLLER_BUTTON_START, false);
  EXPECT_THAT(Words(), ElementsAre("button start up"));

  // An axis reads the pad that pushes it furthest: one resting stick does
  // not take back what the other holds.
  first.Axis(SDL_CONTROLLER_AXIS_LEFTX, -30000);
  EXPECT_THAT(Words(), ElementsAre("axis leftx -30000"));
  second.Axis(SDL_CONTROLLER_AXIS_LEFTX, 600);
  EXPECT_THAT(Words(), IsEmpty());

  // A pad pulled out lets go of what it held; the other goes on.
  first.Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
  first.Button(SDL_CONTROLLER_BUTTON_B, true);
  Words();
  first.Unplug();
  EXPECT_THAT(Words(), UnorderedElementsAre("axis leftx 600", "axis righttrigger 0",
                                            "button b up"));
  EXPECT_EQ(pads_->Count(), 1);
  second.Button(SDL_CONTROLLER_BUTTON_B, true);
  EXPECT_THAT(Words(), ElementsAre("button b down"));
  second.Unplug();
  Words();
  EXPECT_EQ(pads_->Count(), 0);
}

TEST_F(SdlPads, AJoystickIsAPadWhenSdlHasAMappingForIt) {
  {
    VirtualPad stick(/*standard=*/false);
    Start();
    EXPECT_EQ(pads_->Count(), 0);
    // The mapping for the joystick's kind, as SDL's database gives it:
    // without the checksum in the GUID's third and fourth bytes.
    char guid[33];
    SDL_JoystickGetGUIDString(stick.Guid(), guid, sizeof guid);
    const std::string mapping =
        std::string(guid).replace(4, 4, "0000") + ",Quillmoor test stick,a:b1,b:b0,";
    ASSERT_GE(SDL_GameControllerAddMapping(mapping.c_str()), 0) << SDL_GetError();
  }
  Words();
  VirtualPad stick(/*standard=*/false);
  Words();
  EXPECT_EQ(pads_->Count(), 1);
  stick.Button(1, true);
  EXPECT_THAT(Words(), ElementsAre("button a down"));
}

TEST_F(SdlPads, APadDrivesTheGameIntoARaceAndSteersIt) {
  test::LoadedGame g;
  Game& game = g.game;
  VirtualPad pad;
  Start();
  pad.RestTriggers();
  Events();
  const auto play = [&] {
    for (const InputEvent& event : Events()) HandlePadEvent(game, g.services.keyboard, event);
  };
  const auto tap = [&](int button) {
    pad.Button(button, true);
    play();
    pad.Button(button, false);
    play();
  };
  const auto ticks = [&](int n) {
    for (int i = 0; i < n; ++i) GameTick(game);
  };

  tap(SDL_CONTROLLER_BUTTON_A);  // ends the intro
  tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
  tap(SDL_CONTROLLER_BUTTON_A);  // Новая Игра
  ticks(137);
  ASSERT_EQ(game.sim.GameState, game_state::Race);
  EXPECT_EQ(game.sim.Speed, 0);

  pad.Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
  play();
  ticks(50);
  const float speed = game.sim.Speed;
  EXPECT_GT(speed, 0);
  EXPECT_EQ(game.sim.CraftAngle, 0);
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, -32768);
  play();
  ticks(50);
  EXPECT_GT(game.sim.Speed, speed);
  EXPECT_NE(game.sim.CraftAngle, 0);

  pad.Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -32768);
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
  play();
  EXPECT_FALSE(g.services.keyboard.IsKeyDown(vk::W));
  EXPECT_FALSE(g.services.keyboard.IsKeyDown(vk::A));
}

}  // namespace
}  // namespace quillmoor
