#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/output_file.h"

namespace quillmoor {

struct Game;

// A CSV file with one row of game state per tick: a header row, then
// tick,GameState,CameraMode,Speed,... Floats are written with nine
// significant digits, flags as 0 or 1. Throws FatalError naming the file
// when it cannot be created or written.
class TraceWriter {
 public:
  explicit TraceWriter(const std::filesystem::path& path);

  // The state after a game tick.
  void Row(std::int64_t tick, const Game& game);
  // Writes out everything and closes the file.
  void Close() { file_.Close(); }

 private:
  OutputFile file_;
  std::string row_;
};

}  // namespace quillmoor
