#pragma once

namespace quillmoor {

// The game's value of pi for its drawing, placement and camera roll.
inline constexpr double kGamePi = 3.1415;

// degrees / 180 * 3.1415, worked in double and stored as a single.
inline float Radians(double degrees) { return static_cast<float>(degrees / 180.0 * kGamePi); }

}  // namespace quillmoor
