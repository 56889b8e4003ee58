#include "frame/draw_frame.h"

#include "shell/game.h"

namespace quillmoor {

void DrawFrame(Game&) {}

}  // namespace quillmoor
