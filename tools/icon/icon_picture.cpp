#include "icon/icon_picture.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quillmoor::icon {

namespace {

constexpr Colour Hex(unsigned rgb, float alpha = 1) {
  return {float((rgb >> 16) & 0xff) / 255, float((rgb >> 8) & 0xff) / 255,
          float(rgb & 0xff) / 255, alpha};
}

// Source-over, straight colours.
Colour Over(Colour below, Colour above) {
  const float alpha = above.alpha + below.alpha * (1 - above.alpha);
  if (alpha <= 0) return {};
  auto mix = [&](float a, float b) {
    return (b * above.alpha + a * below.alpha * (1 - above.alpha)) / alpha;
  };
  return {mix(below.red, above.red), mix(below.green, above.green), mix(below.blue, above.blue),
          alpha};
}

bool InRoundedTile(float x, float y) {
  constexpr float kLeft = 8, kRight = 248, kRadius = 40;
  if (x < kLeft || x > kRight || y < kLeft || y > kRight) return false;
  const float cx = std::clamp(x, kLeft + kRadius, kRight - kRadius);
  const float cy = std::clamp(y, kLeft + kRadius, kRight - kRadius);
  return std::hypot(x - cx, y - cy) <= kRadius;
}

// The far end of the tube is the lightest.
Colour Depth(float x, float y) {
  const Colour near = Hex(0x15527f), far = Hex(0x06102a);
  const float t = std::min(std::hypot(x - 128, y - 100) / 140, 1.0f);
  return {near.red + (far.red - near.red) * t, near.green + (far.green - near.green) * t,
          near.blue + (far.blue - near.blue) * t, 1};
}

struct Ring {
  float centreY, radius, width, opacity;
};
constexpr std::array<Ring, 3> kRings{{
    {136, 100, 14, 1.0f},
    {120, 60, 10, 0.8f},
    {108, 30, 7, 0.6f},
}};

// The craft, seen from behind: an arrowhead notched at the back, pointing
// into the tube.
bool InCraft(float x, float y) {
  constexpr std::array<std::array<float, 2>, 4> kPoints{
      {{128, 146}, {168, 220}, {128, 202}, {88, 220}}};
  // Made of two triangles sharing the spine from the nose to the notch.
  auto inTriangle = [&](std::array<float, 2> a, std::array<float, 2> b, std::array<float, 2> c) {
    auto side = [&](std::array<float, 2> p, std::array<float, 2> q) {
      return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0]);
    };
    const float s1 = side(a, b), s2 = side(b, c), s3 = side(c, a);
    return (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
  };
  return inTriangle(kPoints[0], kPoints[1], kPoints[2]) ||
         inTriangle(kPoints[0], kPoints[2], kPoints[3]);
}

}  // namespace

Colour IconColourAt(float x, float y) {
  if (!InRoundedTile(x, y)) return {};
  Colour colour = Depth(x, y);
  for (const Ring& ring : kRings) {
    if (std::abs(std::hypot(x - 128, y - ring.centreY) - ring.radius) <= ring.width / 2) {
      colour = Over(colour, Hex(0x38e1ff, ring.opacity));
    }
  }
  if (std::hypot(x - 128, y - 100) <= 11) colour = Over(colour, Hex(0xe8fdff));
  if (InCraft(x, y)) colour = Over(colour, Hex(0xffb43c));
  return colour;
}

}  // namespace quillmoor::icon
