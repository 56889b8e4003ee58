#pragma once

namespace quillmoor {

struct Game;

// Over the race: the speed blur, the overlay, the speedometer, the progress
// bar, the race time and the camera hint.
void DrawRaceHud(Game& game);

}  // namespace quillmoor
