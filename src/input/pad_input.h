#pragma once

#include "platform/held_keys.h"
#include "platform/input.h"

namespace quillmoor {

struct Game;

// A PadButton or PadAxis event. Held controls hold their actions' game keys
// through the bindings, in the menu as in a race; in the menu the pad also
// moves the highlight and chooses; in the name box it edits the name.
void HandlePadEvent(Game& game, HeldKeys& keys, const InputEvent& event);

// The mouse moved: the pointer the pad hid in the menu shows again.
void ShowPointerHiddenByPad(Game& game);

}  // namespace quillmoor
