#pragma once

namespace quillmoor {

struct Game;

// The 20 ms game tick: Esc and Enter, then the race or the menu.
void GameTick(Game& game);

// True once per press of the key (a virtual-key code 0..255).
bool ReadKeyPress(Game& game, int key);

void RaceTick(Game& game);
void MenuTick(Game& game);

}  // namespace quillmoor
