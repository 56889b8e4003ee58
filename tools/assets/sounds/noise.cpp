#include "assets/sounds/noise.h"

namespace quillmoor::assets::sounds {

Noise::Noise(std::uint32_t seed) : state_(seed != 0 ? seed : 0x9E3779B9u) {}

float Noise::Next() {
  // xorshift32
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<float>(static_cast<double>(state_) / 2147483647.5 - 1.0);
}

}  // namespace quillmoor::assets::sounds
