#include "assets/images/noise.h"

#include <cmath>

namespace quillmoor::assets {

std::uint32_t Hash(std::uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}

float HashedUnit(std::uint32_t seed, std::uint32_t index) {
  return float(Hash(Hash(seed) ^ index) >> 8) / float(1 << 24);
}

float Random::Next() {
  state_ += 0x9e3779b9U;
  return float(Hash(state_) >> 8) / float(1 << 24);
}

TiledNoise::TiledNoise(std::uint32_t seed, int period, int octaves, float gain) {
  float weight = 1;
  for (int k = 0; k < octaves; ++k) {
    Octave octave{period << k, weight, {}};
    const std::uint32_t octaveSeed = Hash(seed) + std::uint32_t(k) * 7919U;
    octave.lattice.resize(std::size_t(octave.period) * octave.period);
    for (std::size_t i = 0; i < octave.lattice.size(); ++i) {
      octave.lattice[i] = HashedUnit(octaveSeed, std::uint32_t(i));
    }
    totalWeight_ += weight;
    weight *= gain;
    octaves_.push_back(std::move(octave));
  }
}

float TiledNoise::Sample(const Octave& octave, float x, float y) {
  const int p = octave.period;
  const float fx = std::floor(x), fy = std::floor(y);
  const auto wrap = [p](int i) {
    i %= p;
    return i < 0 ? i + p : i;
  };
  const int x0 = wrap(int(fx)), y0 = wrap(int(fy));
  const int x1 = x0 + 1 == p ? 0 : x0 + 1, y1 = y0 + 1 == p ? 0 : y0 + 1;
  const float* row0 = &octave.lattice[std::size_t(y0) * p];
  const float* row1 = &octave.lattice[std::size_t(y1) * p];
  const float tx = x - fx, ty = y - fy;
  // Quintic easing: no creases along the lattice lines.
  const float sx = tx * tx * tx * (tx * (tx * 6 - 15) + 10);
  const float sy = ty * ty * ty * (ty * (ty * 6 - 15) + 10);
  const float top = row0[x0] + (row0[x1] - row0[x0]) * sx;
  const float bottom = row1[x0] + (row1[x1] - row1[x0]) * sx;
  return top + (bottom - top) * sy;
}

float TiledNoise::operator()(float x, float y) const {
  float sum = 0;
  for (const Octave& octave : octaves_) {
    sum += Sample(octave, x, y) * octave.weight;
    x *= 2;
    y *= 2;
  }
  return sum / totalWeight_;
}

}  // namespace quillmoor::assets
