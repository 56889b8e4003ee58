#pragma once

namespace quillmoor {

struct Game;

// Hide or show the pointer whatever was done to it before.
void HideMouseCursor(Game& game);
void ShowMouseCursor(Game& game);

}  // namespace quillmoor
