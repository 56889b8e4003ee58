#include <algorithm>
#include <cmath>

#include "assets/images/noise.h"
#include "assets/images/palette.h"
#include "assets/images/pictures.h"
#include "assets/images/shapes.h"

namespace quillmoor::assets {

namespace {

constexpr int kSize = 512;
constexpr int kPanel = 256;  // two by two panels per tile

// Distance, in pixels, from p to the nearest panel seam on one axis.
float SeamDistance(float p) {
  const float within = std::fmod(p, float(kPanel));
  return std::min(within, kPanel - within);
}

}  // namespace

Canvas TunnelWallTexture() {
  Canvas wall(kSize, kSize);
  const TiledNoise grain(30, 64, 3), stains(31, 6, 4), flecks(32, 192);
  PaintEach(wall, [&](float x, float y) {
    const float u = x / kSize, v = y / kSize;
    const float fine = grain(u * 64, v * 64);
    const float stain = stains(u * 6, v * 6);
    const float fleck = flecks(u * 192, v * 192) > 0.82f ? 0.06f : 0.0f;
    const float shade = 0.86f + (fine - 0.5f) * 0.22f - std::max(stain - 0.5f, 0.0f) * 0.5f - fleck;
    const Colour concrete = Rgb(128, 138, 150);
    return Colour{concrete.r * shade, concrete.g * shade, concrete.b * shade, 1};
  });
  // Grooves between the panels, lit from above: a dark cut with a bright lip.
  PaintEach(wall, [&](float x, float y) {
    const float d = std::min(SeamDistance(x), SeamDistance(y));
    const float cut = 1 - std::clamp((d - 2.0f) / 1.5f, 0.0f, 1.0f);
    const float lip = std::clamp(1 - std::abs(d - 4.5f) / 1.5f, 0.0f, 1.0f);
    if (cut > 0) return WithAlpha(Rgb(20, 26, 34), 0.85f * cut);
    return WithAlpha(palette::kWhite, 0.18f * lip);
  });
  for (int py = 0; py < 2; ++py) {
    for (int px = 0; px < 2; ++px) {
      const glm::vec2 low(px * kPanel, py * kPanel);
      // Panels were cast in different batches: each a little lighter or darker.
      const float tone = (HashedUnit(33, std::uint32_t(py * 2 + px)) - 0.5f) * 0.16f;
      FillBox(wall, low + 4.0f, low + float(kPanel - 4), 0,
              tone > 0 ? WithAlpha(palette::kWhite, tone) : WithAlpha(palette::kNight, -tone));
      // A raised plate in the middle of each panel.
      const glm::vec2 plateLow = low + glm::vec2(40, 40), plateHigh = low + glm::vec2(216, 216);
      DrawBox(wall, plateLow + 1.0f, plateHigh + 1.0f, 10, 2, WithAlpha(Rgb(10, 14, 20), 0.35f));
      DrawBox(wall, plateLow, plateHigh, 10, 1.5f, WithAlpha(palette::kWhite, 0.16f));
      // Bolts in the corners.
      for (const glm::vec2 corner :
           {glm::vec2(18, 18), glm::vec2(238, 18), glm::vec2(18, 238), glm::vec2(238, 238)}) {
        const glm::vec2 at = low + corner;
        FillDisc(wall, at + glm::vec2(1, 1.5f), 5, WithAlpha(Rgb(10, 14, 20), 0.5f));
        FillDisc(wall, at, 5, Rgb(150, 160, 172));
        FillDisc(wall, at - glm::vec2(1.5f), 2, WithAlpha(palette::kWhite, 0.5f));
      }
    }
  }
  // Vent slots in one plate of four.
  for (int i = 0; i < 7; ++i) {
    const glm::vec2 low(kPanel + 72.0f, kPanel + 62.0f + i * 20),
        high(kPanel + 184.0f, kPanel + 72.0f + i * 20);
    FillBox(wall, low, high, 5, Rgb(18, 22, 30));
    DrawLine(wall, glm::vec2(low.x + 4, high.y + 1), glm::vec2(high.x - 4, high.y + 1), 1,
             WithAlpha(palette::kWhite, 0.25f));
  }
  // A teal light channel in the seam that runs along the tile (it wraps
  // round the left and right edges) and warm lamps in the seams across it.
  for (const float x : {0.0f, float(kSize)}) {
    for (int i = 0; i < 8; ++i) {
      const float y = i * 64.0f + 32;
      FillBox(wall, glm::vec2(x - 7, y - 24), glm::vec2(x + 7, y + 24), 4, Rgb(16, 30, 38));
      FillBox(wall, glm::vec2(x - 4, y - 21), glm::vec2(x + 4, y + 21), 3, palette::kPaleTeal);
    }
  }
  for (const float y : {0.0f, float(kPanel), float(kSize)}) {
    for (const float x : {128.0f, 384.0f}) {
      FillDisc(wall, glm::vec2(x, y), 8, Rgb(36, 24, 16));
      FillDisc(wall, glm::vec2(x, y), 5.5f, palette::kOrange);
      FillDisc(wall, glm::vec2(x - 1.5f, y - 1.5f), 2, palette::kWarmWhite);
    }
  }
  return wall;
}

}  // namespace quillmoor::assets
