#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "state/ghost_state.h"

namespace quillmoor {

struct Game;
struct SimulationState;

inline constexpr float kSplitEvery = 1000;         // a tenth of the track
inline constexpr std::int32_t kSplitShowTicks = 100;  // two seconds

// A new race: nothing recorded, no split shown.
void StartGhostRun(GhostState& ghost);

// After each race tick: the player's sample, the ghost's place on this tick,
// and the split time when the craft has passed the next tenth of the track.
void RecordGhostTick(GhostState& ghost, const SimulationState& s);

// The race has ended: the final difference to the ghost, and the run kept
// for saving when it is not too long to keep.
void FinishGhostRun(GhostState& ghost, float raceTime);

// Race ticks from the line until the run first reaches the distance.
std::optional<std::size_t> TicksToReach(std::span<const GhostSample> samples, float distance);

// Seconds the player is behind the ghost at the distance (ahead below zero),
// each having taken the ticks it took to get there.
float SplitDelta(std::size_t playerTicks, std::size_t ghostTicks);

// "SOURCE: призрак пропущен: WHY" on stderr, one line.
void ReportSkippedGhost(std::string_view source, std::string_view why);

// The track's ghost from the player's folder; a file that is no good is
// named on stderr and left alone.
void LoadTrackGhost(Game& game, std::string_view mapBytes);

// A ghost from elsewhere to race against; runs are still saved against the
// track's own ghost.
void RaceAgainst(GhostState& ghost, GhostRun run);

// A run just finished becomes the track's ghost when it beats the saved one,
// written atomically; a failed write is reported and changes nothing.
void SaveFinishedGhost(Game& game);

}  // namespace quillmoor
