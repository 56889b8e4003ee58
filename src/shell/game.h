#pragma once

#include <filesystem>

#include "besttimes/best_times_state.h"
#include "graphics/graphics_state.h"
#include "input/input_state.h"
#include "net/net_state.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "platform/window.h"
#include "shell/map_file.h"
#include "shell/shell_state.h"
#include "simulation/simulation_state.h"

namespace quillmoor {

// The services the game takes from the system.
struct Platform {
  Window& window;
  Keyboard& keyboard;
  Clock& clock;
  Dialogs& dialogs;
  GraphicsSystem& graphics;
  Sound& sound;
};

// The whole game: its window's state and every subsystem's.
struct Game {
  Game(Platform& platform, std::filesystem::path dataDirectory) : platform(platform) {
    shell.DataDirectory = std::move(dataDirectory);
  }

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
