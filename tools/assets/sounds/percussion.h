#pragma once

#include <cstdint>
#include <vector>

namespace quillmoor::assets::sounds {

// A drum-like thump: a sine falling from `from_hz` to `to_hz` in pitch, dying
// away with time constant `decay` seconds.
std::vector<float> Thump(double from_hz, double to_hz, double decay, int sample_rate);

// A burst of noise between `low_hz` and `high_hz` dying away with time
// constant `decay` seconds.
std::vector<float> NoiseBurst(double low_hz, double high_hz, double decay, int sample_rate,
                              std::uint32_t seed);

}  // namespace quillmoor::assets::sounds
