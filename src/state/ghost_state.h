#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace quillmoor {

// The craft after one race tick.
struct GhostSample {
  float Distance = 0;
  float CraftAngle = 0;
  float CraftAngleSigned = 0;
  std::uint8_t ThrottleState = 0;
  float Speed = 0;
  bool operator==(const GhostSample&) const = default;
};

// A finished run on one track: every race tick from the line to the stop.
struct GhostRun {
  std::uint64_t TrackHash = 0;
  float FinishTime = 0;  // the race clock at the finish
  std::vector<GhostSample> Samples;
  bool operator==(const GhostRun&) const = default;
};

// Runs longer than this (half an hour of ticks) are not kept.
inline constexpr std::size_t kMaxGhostTicks = 90000;

// The best run on this track riding beside the player, and the split times
// against it. Nothing here feeds back into the simulation.
struct GhostState {
  bool Enabled = true;  // the settings file's "ghost = on|off"
  bool Visible = true;  // G hides and shows it during a race
  std::uint64_t TrackHash = 0;  // of map.res
  std::filesystem::path File;   // the track's ghost in the player's folder
  std::optional<float> SavedTime;  // of the run in File
  bool RaceAgainstSaved = true;    // false while racing a --ghost of another player
  std::optional<GhostRun> Raced;

  std::vector<GhostSample> Run;  // this race so far
  std::int64_t RunTicks = 0;     // may pass kMaxGhostTicks, when Run stops growing
  std::optional<GhostRun> Finished;  // the run just finished, until it is saved

  // Where the ghost is on this tick: a frame may carry it on.
  bool Present = false;
  float ShownDistance = 0;
  float ShownAngle = 0;

  int NextSplit = 1;  // the next tenth of the track to pass
  float SplitDelta = 0;  // seconds; below zero is ahead of the ghost
  std::int32_t SplitTicks = 0;  // left to show it
  std::optional<float> FinalDelta;  // at the finish, for the records page
};

}  // namespace quillmoor
