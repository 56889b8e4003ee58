#pragma once

#include <cstdint>
#include <vector>

namespace quillmoor::assets {

// A well-mixed 32-bit hash.
std::uint32_t Hash(std::uint32_t value);
// A number in [0, 1) fixed by the seed and the index.
float HashedUnit(std::uint32_t seed, std::uint32_t index);

// A fixed sequence of numbers in [0, 1).
class Random {
 public:
  explicit Random(std::uint32_t seed) : state_(seed) {}
  float Next();
  float Between(float low, float high) { return low + (high - low) * Next(); }

 private:
  std::uint32_t state_;
};

// Smooth value noise in [0, 1] that repeats every `period` lattice cells in
// x and y, so a texture made of it tiles. With several octaves, each doubles
// the frequency of the one before and has `gain` times its weight.
class TiledNoise {
 public:
  TiledNoise(std::uint32_t seed, int period, int octaves = 1, float gain = 0.5f);
  // x and y in cells of the first octave.
  float operator()(float x, float y) const;

 private:
  struct Octave {
    int period;
    float weight;
    std::vector<float> lattice;  // period x period values
  };
  static float Sample(const Octave& octave, float x, float y);
  std::vector<Octave> octaves_;
  float totalWeight_ = 0;
};

}  // namespace quillmoor::assets
