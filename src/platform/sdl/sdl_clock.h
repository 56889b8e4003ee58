#pragma once

#include <optional>

#include "platform/clock.h"

namespace quillmoor {

// The performance counter, and the local time of day (or a given time of
// day at start that then runs with the counter).
class SdlClock final : public Clock {
 public:
  explicit SdlClock(std::optional<double> timeOfDayAtStart);
  double Seconds() override;
  double TimeOfDay() override;

 private:
  std::optional<double> start_;
};

}  // namespace quillmoor
