#pragma once

#include "platform/held_keys.h"
#include "platform/input.h"

namespace quillmoor {

struct Game;

// Hands a window event to the game: pointer to the menu handlers, keys to
// the polled keyboard and the name box. False when the event closes the
// window.
bool DispatchEvent(Game& game, HeldKeys& keys, const InputEvent& event);

}  // namespace quillmoor
