#include "platform/sdl/sdl_gamepads.h"

#include <SDL.h>

#include <cstdlib>

namespace quillmoor {

SdlGamepads::~SdlGamepads() {
  for (auto& [id, pad] : pads_) {
    if (pad.controller) SDL_GameControllerClose(pad.controller);
  }
  if (started_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool SdlGamepads::Start() {
  if (started_) return true;
  started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
  if (!started_) return false;
  for (int device = 0; device < SDL_NumJoysticks(); ++device) Open(device);
  return true;
}

void SdlGamepads::Open(int deviceIndex) {
  if (!SDL_IsGameController(deviceIndex)) return;
  const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
  if (id < 0 || (pads_.contains(id) && pads_[id].controller)) return;
  SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
  if (controller) PadOf(id).controller = controller;
}

void SdlGamepads::Close(int instanceId) {
  const auto pad = pads_.find(instanceId);
  if (pad == pads_.end()) return;
  if (pad->second.controller) SDL_GameControllerClose(pad->second.controller);
  pads_.erase(pad);
}

SdlGamepads::Pad& SdlGamepads::PadOf(int instanceId) {
  Pad& pad = pads_[instanceId];
  pad.buttons.resize(SDL_CONTROLLER_BUTTON_MAX);
  pad.axes.resize(SDL_CONTROLLER_AXIS_MAX);
  return pad;
}

bool SdlGamepads::AnyHolds(int button) const {
  for (const auto& [id, pad] : pads_) {
    if (pad.buttons[std::size_t(button)]) return true;
  }
  return false;
}

int SdlGamepads::Furthest(int axis) const {
  int furthest = 0;
  for (const auto& [id, pad] : pads_) {
    const int value = pad.axes[std::size_t(axis)];
    if (std::abs(value) > std::abs(furthest)) furthest = value;
  }
  return furthest;
}

bool SdlGamepads::Translate(const void* raw, InputEvent& event) {
  const SDL_Event& e = *static_cast<const SDL_Event*>(raw);
  switch (e.type) {
    case SDL_CONTROLLERDEVICEADDED:
      Open(e.cdevice.which);  // a device index
      return false;
    case SDL_CONTROLLERDEVICEREMOVED:
      // SDL has already let go of everything the pad held.
      Close(e.cdevice.which);  // an instance id
      return false;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
      const int button = e.cbutton.button;
      const char* name = SDL_GameControllerGetStringForButton(SDL_GameControllerButton(button));
      if (!name || button >= SDL_CONTROLLER_BUTTON_MAX) return false;
      const bool before = AnyHolds(button);
      PadOf(e.cbutton.which).buttons[std::size_t(button)] = e.cbutton.state == SDL_PRESSED;
      const bool now = AnyHolds(button);
      if (now == before) return false;
      event = InputEvent{};
      event.kind = InputEvent::Kind::PadButton;
      event.text = name;
      event.down = now;
      return true;
    }
    case SDL_CONTROLLERAXISMOTION: {
      const int axis = e.caxis.axis;
      const char* name = SDL_GameControllerGetStringForAxis(SDL_GameControllerAxis(axis));
      if (!name || axis >= SDL_CONTROLLER_AXIS_MAX) return false;
      const int before = Furthest(axis);
      PadOf(e.caxis.which).axes[std::size_t(axis)] = e.caxis.value;
      const int now = Furthest(axis);
      if (now == before) return false;
      event = InputEvent{};
      event.kind = InputEvent::Kind::PadAxis;
      event.text = name;
      event.value = now;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace quillmoor
