#include "assets/images/shapes.h"

namespace quillmoor::assets {

float EdgeCoverage(float distance, float softness) {
  const float half = std::max(softness, 1.0f) / 2;
  const float t = std::clamp((half - distance) / (2 * half), 0.0f, 1.0f);
  return t * t * (3 - 2 * t);
}

float DiscDistance(glm::vec2 p, glm::vec2 centre, float radius) {
  return glm::length(p - centre) - radius;
}

float SegmentDistance(glm::vec2 p, glm::vec2 a, glm::vec2 b, float halfWidth) {
  const glm::vec2 ab = b - a;
  const float along = glm::dot(ab, ab) > 0 ? glm::dot(p - a, ab) / glm::dot(ab, ab) : 0;
  return glm::length(p - (a + ab * std::clamp(along, 0.0f, 1.0f))) - halfWidth;
}

float BoxDistance(glm::vec2 p, glm::vec2 low, glm::vec2 high, float cornerRadius) {
  const glm::vec2 centre = (low + high) / 2.0f;
  const glm::vec2 inner = (high - low) / 2.0f - glm::vec2(cornerRadius);
  const glm::vec2 q = glm::abs(p - centre) - inner;
  return glm::length(glm::max(q, glm::vec2(0))) + std::min(std::max(q.x, q.y), 0.0f) - cornerRadius;
}

void FillDisc(Canvas& canvas, glm::vec2 centre, float radius, Colour colour, float softness) {
  PaintShape(
      canvas, centre - radius, centre + radius,
      [&](glm::vec2 p) { return DiscDistance(p, centre, radius); }, colour, softness);
}

void DrawRing(Canvas& canvas, glm::vec2 centre, float radius, float width, Colour colour,
              float softness) {
  // Only the pixels of the band are visited, row by row: big rings stay cheap.
  const float reach = width / 2 + std::max(softness, 1.0f);
  const float outer = radius + reach, inner = std::max(radius - reach, 0.0f);
  const int y0 = std::max(int(std::floor(centre.y - outer)), 0);
  const int y1 = std::min(int(std::ceil(centre.y + outer)), canvas.height - 1);
  for (int y = y0; y <= y1; ++y) {
    const float dy = y + 0.5f - centre.y;
    const float outerHalf = std::sqrt(std::max(outer * outer - dy * dy, 0.0f));
    const float innerHalf = std::sqrt(std::max(inner * inner - dy * dy, 0.0f));
    // The band crosses the row in two spans, which meet above and below the hole.
    const int leftFrom = std::max(int(std::floor(centre.x - outerHalf)) - 1, 0);
    const int leftTo = int(std::ceil(centre.x - innerHalf)) + 1;
    const int rightFrom = std::max(int(std::floor(centre.x + innerHalf)) - 1, leftTo + 1);
    const int rightTo = std::min(int(std::ceil(centre.x + outerHalf)) + 1, canvas.width - 1);
    for (int x = leftFrom; x <= rightTo; ++x) {
      if (x > leftTo && x < rightFrom) x = rightFrom;
      const float d = std::abs(DiscDistance(glm::vec2(x + 0.5f, y + 0.5f), centre, radius));
      Cover(canvas, x, y, colour, EdgeCoverage(d - width / 2, softness));
    }
  }
}

void DrawLine(Canvas& canvas, glm::vec2 a, glm::vec2 b, float width, Colour colour,
              float softness) {
  PaintShape(
      canvas, glm::min(a, b) - width, glm::max(a, b) + width,
      [&](glm::vec2 p) { return SegmentDistance(p, a, b, width / 2); }, colour, softness);
}

void FillBox(Canvas& canvas, glm::vec2 low, glm::vec2 high, float cornerRadius, Colour colour,
             float softness) {
  PaintShape(
      canvas, low, high, [&](glm::vec2 p) { return BoxDistance(p, low, high, cornerRadius); },
      colour, softness);
}

void DrawBox(Canvas& canvas, glm::vec2 low, glm::vec2 high, float cornerRadius, float width,
             Colour colour, float softness) {
  PaintShape(
      canvas, low - width, high + width,
      [&](glm::vec2 p) { return std::abs(BoxDistance(p, low, high, cornerRadius)) - width / 2; },
      colour, softness);
}

void AddGlow(Canvas& canvas, glm::vec2 centre, float radius, Colour light, float strength) {
  const float reach = radius * 2.5f;
  const int x0 = std::max(int(centre.x - reach), 0),
            x1 = std::min(int(centre.x + reach), canvas.width - 1);
  const int y0 = std::max(int(centre.y - reach), 0),
            y1 = std::min(int(centre.y + reach), canvas.height - 1);
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const glm::vec2 d = (glm::vec2(x + 0.5f, y + 0.5f) - centre) / radius;
      AddLight(canvas, x, y, light, strength * std::exp(-glm::dot(d, d)));
    }
  }
}

}  // namespace quillmoor::assets
