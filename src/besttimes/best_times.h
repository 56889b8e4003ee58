#pragma once

#include <cstdint>

namespace quillmoor {

struct Game;

// NewRecordRank when the race time takes no row.
inline constexpr std::uint8_t kNoRecordRank = 5;

// Fills the table from Ch1.res and Ch2.res, the player's copies or else the
// shipped ones. A missing file ends the program; a file that cannot be
// decoded is reported and leaves its part of the table empty.
void LoadBestTimes(Game& game);

// After a race: finds the first row whose time the race beats and, when
// there is one, opens the name entry.
void CheckNewRecord(Game& game);

// Writes both files to the player's folder, or neither when a name or time
// cannot be stored. A failed write is reported; the game goes on.
void SaveBestTimes(Game& game);

}  // namespace quillmoor
