#include "simulation/random_source.h"

#include <bit>

namespace quillmoor {

void RandomSource::Randomize(double timeOfDay) {
  // The time as a single, like the seconds-since-midnight timer it stands for.
  engine_.seed(std::bit_cast<std::uint32_t>(static_cast<float>(timeOfDay)));
}

double RandomSource::Rnd() {
  return double(engine_() - std::minstd_rand::min()) /
         double(std::minstd_rand::max() - std::minstd_rand::min() + 1);
}

}  // namespace quillmoor
