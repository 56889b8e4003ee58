#include "simulation/game_tick.h"

#include "shell/game.h"

namespace quillmoor {

void GameTick(Game&) {}

}  // namespace quillmoor
