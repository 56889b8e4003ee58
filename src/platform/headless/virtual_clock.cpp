#include "platform/headless/virtual_clock.h"

#include <cmath>

namespace quillmoor {

double VirtualClock::Seconds() { return seconds_; }

double VirtualClock::TimeOfDay() { return std::fmod(start_ + Seconds(), 86400.0); }

}  // namespace quillmoor
