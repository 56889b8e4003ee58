#pragma once

#include <filesystem>
#include <string>
#include <variant>

#include "shell/script.h"
#include "state/ghost_state.h"

namespace quillmoor {

struct Game;

// The first race the recorded session finishes, simulated tick by tick as
// the game ran it, on this game's track, settings and controls; or why there
// is none. Nothing is drawn, played or written.
std::variant<GhostRun, std::string> GhostFromSession(const Script& session, const Game& game);

// --ghost FILE: a ghost file or a recorded session to race against. One that
// is no good is named on stderr, and the race goes on with the track's own.
void RaceAgainstGhostFile(Game& game, const std::filesystem::path& file);

}  // namespace quillmoor
