#include <vector>

#include "assets/images/noise.h"
#include "assets/images/palette.h"
#include "assets/images/pictures.h"
#include "assets/images/shapes.h"

namespace quillmoor::assets {

namespace {

constexpr int kSize = 256;
constexpr float kStripeLow = 150, kStripeHigh = 192;

struct PlatingStyle {
  Colour hull;
  Colour stripe;
  Colour pinstripe;
  bool windows;  // rows of lit windows, for the station
  std::uint32_t seed;
};

struct Panel {
  glm::vec2 low, high;
};

// The square cut again and again into panels no smaller than `smallest`.
std::vector<Panel> CutPanels(Random& random, float smallest) {
  std::vector<Panel> open{{glm::vec2(0), glm::vec2(kSize)}}, done;
  while (!open.empty()) {
    const Panel panel = open.back();
    open.pop_back();
    const glm::vec2 size = panel.high - panel.low;
    const bool across = size.x >= size.y;
    const float length = across ? size.x : size.y;
    if (length < smallest * 2 || (length < smallest * 3 && random.Next() < 0.5f)) {
      done.push_back(panel);
      continue;
    }
    const float cut = std::round(random.Between(smallest, length - smallest) / 8) * 8;
    Panel first = panel, second = panel;
    if (across) {
      first.high.x = second.low.x = panel.low.x + cut;
    } else {
      first.high.y = second.low.y = panel.low.y + cut;
    }
    open.push_back(first);
    open.push_back(second);
  }
  return done;
}

Canvas PlatingTexture(const PlatingStyle& style) {
  Canvas plating(kSize, kSize);
  const TiledNoise wear(style.seed, 8, 4);
  PaintEach(plating, [&](float x, float y) {
    const float shade = 0.9f + (wear(x / 32, y / 32) - 0.5f) * 0.25f;
    return Colour{style.hull.r * shade, style.hull.g * shade, style.hull.b * shade, 1};
  });
  Random random(style.seed);
  // A broad stripe with a thin one beside it, across the whole tile.
  FillBox(plating, glm::vec2(0, kStripeLow), glm::vec2(kSize, kStripeHigh - 10), 0, style.stripe);
  FillBox(plating, glm::vec2(0, kStripeHigh - 4), glm::vec2(kSize, kStripeHigh), 0,
          style.pinstripe);
  for (const Panel& panel : CutPanels(random, 40)) {
    const float tone = (random.Next() - 0.5f) * 0.12f;
    FillBox(plating, panel.low + 2.0f, panel.high - 2.0f, 3,
            tone > 0 ? WithAlpha(palette::kWhite, tone) : WithAlpha(palette::kNight, -tone));
    DrawBox(plating, panel.low + 0.5f, panel.high - 0.5f, 3, 1.2f, WithAlpha(Rgb(8, 12, 20), 0.7f));
    DrawLine(plating, panel.low + glm::vec2(3, 2), glm::vec2(panel.high.x - 3, panel.low.y + 2), 1,
             WithAlpha(palette::kWhite, 0.35f));
    const glm::vec2 size = panel.high - panel.low;
    // Rivets along the top edge of the larger panels.
    if (size.x > 56) {
      for (float x = panel.low.x + 8; x < panel.high.x - 6; x += 12) {
        FillDisc(plating, glm::vec2(x, panel.low.y + 7), 1.6f, WithAlpha(Rgb(8, 12, 20), 0.45f));
      }
    }
    if (style.windows && size.y >= 48 && size.x >= 40) {
      for (float y = panel.low.y + 16; y < panel.high.y - 14; y += 16) {
        if (y > kStripeLow - 10 && y < kStripeHigh) continue;
        for (float x = panel.low.x + 10; x < panel.high.x - 14; x += 12) {
          const bool lit = random.Next() < 0.7f;
          FillBox(plating, glm::vec2(x, y), glm::vec2(x + 6, y + 8), 1,
                  lit ? Mix(palette::kOrange, palette::kWarmWhite, random.Next() * 0.6f)
                      : Rgb(20, 26, 38));
        }
      }
    } else if (random.Next() < 0.25f && size.x >= 48 && size.y >= 40) {
      // A small vent.
      const glm::vec2 at = (panel.low + panel.high) / 2.0f;
      for (int i = -2; i <= 2; ++i) {
        FillBox(plating, at + glm::vec2(-14, i * 6 - 1.5f), at + glm::vec2(14, i * 6 + 1.5f), 1.5f,
                Rgb(14, 18, 26));
      }
    }
  }
  return plating;
}

}  // namespace

Canvas CraftTexture() {
  return PlatingTexture({Rgb(222, 228, 234), palette::kOrange, palette::kTeal, false, 40});
}

Canvas FlyerTexture() {
  return PlatingTexture({Rgb(46, 92, 116), palette::kOrange, palette::kPaleTeal, false, 41});
}

Canvas StationTexture() {
  return PlatingTexture({Rgb(132, 144, 160), palette::kTeal, palette::kOrange, true, 42});
}

}  // namespace quillmoor::assets
