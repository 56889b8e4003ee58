#pragma once

#include <cstdint>

namespace quillmoor {

struct BestTimesState;
struct Game;

// NewRecordRank when the race time takes no row.
inline constexpr std::uint8_t kNoRecordRank = 5;

// Fills the table from Ch1.res and Ch2.res, the player's copies or else the
// shipped ones. A missing file ends the program; a file that cannot be
// decoded is reported and leaves its part of the table empty.
void LoadBestTimes(Game& game);

// After a race: the first row whose time the race beats, kept as the new
// record's rank, or kNoRecordRank.
std::uint8_t CheckNewRecord(BestTimesState& best, float raceTime);

// Writes both files to the player's folder, or neither when a name or time
// cannot be stored. A failed write is reported; the game goes on.
void SaveBestTimes(Game& game);

}  // namespace quillmoor
