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

// A CSV file with one row per frame drawn: frame, time in ms, the last
// tick, the fraction of a tick past it, and the camera, Distance and
// CraftAngle the frame was drawn with.
class FrameTraceWriter {
 public:
  explicit FrameTraceWriter(const std::filesystem::path& path);

  // A frame just being drawn from the game's state as it stands.
  void Row(std::int64_t frame, double milliseconds, std::int64_t tick, float fraction,
           const Game& game);
  void Close() { file_.Close(); }

 private:
  OutputFile file_;
  std::string row_;
};

}  // namespace quillmoor
