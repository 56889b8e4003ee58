#pragma once

namespace quillmoor {

struct Game;

// The window unloads: the network link closes, then Cleanup. Runs once, after
// the last tick, however the window went (Exit, the close box, --ticks).
void Form_Unload(Game& game);

// Shows the pointer, stops the looping sounds and lets the sound and graphics
// objects go, in a fixed order.
void Cleanup(Game& game);

}  // namespace quillmoor
