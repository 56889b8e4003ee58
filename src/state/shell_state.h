#pragma once

#include <cstdint>
#include <filesystem>

#include "settings/file_places.h"

namespace quillmoor {

namespace display_mode {
constexpr std::uint8_t Window = 1, FullScreen = 2;
}

struct ShellState {
  FilePlaces Places;

  // Config.ini
  std::uint8_t DisplayMode = display_mode::Window;
  std::uint8_t OverlayOn = 0;
  std::uint8_t MusicOn = 1;
  bool MotionBlur = false;

  // The game's settings file: frames between ticks carry the motion on.
  bool Interpolation = true;

  // The frame timer starts with the last step of start-up; the game timer
  // runs from the start.
  bool Timer1Enabled = false;
  bool Timer2Enabled = true;
  // The time of day at start-up and the game ticks since: the random
  // source's seeds follow this game time, so a recorded run replays alike.
  double StartTimeOfDay = 0;
  std::int64_t GameTicks = 0;

  // The window has closed: the run ends.
  bool Unloaded = false;
  bool CleanedUp = false;  // shut-down has run
};

}  // namespace quillmoor
