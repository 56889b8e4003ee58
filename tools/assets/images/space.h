#pragma once

#include <cstdint>

#include "assets/images/canvas.h"

namespace quillmoor::assets {

// Fills the canvas with deep blue night and teal clouds drifting through it;
// `cells` sets the size of the largest clouds (the canvas repeats seamlessly
// when it is square).
void PaintNebula(Canvas& canvas, std::uint32_t seed, int cells, float cloudiness);

// Stars of many sizes and tints, the brightest with a soft halo and rays.
// They wrap round the edges, so a tiling canvas stays tiling.
void PaintStars(Canvas& canvas, std::uint32_t seed, int count, float brightness);

}  // namespace quillmoor::assets
