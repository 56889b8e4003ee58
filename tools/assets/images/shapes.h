#pragma once

#include <algorithm>
#include <cmath>
#include <glm/geometric.hpp>
#include <glm/vec2.hpp>

#include "assets/images/canvas.h"

namespace quillmoor::assets {

// How much of a pixel a shape covers, from the pixel centre's signed
// distance to the shape's edge (negative inside): a one-pixel smooth edge,
// or a wider soft one.
float EdgeCoverage(float distance, float softness = 1);

// Lays the colour over the pixels of the box [low, high] by the coverage of
// the shape whose signed distance the function gives for a pixel centre.
template <class Distance>
void PaintShape(Canvas& canvas, glm::vec2 low, glm::vec2 high, Distance distance, Colour colour,
                float softness = 1) {
  const int x0 = std::max(int(std::floor(low.x - softness)), 0);
  const int y0 = std::max(int(std::floor(low.y - softness)), 0);
  const int x1 = std::min(int(std::ceil(high.x + softness)), canvas.width - 1);
  const int y1 = std::min(int(std::ceil(high.y + softness)), canvas.height - 1);
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const float d = distance(glm::vec2(x + 0.5f, y + 0.5f));
      Cover(canvas, x, y, colour, EdgeCoverage(d, softness));
    }
  }
}

// Signed distances, in pixels.
float DiscDistance(glm::vec2 p, glm::vec2 centre, float radius);
float SegmentDistance(glm::vec2 p, glm::vec2 a, glm::vec2 b, float halfWidth);
float BoxDistance(glm::vec2 p, glm::vec2 low, glm::vec2 high, float cornerRadius);

void FillDisc(Canvas& canvas, glm::vec2 centre, float radius, Colour colour, float softness = 1);
void DrawRing(Canvas& canvas, glm::vec2 centre, float radius, float width, Colour colour,
              float softness = 1);
void DrawLine(Canvas& canvas, glm::vec2 a, glm::vec2 b, float width, Colour colour,
              float softness = 1);
void FillBox(Canvas& canvas, glm::vec2 low, glm::vec2 high, float cornerRadius, Colour colour,
             float softness = 1);
void DrawBox(Canvas& canvas, glm::vec2 low, glm::vec2 high, float cornerRadius, float width,
             Colour colour, float softness = 1);

// Light added around a point, fading as exp(-(d / radius)^2); it reaches
// out to two and a half radii.
void AddGlow(Canvas& canvas, glm::vec2 centre, float radius, Colour light, float strength);

}  // namespace quillmoor::assets
