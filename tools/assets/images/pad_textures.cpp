#include <algorithm>

#include "assets/images/noise.h"
#include "assets/images/palette.h"
#include "assets/images/pictures.h"
#include "assets/images/shapes.h"

namespace quillmoor::assets {

namespace {

constexpr int kSize = 256;

// A dark plate with a glowing rim and three chevrons. The top of the image
// is the far end of the pad: boost chevrons point there, brake chevrons
// point back at the craft.
Canvas PadImage(Colour light, bool pointsAhead) {
  Canvas pad(kSize, kSize);
  const TiledNoise grain(70, 16, 3);
  PaintEach(pad, [&](float x, float y) {
    const float shade = 0.8f + grain(x / 16, y / 16) * 0.4f;
    const Colour base = Rgb(16, 24, 38);
    return Colour{base.r * shade, base.g * shade, base.b * shade, 1};
  });
  const glm::vec2 low(14), high(kSize - 14);
  DrawBox(pad, low, high, 22, 10, WithAlpha(light, 0.35f), 22);
  DrawBox(pad, low, high, 22, 5, light);
  DrawBox(pad, low, high, 22, 1.5f, WithAlpha(palette::kWhite, 0.7f));
  for (int i = 0; i < 3; ++i) {
    const float tipY = pointsAhead ? 52.0f + i * 56 : 204.0f - i * 56;
    const float armY = pointsAhead ? tipY + 44 : tipY - 44;
    const glm::vec2 tip(kSize / 2.0f, tipY), left(kSize / 2.0f - 60, armY),
        right(kSize / 2.0f + 60, armY);
    // The chevron nearest the far end is the brightest.
    const float strength = 1.0f - i * 0.22f;
    const auto chevron = [&](glm::vec2 p) {
      return std::min(SegmentDistance(p, left, tip, 0), SegmentDistance(p, tip, right, 0));
    };
    const glm::vec2 boxLow(left.x, std::min(tipY, armY)), boxHigh(right.x, std::max(tipY, armY));
    const auto stroke = [&](float halfWidth, Colour colour, float softness) {
      PaintShape(
          pad, boxLow - halfWidth, boxHigh + halfWidth,
          [&](glm::vec2 p) { return chevron(p) - halfWidth; }, colour, softness);
    };
    stroke(14, WithAlpha(light, 0.4f * strength), 24);
    stroke(9, WithAlpha(light, strength), 1);
    stroke(3, WithAlpha(palette::kWhite, 0.55f * strength), 1);
  }
  return pad;
}

}  // namespace

Canvas BoostPadImage() { return PadImage(Rgb(70, 255, 150), true); }

Canvas BrakePadImage() { return PadImage(Rgb(255, 64, 48), false); }

}  // namespace quillmoor::assets
