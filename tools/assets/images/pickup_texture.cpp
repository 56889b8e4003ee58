#include <algorithm>
#include <cmath>
#include <vector>

#include "assets/images/noise.h"
#include "assets/images/palette.h"
#include "assets/images/pictures.h"
#include "assets/images/shapes.h"

namespace quillmoor::assets {

// Stained glass: the pickup is drawn multiplied into the picture, so its
// bright panes tint what lies behind and the dark leading darkens it.
Canvas PickupTexture() {
  constexpr int kSize = 256;
  const Colour panes[] = {palette::kPaleTeal, Rgb(255, 140, 230), Rgb(255, 210, 120),
                          Rgb(150, 190, 255), palette::kWarmWhite};
  struct Cell {
    glm::vec2 at;
    Colour colour;
  };
  Random random(60);
  std::vector<Cell> cells;
  for (int i = 0; i < 22; ++i) {
    cells.push_back({glm::vec2(random.Next(), random.Next()) * float(kSize),
                     panes[int(random.Next() * 5) % 5]});
  }
  Canvas glass(kSize, kSize);
  std::vector<glm::vec2> offsets(cells.size());
  PaintEach(glass, [&](float x, float y) {
    // Offsets from every cell centre to the pixel, on a canvas that wraps
    // round its edges, and the nearest centre.
    std::size_t nearest = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const glm::vec2 d = glm::vec2(x, y) - cells[i].at;
      offsets[i] = d - glm::round(d / float(kSize)) * float(kSize);
      if (glm::dot(offsets[i], offsets[i]) < glm::dot(offsets[nearest], offsets[nearest])) {
        nearest = i;
      }
    }
    // Distance to the nearest border: the closest bisector to another cell.
    const glm::vec2 own = offsets[nearest];
    float edge = 1e9f;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const glm::vec2 across = own - offsets[i];  // from the nearest centre to this one
      const float length = glm::length(across);
      if (length > 0) edge = std::min(edge, -glm::dot((own + offsets[i]) / 2.0f, across) / length);
    }
    const float lead = std::clamp((edge - 2.0f) / 1.5f, 0.0f, 1.0f);
    const float glow = 0.85f + 0.15f * std::clamp(edge / 20, 0.0f, 1.0f);
    const Colour& colour = cells[nearest].colour;
    return Mix(Rgb(30, 30, 44), Colour{colour.r * glow, colour.g * glow, colour.b * glow, 1}, lead);
  });
  return glass;
}

}  // namespace quillmoor::assets
