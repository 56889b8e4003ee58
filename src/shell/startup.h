#pragma once

namespace quillmoor {

struct Game;

// The whole start-up, in its fixed order. Any failure throws FatalError
// with the message to show; nothing has been shown or started then.
void Form_Load(Game& game);

// Config.ini's six lines into the state (start-up step 4).
void ReadConfiguration(Game& game);

// The controls file from the player's config folder.
void ReadControls(Game& game);

// map.res into the pad table (start-up step 5).
void ReadMap(Game& game);

}  // namespace quillmoor
