#pragma once

#include <cstdint>
#include <random>

namespace quillmoor {

// The game's uniform random numbers, reseeded from the time of day before
// each draw that matters.
class RandomSource {
 public:
  void Randomize(double timeOfDay);
  // A number in [0, 1).
  double Rnd();

 private:
  std::minstd_rand engine_;
};

struct Game;

// Reseeds the game's random source from the time of day of this tick.
void RandomizeFromGameTime(Game& game);

}  // namespace quillmoor
