#pragma once

namespace quillmoor {

struct Game;

// Turns the simulation state into the world matrices of every drawn object.
void UpdateScene(Game& game);

}  // namespace quillmoor
