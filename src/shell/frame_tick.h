#pragma once

namespace quillmoor {

struct Game;

// The frame timer's handler: place the scene, draw and present one frame.
void Timer1_Timer(Game& game);

// Clear, BeginScene, DrawFrame, EndScene, Present.
void Render(Game& game);

}  // namespace quillmoor
