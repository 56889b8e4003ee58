#include <algorithm>
#include <cmath>

#include "assets/images/noise.h"
#include "assets/images/pictures.h"
#include "assets/images/shapes.h"

namespace quillmoor::assets {

namespace {

constexpr int kSize = 256;

// Distance from p to q on a canvas that wraps round its edges.
glm::vec2 WrappedOffset(glm::vec2 p, glm::vec2 q) {
  glm::vec2 d = p - q;
  d -= glm::round(d / float(kSize)) * float(kSize);
  return d;
}

}  // namespace

Canvas AsteroidTexture() {
  struct Crater {
    glm::vec2 at;
    float radius;
  };
  Random random(50);
  std::vector<Crater> craters;
  for (int i = 0; i < 26; ++i) {
    craters.push_back({glm::vec2(random.Next(), random.Next()) * float(kSize),
                       4 + std::pow(random.Next(), 2.5f) * 30});
  }
  const TiledNoise bumps(51, 8, 5), grit(52, 128);
  Canvas rock(kSize, kSize);
  PaintEach(rock, [&](float x, float y) {
    const glm::vec2 p(x, y);
    float height = bumps(x / 32, y / 32);
    // Light from the upper left: shade by the slope of the bumps.
    const float slope = height - bumps((x + 1.5f) / 32, (y + 1.5f) / 32);
    float light = 0.75f + slope * 9;
    for (const Crater& crater : craters) {
      const glm::vec2 d = WrappedOffset(p, crater.at);
      const float r = glm::length(d) / crater.radius;
      if (r > 1.3f) continue;
      // A bowl, lit on its far wall, with a raised rim lit on the near side.
      const float facing = -(d.x + d.y) / (glm::length(d) + 0.001f) / std::sqrt(2.0f);
      if (r < 1)
        light += -facing * 0.35f * r - 0.12f;
      else
        light += facing * 0.3f * (1.3f - r) / 0.3f;
    }
    const float speck = grit(x / 2, y / 2);
    const float shade = std::clamp(light, 0.2f, 1.3f) * (0.85f + speck * 0.25f);
    const Colour stone = Rgb(136, 126, 116);
    return Colour{stone.r * shade, stone.g * shade, stone.b * shade * 1.04f, 1};
  });
  return rock;
}

}  // namespace quillmoor::assets
