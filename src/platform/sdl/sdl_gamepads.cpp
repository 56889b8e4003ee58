#include "platform/sdl/sdl_gamepads.h"

#include <SDL.h>

namespace quillmoor {

SdlGamepads::~SdlGamepads() {
  if (started_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool SdlGamepads::Start() {
  started_ = started_ || SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
  return started_;
}

bool SdlGamepads::Translate(const void*, InputEvent&) { return false; }

}  // namespace quillmoor
