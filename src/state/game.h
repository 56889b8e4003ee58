#pragma once

#include <filesystem>

#include "platform/platform.h"
#include "state/best_times_state.h"
#include "state/ghost_state.h"
#include "state/graphics_state.h"
#include "state/input_state.h"
#include "state/map_state.h"
#include "state/net_state.h"
#include "state/shell_state.h"
#include "state/simulation_state.h"

namespace quillmoor {

// The whole game: its window's state and every subsystem's.
struct Game {
  Game(Platform& services, FilePlaces places) : platform(services) {
    shell.Places = std::move(places);
  }
  // A portable copy: every file in one Data folder.
  Game(Platform& services, const std::filesystem::path& data)
      : Game(services, FilePlaces::Portable(data)) {}

  Platform& platform;
  ShellState shell;
  NetState net;
  MapState map;
  GraphicsState graphics;
  SimulationState sim;
  InputState input;
  BestTimesState best;
  GhostState ghost;
};

}  // namespace quillmoor
