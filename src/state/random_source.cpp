#include "state/random_source.h"

#include <bit>
#include <cmath>

#include "state/game.h"
#include "state/single_precision.h"

namespace quillmoor {

void RandomSource::Randomize(double timeOfDay) {
  // The time as a single, like the seconds-since-midnight timer it stands for.
  engine_.seed(std::bit_cast<std::uint32_t>(Single(timeOfDay)));
}

double RandomSource::Rnd() {
  return double(engine_() - std::minstd_rand::min()) /
         double(std::minstd_rand::max() - std::minstd_rand::min() + 1);
}

void RandomizeFromGameTime(Game& game) {
  const ShellState& shell = game.shell;
  const double seconds = shell.StartTimeOfDay + double(shell.GameTicks) * 0.02;
  game.sim.Random.Randomize(std::fmod(seconds, 86400.0));
}

}  // namespace quillmoor
