#include "platform/sdl/sdl_clock.h"

#include <SDL.h>

#include <chrono>
#include <cmath>
#include <ctime>

namespace quillmoor {

SdlClock::SdlClock(std::optional<double> timeOfDayAtStart) : start_(timeOfDayAtStart) {
  if (start_) *start_ -= Seconds();
}

double SdlClock::Seconds() {
  return double(SDL_GetPerformanceCounter()) / double(SDL_GetPerformanceFrequency());
}

double SdlClock::TimeOfDay() {
  if (start_) return std::fmod(*start_ + Seconds(), 86400.0);
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const double fraction =
      std::chrono::duration<double>(now - std::chrono::system_clock::from_time_t(seconds)).count();
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

}  // namespace quillmoor
