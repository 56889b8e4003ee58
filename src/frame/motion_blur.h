#pragma once

namespace quillmoor {

struct Game;

// In the frame, when its scene is the race scene alone and the blur is on:
// that scene set aside for the texture pass.
void KeepSceneForBlur(Game& game);
// After a frame is presented: the race scene into the blur texture, as set
// aside by the frame or else drawn once more.
void RenderToTexSub(Game& game);
// In the race: last frame's texture four times over the scene, enlarged
// with the speed.
void SpeedBlur(Game& game);

}  // namespace quillmoor
