#include "assets/images/palette.h"
#include "assets/images/pictures.h"
#include "assets/images/shapes.h"

namespace quillmoor::assets {

namespace {

// The bar is drawn 1.4 times as wide as its image: it is painted at the
// size it shows and then narrowed, so that its round ends stay round.
constexpr int kShownWidth = 179, kWidth = 128, kHeight = 16;

}  // namespace

Canvas ProgressFrameImage() {
  Canvas frame(kShownWidth, kHeight);
  const glm::vec2 low(1, 1), high(kShownWidth - 1, kHeight - 1);
  FillBox(frame, low, high, 7, WithAlpha(palette::kNight, 0.6f));
  DrawBox(frame, low, high, 7, 1.5f, palette::kTeal);
  for (int quarter = 1; quarter < 4; ++quarter) {
    const float x = kShownWidth * quarter / 4.0f;
    DrawLine(frame, glm::vec2(x, 2.5f), glm::vec2(x, 4), 1, WithAlpha(palette::kPaleTeal, 0.6f));
    DrawLine(frame, glm::vec2(x, 12), glm::vec2(x, 13.5f), 1, WithAlpha(palette::kPaleTeal, 0.6f));
  }
  return Shrunk(frame, kWidth, kHeight);
}

// Shown from its left end as the race goes on: teal at the start, warming
// to orange at the finish.
Canvas ProgressFillImage() {
  Canvas fill(kShownWidth, kHeight);
  const glm::vec2 low(3.5f, 4), high(kShownWidth - 3.5f, 12);
  PaintShape(
      fill, low, high, [&](glm::vec2 p) { return BoxDistance(p, low, high, 4); }, palette::kWhite);
  Canvas colour(kShownWidth, kHeight);
  PaintEach(colour, [&](float x, float y) {
    const float t = x / kShownWidth;
    const Colour along = t < 0.4f ? Mix(palette::kTeal, palette::kPaleTeal, t / 0.4f)
                         : t < 0.6f
                             ? Mix(palette::kPaleTeal, palette::kWarmWhite, (t - 0.4f) / 0.2f)
                             : Mix(palette::kWarmWhite, palette::kOrange, (t - 0.6f) / 0.4f);
    return y < 6.5f ? Mix(along, palette::kWhite, 0.45f) : along;
  });
  // The bar's shape, in the colour for each place along it.
  for (std::size_t i = 0; i < fill.pixels.size(); ++i) {
    const float a = fill.pixels[i].a;
    const Colour& c = colour.pixels[i];
    fill.pixels[i] = {c.r * a, c.g * a, c.b * a, a};
  }
  return Shrunk(fill, kWidth, kHeight);
}

}  // namespace quillmoor::assets
