#pragma once

#include <algorithm>
#include <cmath>

#include "assets/images/canvas.h"
#include "assets/images/mask.h"

namespace quillmoor::assets {

// The game's name as the logo and the intro show it: letters shading from
// `top` to `bottom`, a slit cut across them, a soft halo of `halo` behind.
void PaintTitle(Canvas& canvas, const Mask& letters, int left, int top, Colour topColour,
                Colour bottomColour, Colour halo);

// The bar beneath the name: `halfHeight` either side of row y, from left to
// right, as opaque along its length as fade(t) says (t 0 at the left end, 1
// at the right), with `glow` times as much light spilling round it.
template <class Fade>
void PaintTitleBar(Canvas& canvas, int left, int right, float y, float halfHeight, Colour colour,
                   float glow, Fade fade) {
  const int reach = int(halfHeight * 4) + 2;
  for (int x = left; x < right; ++x) {
    const float opacity = fade(float(x - left) / float(right - left));
    for (int row = int(y) - reach; row <= int(y) + reach; ++row) {
      const float d = std::abs(row + 0.5f - y);
      Cover(canvas, x, row, colour, opacity * std::clamp(halfHeight + 0.5f - d, 0.0f, 1.0f));
      const float spill = d / (halfHeight * 1.5f);
      AddLight(canvas, x, row, colour, glow * opacity * std::exp(-spill * spill));
    }
  }
}

}  // namespace quillmoor::assets
