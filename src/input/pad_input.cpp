#include "input/pad_input.h"

#include "shell/game.h"

namespace quillmoor {

void HandlePadEvent(Game&, HeldKeys&, const InputEvent&) {}

}  // namespace quillmoor
