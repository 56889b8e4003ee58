#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>

#include "platform/input.h"

namespace quillmoor {

// Writes a session's events as a script that replays it headless.
class SessionRecorder {
 public:
  // Throws FatalError when the file cannot be made.
  explicit SessionRecorder(const std::filesystem::path& path);

  // The event, handled before the given game tick.
  void Add(std::int64_t tick, const InputEvent& event);
  // Writes out the rest; throws FatalError when the file could not be written.
  void Close();

 private:
  std::filesystem::path path_;
  std::ofstream out_;
};

}  // namespace quillmoor
