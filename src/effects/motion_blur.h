#pragma once

namespace quillmoor {

struct Game;

// After a frame is presented: the race scene once more, into the blur texture.
void RenderToTexSub(Game& game);
// In the race: last frame's texture four times over the scene, enlarged
// with the speed.
void SpeedBlur(Game& game);

}  // namespace quillmoor
