#include "assets/images/space.h"

#include <algorithm>
#include <cmath>

#include "assets/images/noise.h"
#include "assets/images/palette.h"
#include "assets/images/shapes.h"

namespace quillmoor::assets {

namespace {

// A star's light at every place it shows on a wrapping canvas.
void AddWrappedStar(Canvas& canvas, glm::vec2 at, float radius, Colour light, float strength,
                    float rays) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const glm::vec2 p = at + glm::vec2(dx * canvas.width, dy * canvas.height);
      const float reach = radius * 12 + 2;
      if (p.x < -reach || p.y < -reach || p.x > canvas.width + reach ||
          p.y > canvas.height + reach) {
        continue;
      }
      AddGlow(canvas, p, radius, light, strength);
      if (rays <= 0) continue;
      AddGlow(canvas, p, radius * 4, light, strength * 0.12f);
      for (const glm::vec2 ray : {glm::vec2(1, 0), glm::vec2(0, 1)}) {
        PaintShape(
            canvas, p - ray * rays - 1.0f, p + ray * rays + 1.0f,
            [&](glm::vec2 q) {
              const glm::vec2 d = q - p;
              const float along = std::abs(glm::dot(d, ray)) / rays;
              const float across = std::abs(d.x * ray.y - d.y * ray.x);
              return across - 0.6f * (1 - along);
            },
            WithAlpha(light, 0.35f * strength * light.a));
      }
    }
  }
}

}  // namespace

void PaintNebula(Canvas& target, std::uint32_t seed, int cells, float cloudiness) {
  // The clouds have no detail finer than a few pixels: they are painted at
  // half size and enlarged.
  Canvas canvas(target.width / 2, target.height / 2);
  const TiledNoise clouds(seed, cells, 4), veins(seed + 1, cells * 2, 3),
      warmth(seed + 2, cells, 2);
  PaintEach(canvas, [&](float x, float y) {
    const float u = x / canvas.width * cells, v = y / canvas.height * cells;
    const float body = clouds(u, v);
    const float fine = veins(u * 2, v * 2);
    const float cloud = std::clamp((body - 0.36f) * 2.4f, 0.0f, 1.0f) * cloudiness;
    const float wisps = std::clamp((fine - 0.45f) * 2.5f, 0.0f, 1.0f) * cloud;
    const float warm = std::clamp((warmth(u, v) - 0.55f) * 4.0f, 0.0f, 1.0f);
    Colour c = Mix(palette::kNight, Rgb(16, 42, 92), cloud);
    c = Mix(c, Rgb(34, 150, 168), wisps * 0.75f);
    c = Mix(c, Rgb(150, 70, 60), warm * wisps * 0.5f);
    return c;
  });
  target = Enlarged(canvas, target.width, target.height);
}

void PaintStars(Canvas& canvas, std::uint32_t seed, int count, float brightness) {
  Random random(seed);
  const Colour tints[] = {palette::kWhite, Rgb(190, 220, 255), Rgb(255, 226, 190),
                          palette::kPaleTeal};
  for (int i = 0; i < count; ++i) {
    const glm::vec2 at(random.Next() * canvas.width, random.Next() * canvas.height);
    // Most stars are faint; a few are big and bright.
    const float size = std::pow(random.Next(), 6.0f);
    const Colour tint = tints[int(random.Next() * 4) % 4];
    const float strength = brightness * (0.25f + 0.75f * random.Next()) * (0.5f + size);
    const float rays = size > 0.9f ? 4 + size * 10 : 0;
    AddWrappedStar(canvas, at, 0.45f + size * 1.3f, tint, strength, rays);
  }
}

}  // namespace quillmoor::assets
