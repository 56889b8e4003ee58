#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "assets/images/palette.h"
#include "assets/images/pictures.h"

namespace quillmoor::assets {

namespace {

// One soft blob of light, its radii a fraction of the image size.
struct GlowLayer {
  float radiusX, radiusY;
  Colour colour;
  float strength;
};

// Light on a transparent square: the layers lie over each other about the
// centre, and everything fades out before the edges so that no border of the
// square ever shows.
Canvas GlowImage(int size, std::initializer_list<GlowLayer> layers, float rays) {
  Canvas glow(size, size);
  PaintEach(glow, [&](float x, float y) {
    const float dx = x / size - 0.5f, dy = y / size - 0.5f;
    const float r = std::sqrt(dx * dx + dy * dy) * 2;
    const float angle = std::atan2(dy, dx);
    const float rayShape = 1 + rays * std::pow(std::abs(std::cos(angle * 3)), 24.0f) * r;
    float clear = 1, red = 0, green = 0, blue = 0, total = 0;
    for (const GlowLayer& layer : layers) {
      const float u = dx / layer.radiusX, v = dy / layer.radiusY;
      const float light = std::min(layer.strength * std::exp(-(u * u + v * v)) * rayShape, 1.0f);
      clear *= 1 - light;
      red += layer.colour.r * light;
      green += layer.colour.g * light;
      blue += layer.colour.b * light;
      total += light;
    }
    const float t = std::clamp((1 - r) / 0.45f, 0.0f, 1.0f);
    const float edge = t * t * (3 - 2 * t);
    if (total <= 0) return Colour{1, 1, 1, 0};
    return Colour{red / total, green / total, blue / total, (1 - clear) * edge};
  });
  return glow;
}

}  // namespace

// Drawn behind the craft much larger than the craft itself and tinted by
// the throttle: a small white-hot core in a wide, faint warm haze.
Canvas ExhaustGlowImage() {
  return GlowImage(256,
                   {{0.035f, 0.03f, palette::kWhite, 1.0f},
                    {0.09f, 0.075f, palette::kWarmWhite, 0.7f},
                    {0.24f, 0.2f, Rgb(255, 214, 170), 0.28f},
                    {0.42f, 0.018f, palette::kWarmWhite, 0.35f}},
                   0);
}

// Tinted by the menu's colour cycle: a soft light with faint rays.
Canvas MenuGlowImage() {
  return GlowImage(128,
                   {{0.08f, 0.08f, palette::kWhite, 0.9f},
                    {0.22f, 0.22f, palette::kWhite, 0.45f},
                    {0.32f, 0.32f, palette::kWhite, 0.25f}},
                   0.4f);
}

}  // namespace quillmoor::assets
