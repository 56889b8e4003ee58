#pragma once

#include <cstdint>

namespace quillmoor::assets::sounds {

// White noise in -1..1 from a fixed seed: the same seed gives the same hiss.
class Noise {
 public:
  explicit Noise(std::uint32_t seed);
  float Next();

 private:
  std::uint32_t state_;
};

}  // namespace quillmoor::assets::sounds
