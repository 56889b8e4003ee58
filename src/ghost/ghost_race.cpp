#include "ghost/ghost_race.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <system_error>
#include <utility>
#include <variant>

#include "ghost/ghost_file.h"
#include "platform/files.h"
#include "state/game.h"
#include "state/single_precision.h"

namespace quillmoor {

namespace {

constexpr double kTickSeconds = 0.02;

// The run raced against, unless ghosts are off.
const GhostRun* Opponent(const GhostState& ghost) {
  return ghost.Enabled && ghost.Raced ? &*ghost.Raced : nullptr;
}

// The ghost's sample for the player's tick; past its last, it waits there.
void PlaceGhost(GhostState& ghost) {
  const GhostRun* opponent = Opponent(ghost);
  ghost.Present = opponent && !opponent->Samples.empty() && ghost.RunTicks > 0;
  if (!ghost.Present) return;
  const auto& samples = opponent->Samples;
  const std::size_t index = std::min<std::size_t>(std::size_t(ghost.RunTicks), samples.size()) - 1;
  ghost.ShownDistance = samples[index].Distance;
  ghost.ShownAngle = samples[index].CraftAngle;
}

void CheckSplits(GhostState& ghost, float distance) {
  if (ghost.SplitTicks > 0) --ghost.SplitTicks;
  constexpr int kLastSplit = int(kFinishLine / kSplitEvery);
  while (ghost.NextSplit <= kLastSplit && distance >= float(ghost.NextSplit) * kSplitEvery) {
    const float mark = float(ghost.NextSplit) * kSplitEvery;
    ++ghost.NextSplit;
    const GhostRun* opponent = Opponent(ghost);
    if (!opponent) continue;
    const std::optional<std::size_t> ghostTicks = TicksToReach(opponent->Samples, mark);
    if (!ghostTicks) continue;
    ghost.SplitDelta = SplitDelta(std::size_t(ghost.RunTicks), *ghostTicks);
    ghost.SplitTicks = kSplitShowTicks;
  }
}

}  // namespace

void StartGhostRun(GhostState& ghost) {
  ghost.Run.clear();
  ghost.RunTicks = 0;
  ghost.Finished.reset();
  ghost.Present = false;
  ghost.NextSplit = 1;
  ghost.SplitTicks = 0;
  ghost.FinalDelta.reset();
}

void RecordGhostTick(GhostState& ghost, const SimulationState& s) {
  ++ghost.RunTicks;
  if (ghost.Run.size() < kMaxGhostTicks) {
    ghost.Run.push_back({s.Distance, s.CraftAngle, s.CraftAngleSigned, s.ThrottleState, s.Speed});
  }
  PlaceGhost(ghost);
  CheckSplits(ghost, s.Distance);
}

void FinishGhostRun(GhostState& ghost, float raceTime) {
  if (const GhostRun* opponent = Opponent(ghost)) {
    ghost.FinalDelta = Single(double(raceTime) - double(opponent->FinishTime));
  }
  if (ghost.Run.empty() || ghost.RunTicks > std::int64_t(kMaxGhostTicks)) return;
  ghost.Finished = GhostRun{ghost.TrackHash, raceTime, std::move(ghost.Run)};
}

std::optional<std::size_t> TicksToReach(std::span<const GhostSample> samples, float distance) {
  const auto reached = std::find_if(samples.begin(), samples.end(),
                                    [&](const GhostSample& s) { return s.Distance >= distance; });
  if (reached == samples.end()) return std::nullopt;
  return std::size_t(reached - samples.begin()) + 1;
}

float SplitDelta(std::size_t playerTicks, std::size_t ghostTicks) {
  return Single((double(playerTicks) - double(ghostTicks)) * kTickSeconds);
}

void ReportSkippedGhost(std::string_view source, std::string_view why) {
  std::cerr << source << ": призрак пропущен: " << why << '\n';
}

void LoadTrackGhost(Game& game, std::string_view mapBytes) {
  GhostState& ghost = game.ghost;
  ghost.TrackHash = Fnv1a64(mapBytes);
  ghost.File = GhostFileIn(game.shell.Places.user, ghost.TrackHash);
  const FileBytes file = ReadFileOrSayWhy(ghost.File, "", file_limit::Ghost);
  if (!file.bytes) {
    if (!file.problem.empty()) ReportSkippedGhost(ghost.File.string(), file.problem);
    return;
  }
  auto decoded = DecodeGhost(*file.bytes, ghost.TrackHash);
  if (const auto* why = std::get_if<std::string>(&decoded)) {
    ReportSkippedGhost(ghost.File.string(), *why);
    return;
  }
  GhostRun& run = std::get<GhostRun>(decoded);
  ghost.SavedTime = run.FinishTime;
  if (ghost.RaceAgainstSaved) ghost.Raced = std::move(run);
}

void RaceAgainst(GhostState& ghost, GhostRun run) {
  ghost.Raced = std::move(run);
  ghost.RaceAgainstSaved = false;
}

void SaveFinishedGhost(Game& game) {
  GhostState& ghost = game.ghost;
  if (!ghost.Finished) return;
  GhostRun run = std::move(*ghost.Finished);
  ghost.Finished.reset();
  if (ghost.File.empty() || (ghost.SavedTime && !(run.FinishTime < *ghost.SavedTime))) return;
  try {
    std::error_code ignored;
    std::filesystem::create_directories(ghost.File.parent_path(), ignored);
    WriteFileAtomically(ghost.File, EncodeGhost(run));
  } catch (const FatalError& error) {
    ShowTrouble(game.platform.dialogs, error.what(), "Лучший заезд не сохранён как призрак.");
    return;
  }
  ghost.SavedTime = run.FinishTime;
  if (ghost.RaceAgainstSaved) ghost.Raced = std::move(run);
}

}  // namespace quillmoor
