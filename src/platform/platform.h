#pragma once

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/socket.h"
#include "platform/sound.h"
#include "platform/window.h"

namespace quillmoor {

// The services the game takes from the system.
struct Platform {
  Window& window;
  Keyboard& keyboard;
  Clock& clock;
  Dialogs& dialogs;
  GraphicsSystem& graphics;
  Sound& sound;
  Socket& socket;
};

}  // namespace quillmoor
