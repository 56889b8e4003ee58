#pragma once

#include <cstddef>

#include "assets/sounds/clip.h"

namespace quillmoor::assets::sounds {

// Effects for stereo loops. Their tails run on past the end of the loop into
// its start, so the loop stays seamless. `wet` is the loudness (RMS) of the
// effect against the loop it is added to.

// A small, soft room.
void AddLoopReverb(Clip& loop, float wet);

// A ping-pong echo: each repeat `delay` samples after the last, on the other
// side, `feedback` times as loud and a little darker.
void AddLoopEcho(Clip& loop, std::size_t delay, float feedback, float wet);

}  // namespace quillmoor::assets::sounds
