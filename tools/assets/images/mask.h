#pragma once

#include <vector>

#include "assets/images/canvas.h"

namespace quillmoor::assets {

// Coverage 0 .. 1 per pixel, top row first: the shape of text or of a glow.
struct Mask {
  int width = 0;
  int height = 0;
  std::vector<float> coverage;

  float at(int x, int y) const { return coverage[std::size_t(y) * width + x]; }
  float& at(int x, int y) { return coverage[std::size_t(y) * width + x]; }
};

// The mask with an empty border of `margin` pixels on every side.
Mask Framed(const Mask& mask, int margin);
// The mask softened by three box blurs of the radius, close to a Gaussian.
Mask Blurred(const Mask& mask, int radius);

// Lays the colour over the canvas through the mask placed with its top-left
// corner at (left, top).
void PaintMask(Canvas& canvas, const Mask& mask, int left, int top, Colour colour);
// The same with a colour per canvas pixel.
template <class ColourAt>
void PaintMask(Canvas& canvas, const Mask& mask, int left, int top, ColourAt colourAt) {
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x) {
      const float c = mask.at(x, y);
      if (c > 0) Cover(canvas, left + x, top + y, colourAt(left + x + 0.5f, top + y + 0.5f), c);
    }
  }
}
// Adds light through the mask.
void AddMaskLight(Canvas& canvas, const Mask& mask, int left, int top, Colour light,
                  float strength);

}  // namespace quillmoor::assets
