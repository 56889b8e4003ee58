#pragma once

namespace quillmoor {

struct Game;

// Everything one frame shows, between BeginScene and EndScene.
void DrawFrame(Game& game);

}  // namespace quillmoor
