// Game pads through SDL's virtual joysticks: their events as the game's.

#include "platform/sdl/sdl_gamepads.h"

#include <SDL.h>
#include <gmock/gmock.h>

#include <optional>
#include <string>
#include <vector>

namespace quillmoor {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

// A virtual joystick plugged in while the object lives: a standard pad, or a plain
// two-button stick that is a game pad only once SDL has a mapping for it.
class VirtualPad {
 public:
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
    // The triggers at rest: a virtual axis starts in its middle.
    for (int axis : {SDL_CONTROLLER_AXIS_TRIGGERLEFT, SDL_CONTROLLER_AXIS_TRIGGERRIGHT}) {
      if (standard) Axis(axis, -32768);
    }
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

  void Start() {
    pads_.emplace();
    ASSERT_TRUE(pads_->Start());
  }
  // The game's events since the last call, as script words: "button a down".
  std::vector<std::string> Words() {
    SDL_PumpEvents();
    std::vector<std::string> words;
    SDL_Event sdlEvent;
    while (SDL_PollEvent(&sdlEvent)) {
      InputEvent e;
      if (!pads_->Translate(&sdlEvent, e)) continue;
      words.push_back(e.kind == InputEvent::Kind::PadButton
                          ? "button " + e.text + (e.down ? " down" : " up")
                      : e.kind == InputEvent::Kind::PadAxis
                          ? "axis " + e.text + " " + std::to_string(e.value)
                          : "another kind");
    }
    return words;
  }

  std::optional<SdlGamepads> pads_;
};

TEST_F(SdlPads, PadsSendTheirControlsBySdlsNamesComeAndGoAndSeveralActAsOne) {
  VirtualPad first;  // there at the start
  Start();
  EXPECT_EQ(pads_->Count(), 1);
  Words();
  first.Button(SDL_CONTROLLER_BUTTON_A, true);
  first.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
  first.Axis(SDL_CONTROLLER_AXIS_LEFTX, -20000);
  first.Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
  EXPECT_THAT(Words(), UnorderedElementsAre("button a down", "button dpleft down",
                                            "axis leftx -20000", "axis righttrigger 32767"));
  first.Button(SDL_CONTROLLER_BUTTON_A, false);
  first.Axis(SDL_CONTROLLER_AXIS_LEFTY, 32767);
  first.Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -32768);
  EXPECT_THAT(Words(), UnorderedElementsAre("button a up", "axis lefty 32767",
                                            "axis righttrigger 0"));
  EXPECT_THAT(Words(), IsEmpty());  // nothing new, nothing sent
  VirtualPad second;
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

  // An axis reads the pad that pushes it furthest.
  first.Axis(SDL_CONTROLLER_AXIS_LEFTX, -30000);
  EXPECT_THAT(Words(), ElementsAre("axis leftx -30000"));
  second.Axis(SDL_CONTROLLER_AXIS_LEFTX, 600);
  EXPECT_THAT(Words(), IsEmpty());

  // A pad pulled out lets go of what it held; the other goes on.
  first.Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
  first.Button(SDL_CONTROLLER_BUTTON_B, true);
  Words();
  first.Unplug();
  EXPECT_THAT(Words(), UnorderedElementsAre("axis leftx 600", "axis righttrigger 0", "button b up",
                                            "button dpleft up", "axis lefty 0"));
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

}  // namespace
}  // namespace quillmoor
