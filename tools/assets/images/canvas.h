#pragma once

#include <vector>

#include "platform/image.h"

namespace quillmoor::assets {

// A colour with straight alpha, every channel 0 .. 1.
struct Colour {
  float r = 0, g = 0, b = 0, a = 1;
};

// A colour from 0 .. 255 channels.
inline Colour Rgb(int r, int g, int b, float a = 1) {
  return {r / 255.0f, g / 255.0f, b / 255.0f, a};
}
// The colour with a different alpha.
inline Colour WithAlpha(Colour colour, float a) {
  colour.a = a;
  return colour;
}
// Blends every channel from `from` (t = 0) to `to` (t = 1).
inline Colour Mix(Colour from, Colour to, float t) {
  return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
          from.a + (to.a - from.a) * t};
}

// A picture being painted, top row first. Pixels are kept with
// premultiplied alpha so that covering and adding light stay simple.
struct Canvas {
  Canvas(int width, int height, Colour fill = {0, 0, 0, 0});

  int width;
  int height;
  std::vector<Colour> pixels;

  Colour& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
  const Colour& at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

// Lays the colour over one pixel with the given coverage (0 .. 1).
void Cover(Canvas& canvas, int x, int y, Colour colour, float coverage);
// Adds light to one pixel; a transparent pixel becomes as opaque as the light is bright.
void AddLight(Canvas& canvas, int x, int y, Colour light, float amount);

// Paints every pixel with the colour the function gives for its centre.
template <class ColourAt>
void PaintEach(Canvas& canvas, ColourAt colourAt) {
  for (int y = 0; y < canvas.height; ++y) {
    for (int x = 0; x < canvas.width; ++x) Cover(canvas, x, y, colourAt(x + 0.5f, y + 0.5f), 1);
  }
}

// The canvas shrunk to the given size, each new pixel the mean of the
// area it covers.
Canvas Shrunk(const Canvas& canvas, int width, int height);

// The canvas enlarged to the given size by bilinear filtering; it is read as
// repeating past its edges, so a tiling canvas stays tiling.
Canvas Enlarged(const Canvas& canvas, int width, int height);

// Eight bits a channel, straight alpha.
Image ToImage(const Canvas& canvas);

}  // namespace quillmoor::assets
