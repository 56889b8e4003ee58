#include "simulation/update_scene.h"

#include "shell/game.h"

namespace quillmoor {

void UpdateScene(Game&) {}

}  // namespace quillmoor
