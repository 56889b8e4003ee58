#pragma once

#include <cstdint>

namespace quillmoor {

// Game ticks on a fixed grid of 20 ms from the start: tick k is due at
// start + k * 20 ms, whatever the frame rate. A frame runs every tick due,
// up to a quarter of a second's worth, so slow frames never cost ticks; the
// rest of a longer stall is dropped, never caught up.
class TickScheduler {
 public:
  static constexpr double kInterval = 0.020;
  static constexpr int kMaxTicksPerFrame = 13;

  explicit TickScheduler(double start) : start_(start) {}

  // The number of ticks to run now.
  int Due(double now);
  // When the next tick falls due.
  double NextTick() const { return start_ + double(next_) * kInterval; }

 private:
  double start_;
  std::int64_t next_ = 1;
};

}  // namespace quillmoor
