#include <algorithm>
#include <cmath>
#include <string>

#include "assets/images/mask.h"
#include "assets/images/palette.h"
#include "assets/images/pictures.h"
#include "assets/images/shapes.h"
#include "assets/images/text.h"

namespace quillmoor::assets {

namespace {

constexpr int kSize = 256;
const glm::vec2 kCentre(kSize / 2.0f);
constexpr float kPi = 3.14159265f;
constexpr float kTopSpeed = 2;

// The needle image points down and to the right. The head-up display turns
// it by (360 - speed x 135) degrees, clockwise on screen, so speed s reads
// at 45 - 135 s degrees (clockwise from the right): the scale runs
// anticlockwise from the lower right, over the top, to the lower left.
float ScaleAngle(float speed) { return (45 - 135 * speed) * kPi / 180; }

glm::vec2 Towards(float angle) { return glm::vec2(std::cos(angle), std::sin(angle)); }

// The colour of the scale at a speed: teal, then orange and red near the top.
Colour ScaleColour(float speed) {
  const auto step = [&](float from) { return std::clamp((speed - from) / 0.05f, 0.0f, 1.0f); };
  return Mix(Mix(palette::kTeal, palette::kOrange, step(1.5f)), palette::kEmber, step(1.8f));
}

}  // namespace

Canvas SpeedometerDialImage(const TextSetter& text) {
  Canvas dial(kSize, kSize);
  PaintShape(
      dial, glm::vec2(0), glm::vec2(kSize),
      [&](glm::vec2 p) { return DiscDistance(p, kCentre, 122); }, palette::kNight);
  PaintEach(dial, [&](float x, float y) {
    const float r = glm::length(glm::vec2(x, y) - kCentre) / 122;
    return WithAlpha(palette::kDeepBlue, r < 1 ? 0.6f * (1 - r * r) : 0.0f);
  });
  DrawRing(dial, kCentre, 119, 3, palette::kTeal);
  DrawRing(dial, kCentre, 124, 1.5f, WithAlpha(palette::kPaleTeal, 0.5f));
  // The scale: a coloured band with fine ticks every 0.1 and long ones every 0.5.
  for (float s = 0; s <= kTopSpeed; s += 0.01f) {
    const glm::vec2 at = kCentre + Towards(ScaleAngle(s)) * 103.0f;
    FillDisc(dial, at, 3.5f, WithAlpha(ScaleColour(s), 0.85f));
  }
  for (int i = 0; i <= 20; ++i) {
    const float s = i * 0.1f;
    const bool major = i % 5 == 0;
    const glm::vec2 way = Towards(ScaleAngle(s));
    DrawLine(dial, kCentre + way * (major ? 84.0f : 92.0f), kCentre + way * 110.0f,
             major ? 4.0f : 2.0f, major ? palette::kWhite : WithAlpha(palette::kPaleTeal, 0.8f));
  }
  // Numbers at the long ticks.
  for (int i = 0; i <= 4; ++i) {
    const float s = i * 0.5f;
    const Mask label = text.Set(std::to_string(i * 50), 22, 22);
    const glm::vec2 at = kCentre + Towards(ScaleAngle(s)) * 64.0f;
    PaintMask(dial, label, int(std::lround(at.x - label.width / 2.0f)),
              int(std::lround(at.y - label.height / 2.0f)), palette::kWhite);
  }
  return dial;
}

Canvas SpeedometerNeedleImage() {
  Canvas needle(kSize, kSize);
  const glm::vec2 way = Towards(ScaleAngle(0));
  const glm::vec2 tail = kCentre - way * 22.0f, tip = kCentre + way * 106.0f;
  // A blade narrowing from the hub to the tip.
  const auto blade = [&](glm::vec2 p, float widthAtTail, float widthAtTip) {
    const glm::vec2 along = tip - tail;
    const float t = std::clamp(glm::dot(p - tail, along) / glm::dot(along, along), 0.0f, 1.0f);
    return glm::length(p - (tail + along * t)) - (widthAtTail + (widthAtTip - widthAtTail) * t);
  };
  const glm::vec2 low = glm::min(tail, tip) - 12.0f, high = glm::max(tail, tip) + 12.0f;
  PaintShape(
      needle, low, high, [&](glm::vec2 p) { return blade(p, 7, 2); },
      WithAlpha(palette::kOrange, 0.35f), 10);
  PaintShape(
      needle, low, high, [&](glm::vec2 p) { return blade(p, 5, 1.2f); }, palette::kOrange);
  PaintShape(
      needle, low, high, [&](glm::vec2 p) { return blade(p, 1.5f, 0.5f); }, palette::kWarmWhite);
  FillDisc(needle, kCentre, 13, palette::kNight);
  DrawRing(needle, kCentre, 11, 3, palette::kOrange);
  FillDisc(needle, kCentre, 4, palette::kWarmWhite);
  return needle;
}

}  // namespace quillmoor::assets
