#pragma once

namespace quillmoor {

struct Game;

// Opens the sound output; false when there is none.
bool InitSound(Game& game);
// Loads the ten sounds from the Data folder.
void LoadSounds(Game& game);
// Puts the listener at the camera.
void PlaceListener(Game& game);

}  // namespace quillmoor
