#include <algorithm>
#include <cmath>

#include "assets/images/palette.h"
#include "assets/images/pictures.h"

namespace quillmoor::assets {

namespace {

constexpr int kScreenWidth = 800, kScreenHeight = 600, kSize = 256;

float SmoothStep(float from, float to, float x) {
  const float t = std::clamp((x - from) / (to - from), 0.0f, 1.0f);
  return t * t * (3 - 2 * t);
}

}  // namespace

// A visor laid over the whole screen: edges darkening into the night, a
// faint sheen across the upper left and fine scan lines. It is stretched to
// 800 x 600, so it is painted at that size and then shrunk. The middle stays
// clear: the overlay is drawn over the menu texts too.
Canvas OverlayImage() {
  Canvas screen(kScreenWidth, kScreenHeight);
  PaintEach(screen, [](float x, float y) {
    const float dx = (x - kScreenWidth / 2.0f) / (kScreenWidth / 2.0f);
    const float dy = (y - kScreenHeight / 2.0f) / (kScreenHeight / 2.0f);
    const float edge = SmoothStep(0.9f, 1.5f, std::sqrt(dx * dx + dy * dy));
    return WithAlpha(palette::kNight, 0.5f * edge);
  });
  PaintEach(screen, [](float x, float y) {
    const float across = (x + y * 1.6f) / kScreenWidth;
    const float sheen = SmoothStep(0.05f, 0.3f, across) * (1 - SmoothStep(0.3f, 0.6f, across));
    return WithAlpha(palette::kPaleTeal, 0.05f * sheen);
  });
  Canvas visor = Shrunk(screen, kSize, kSize);
  for (int y = 0; y < kSize; y += 2) {
    for (int x = 0; x < kSize; ++x) Cover(visor, x, y, palette::kNight, 0.05f);
  }
  return visor;
}

}  // namespace quillmoor::assets
