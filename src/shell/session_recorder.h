#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>

#include "platform/input.h"

namespace quillmoor {

// Writes a session's events as a script that replays it headless.
class SessionRecorder {
 public:
  // Starts the script with the session's time of day at tick 0. Throws
  // FatalError when the file cannot be made.
  SessionRecorder(const std::filesystem::path& path, double startTimeOfDay);

  // The event, handled before the given game tick.
  void Add(std::int64_t tick, const InputEvent& event);
  // Writes out the rest; throws FatalError when the file could not be written.
  void Close();

 private:
  std::filesystem::path path_;
  std::ofstream out_;
};

}  // namespace quillmoor
