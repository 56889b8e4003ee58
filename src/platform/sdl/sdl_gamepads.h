#pragma once

#include <map>
#include <vector>

#include "platform/input.h"

struct _SDL_GameController;

namespace quillmoor {

// The game pads SDL knows, opened as they come and closed as they go. SDL
// maps them to one layout (its own database, SDL_GAMECONTROLLERCONFIG).
// Several pads act as one: a button is down while any pad holds it, an axis
// reads the pad that pushes it furthest.
class SdlGamepads {
 public:
  SdlGamepads() = default;
  ~SdlGamepads();
  SdlGamepads(const SdlGamepads&) = delete;
  SdlGamepads& operator=(const SdlGamepads&) = delete;

  // Starts SDL's game controller subsystem and opens the pads there are;
  // false when it cannot.
  bool Start();
  // A pad event as the game's; false for events that are not, that only
  // open or close a pad, or that change nothing once the pads are merged.
  // raw is an SDL_Event.
  bool Translate(const void* raw, InputEvent& event);
  // The pads open now.
  int Count() const { return int(pads_.size()); }

 private:
  struct Pad {
    _SDL_GameController* controller = nullptr;
    std::vector<bool> buttons;
    std::vector<int> axes;
  };

  void Open(int deviceIndex);
  void Close(int instanceId);
  Pad& PadOf(int instanceId);
  bool AnyHolds(int button) const;
  int Furthest(int axis) const;

  bool started_ = false;
  std::map<int, Pad> pads_;  // by joystick instance id
};

}  // namespace quillmoor
