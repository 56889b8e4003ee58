#pragma once

#include <cstdint>

namespace quillmoor {

struct Game;

// NewRecordRank when the race time takes no row.
inline constexpr std::uint8_t kNoRecordRank = 5;

// Fills the table from Data/Ch1.res and Data/Ch2.res. A missing file ends
// the program; a file that cannot be decoded is reported and leaves its part
// of the table empty.
void LoadBestTimes(Game& game);

// After a race: finds the first row whose time the race beats and, when
// there is one, opens the name entry.
void CheckNewRecord(Game& game);

// Writes both files, or neither when a name or time cannot be stored.
void SaveBestTimes(Game& game);

}  // namespace quillmoor
