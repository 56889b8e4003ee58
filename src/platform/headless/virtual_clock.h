#pragma once

#include <cstdint>

#include "platform/clock.h"

namespace quillmoor {

// Game time for headless runs: tick N happens 20 N ms after start-up, and
// the time of day moves with it from its value at tick 0.
class VirtualClock final : public Clock {
 public:
  explicit VirtualClock(double timeOfDayAtStart) : start_(timeOfDayAtStart) {}

  void SetTick(std::int64_t tick) {
    tick_ = tick;
    seconds_ = double(tick) * 0.02;
  }
  std::int64_t Tick() const { return tick_; }
  // A moment between ticks, for a frame drawn there.
  void SetSeconds(double seconds) { seconds_ = seconds; }

  double Seconds() override;
  double TimeOfDay() override;

 private:
  double start_;
  std::int64_t tick_ = 0;
  double seconds_ = 0;
};

}  // namespace quillmoor
