#pragma once

namespace quillmoor {

struct Game;

// Who made the game, when, and where to find it.
void CreditsPage(Game& game);

}  // namespace quillmoor
