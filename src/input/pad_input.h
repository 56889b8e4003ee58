#pragma once

#include "platform/held_keys.h"
#include "platform/input.h"

namespace quillmoor {

struct Game;

// A PadButton or PadAxis event: in a race the pad holds the game's keys
// through the bindings; in the menu it moves the highlight and chooses; in
// the name box it edits the name.
void HandlePadEvent(Game& game, HeldKeys& keys, const InputEvent& event);

}  // namespace quillmoor
