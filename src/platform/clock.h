#pragma once

namespace quillmoor {

class Clock {
 public:
  virtual ~Clock() = default;
  // A steady count of seconds, for timing ticks and frames.
  virtual double Seconds() = 0;
  // Seconds since local midnight: seeds the random source, turns the
  // spinning objects.
  virtual double TimeOfDay() = 0;
};

}  // namespace quillmoor
