#pragma once

#include <cstddef>
#include <vector>

#include "assets/sounds/clip.h"

namespace quillmoor::assets::sounds {

// Adds `sound` times `gain` into `mix` from sample `at` on; the mix grows to fit.
void MixInto(std::vector<float>& mix, const std::vector<float>& sound, std::size_t at,
             float gain);

// Adds a mono sound into a loop from sample `at` on, panned -1 (left) .. 1
// (right) with equal power when the loop is stereo. What runs past the end of
// the loop goes on from its start.
void MixIntoLoop(Clip& loop, const std::vector<float>& sound, std::size_t at, float gain,
                 float pan = 0.0f);

// Adds one loop into another of the same length.
void MixLoops(Clip& into, const Clip& loop, float gain);

// Scales the clip so that its loudest sample sits at `peak_db` dB below full scale.
void NormalizePeak(Clip& clip, double peak_db);

// A finished one-shot effect: mono, faded to silence over its last few
// milliseconds, normalized to `peak_db`.
Clip OneShot(std::vector<float> samples, int sample_rate, double peak_db);

}  // namespace quillmoor::assets::sounds
