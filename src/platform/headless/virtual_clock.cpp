#include "platform/headless/virtual_clock.h"

#include <cmath>

namespace quillmoor {

double VirtualClock::Seconds() { return double(tick_) * 0.02; }

double VirtualClock::TimeOfDay() { return std::fmod(start_ + Seconds(), 86400.0); }

}  // namespace quillmoor
