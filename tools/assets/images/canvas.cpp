#include "assets/images/canvas.h"

#include <algorithm>
#include <cmath>

namespace quillmoor::assets {

namespace {

Colour Premultiplied(Colour c) { return {c.r * c.a, c.g * c.a, c.b * c.a, c.a}; }

std::uint8_t Byte(float value) {
  return std::uint8_t(std::clamp(value, 0.0f, 1.0f) * 255.0f + 0.5f);
}

// Fully transparent pixels take the colour of their visible neighbours, a
// few pixels deep, so that filtering at the edge of a shape does not pull
// in black.
void BleedIntoClearPixels(Image& image) {
  const int w = image.width, h = image.height;
  std::vector<bool> coloured(std::size_t(w) * h);
  for (std::size_t i = 0; i < coloured.size(); ++i) coloured[i] = image.rgba[i * 4 + 3] != 0;
  for (int pass = 0; pass < 4; ++pass) {
    bool spread = false;
    std::vector<bool> next = coloured;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const std::size_t i = std::size_t(y) * w + x;
        if (coloured[i]) continue;
        int sum[3] = {0, 0, 0}, count = 0;
        for (int v = std::max(y - 1, 0); v <= std::min(y + 1, h - 1); ++v) {
          for (int u = std::max(x - 1, 0); u <= std::min(x + 1, w - 1); ++u) {
            const std::size_t j = std::size_t(v) * w + u;
            if (!coloured[j]) continue;
            for (int c = 0; c < 3; ++c) sum[c] += image.rgba[j * 4 + c];
            ++count;
          }
        }
        if (count == 0) continue;
        for (int c = 0; c < 3; ++c) image.rgba[i * 4 + c] = std::uint8_t(sum[c] / count);
        next[i] = true;
        spread = true;
      }
    }
    if (!spread) return;
    coloured = std::move(next);
  }
}

}  // namespace

Canvas::Canvas(int w, int h, Colour fill)
    : width(w), height(h), pixels(std::size_t(w) * h, Premultiplied(fill)) {}

void Cover(Canvas& canvas, int x, int y, Colour colour, float coverage) {
  if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height || coverage <= 0) return;
  const float alpha = std::clamp(colour.a * coverage, 0.0f, 1.0f);
  const Colour source = Premultiplied(WithAlpha(colour, alpha));
  Colour& pixel = canvas.at(x, y);
  const float keep = 1 - source.a;
  pixel = {source.r + pixel.r * keep, source.g + pixel.g * keep, source.b + pixel.b * keep,
           source.a + pixel.a * keep};
}

void AddLight(Canvas& canvas, int x, int y, Colour light, float amount) {
  if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height || amount <= 0) return;
  Colour& pixel = canvas.at(x, y);
  const float k = amount * light.a;
  pixel.r = std::min(pixel.r + light.r * k, 1.0f);
  pixel.g = std::min(pixel.g + light.g * k, 1.0f);
  pixel.b = std::min(pixel.b + light.b * k, 1.0f);
  pixel.a = std::max({pixel.a, pixel.r, pixel.g, pixel.b});
}

Canvas Shrunk(const Canvas& canvas, int width, int height) {
  Canvas result(width, height);
  const float sx = float(canvas.width) / width, sy = float(canvas.height) / height;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      // Each source pixel counts by how much of it lies in the new pixel.
      const float x0 = x * sx, x1 = x0 + sx, y0 = y * sy, y1 = y0 + sy;
      Colour sum{0, 0, 0, 0};
      for (int v = int(y0); v < std::min(int(std::ceil(y1)), canvas.height); ++v) {
        const float wy = std::min(y1, v + 1.0f) - std::max(y0, float(v));
        for (int u = int(x0); u < std::min(int(std::ceil(x1)), canvas.width); ++u) {
          const float w = wy * (std::min(x1, u + 1.0f) - std::max(x0, float(u)));
          const Colour& c = canvas.at(u, v);
          sum = {sum.r + c.r * w, sum.g + c.g * w, sum.b + c.b * w, sum.a + c.a * w};
        }
      }
      const float area = sx * sy;
      result.at(x, y) = {sum.r / area, sum.g / area, sum.b / area, sum.a / area};
    }
  }
  return result;
}

Canvas Enlarged(const Canvas& canvas, int width, int height) {
  Canvas result(width, height);
  const float sx = float(canvas.width) / width, sy = float(canvas.height) / height;
  const auto wrap = [](int i, int size) { return ((i % size) + size) % size; };
  for (int y = 0; y < height; ++y) {
    const float v = (y + 0.5f) * sy - 0.5f;
    const int v0 = int(std::floor(v));
    const float ty = v - v0;
    for (int x = 0; x < width; ++x) {
      const float u = (x + 0.5f) * sx - 0.5f;
      const int u0 = int(std::floor(u));
      const float tx = u - u0;
      const Colour& a = canvas.at(wrap(u0, canvas.width), wrap(v0, canvas.height));
      const Colour& b = canvas.at(wrap(u0 + 1, canvas.width), wrap(v0, canvas.height));
      const Colour& c = canvas.at(wrap(u0, canvas.width), wrap(v0 + 1, canvas.height));
      const Colour& d = canvas.at(wrap(u0 + 1, canvas.width), wrap(v0 + 1, canvas.height));
      result.at(x, y) = Mix(Mix(a, b, tx), Mix(c, d, tx), ty);
    }
  }
  return result;
}

Image ToImage(const Canvas& canvas) {
  Image image{canvas.width, canvas.height, {}};
  image.rgba.reserve(canvas.pixels.size() * 4);
  for (const Colour& c : canvas.pixels) {
    const float a = std::clamp(c.a, 0.0f, 1.0f);
    const float unmultiply = a > 0 ? 1 / a : 0;
    image.rgba.push_back(Byte(c.r * unmultiply));
    image.rgba.push_back(Byte(c.g * unmultiply));
    image.rgba.push_back(Byte(c.b * unmultiply));
    image.rgba.push_back(Byte(a));
  }
  BleedIntoClearPixels(image);
  return image;
}

}  // namespace quillmoor::assets
