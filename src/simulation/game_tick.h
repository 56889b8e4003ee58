#pragma once

namespace quillmoor {

struct Game;

// One 20 ms step of the game: the game timer's handler.
void GameTick(Game& game);

}  // namespace quillmoor
