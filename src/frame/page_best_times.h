#pragma once

namespace quillmoor {

struct Game;

// The four best times; after a race, its time in the row it takes (with the
// name being typed) or below the table.
void BestTimesPage(Game& game);

}  // namespace quillmoor
