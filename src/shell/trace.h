#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace quillmoor {

struct Game;

// A CSV file with one row of game state per tick: a header row, then
// tick,GameState,CameraMode,Speed,... Floats are written with nine
// significant digits, flags as 0 or 1. Throws FatalError naming the file
// when it cannot be created or written.
class TraceWriter {
 public:
  explicit TraceWriter(const std::filesystem::path& path);
  // Flushes what is left, ignoring errors: call Close to hear of them.
  ~TraceWriter();
  TraceWriter(const TraceWriter&) = delete;
  TraceWriter& operator=(const TraceWriter&) = delete;

  // The state after a game tick.
  void Row(std::int64_t tick, const Game& game);
  // Writes out everything and closes the file.
  void Close();

 private:
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };

  void Write(std::string_view text);
  [[noreturn]] void Fail(int error) const;

  std::filesystem::path path_;
  std::unique_ptr<char[]> buffer_;               // the file's output buffer
  std::unique_ptr<std::FILE, FileCloser> file_;  // closed before the buffer goes
  std::string row_;
};

}  // namespace quillmoor
