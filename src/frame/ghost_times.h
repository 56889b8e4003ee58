#pragma once

namespace quillmoor {

struct Game;

// The last split time under the race clock, for two seconds after each
// tenth of the track: green ahead of the ghost, red behind.
void DrawSplitTime(Game& game);

// The difference at the finish, beside the result on the records page.
void DrawFinalDifference(Game& game, int y);

}  // namespace quillmoor
