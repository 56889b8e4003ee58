#pragma once

#include <filesystem>

#include "besttimes/best_times_state.h"
#include "graphics/graphics_state.h"
#include "input/input_state.h"
#include "net/net_state.h"
#include "platform/platform.h"
#include "shell/map_file.h"
#include "shell/shell_state.h"
#include "simulation/simulation_state.h"

namespace quillmoor {

// The whole game: its window's state and every subsystem's.
struct Game {
  Game(Platform& platform, FilePlaces places) : platform(platform) {
    shell.Places = std::move(places);
  }
  // A portable copy: every file in one Data folder.
  Game(Platform& platform, const std::filesystem::path& data)
      : Game(platform, FilePlaces::Portable(data)) {}

  Platform& platform;
  ShellState shell;
  NetState net;
  MapState map;
  GraphicsState graphics;
  SimulationState sim;
  InputState input;
  BestTimesState best;
};

}  // namespace quillmoor
