#pragma once

namespace quillmoor {

struct Game;

// The 3D world of this frame: sky, tunnel, craft, pads, asteroid, pickup
// and, in the menu, the station and the flyer.
void DrawScene(Game& game);

}  // namespace quillmoor
