#pragma once

#include "platform/input.h"

namespace quillmoor {

// The game pads SDL knows, opened as they come and closed as they go.
class SdlGamepads {
 public:
  SdlGamepads() = default;
  ~SdlGamepads();
  SdlGamepads(const SdlGamepads&) = delete;
  SdlGamepads& operator=(const SdlGamepads&) = delete;

  // Starts SDL's game controller subsystem; false when it cannot.
  bool Start();
  // A pad event as the game's; false for events that are not, or that only
  // open or close a pad. raw is an SDL_Event.
  bool Translate(const void* raw, InputEvent& event);

 private:
  bool started_ = false;
};

}  // namespace quillmoor
