// The asteroid: a lumpy, flat-faced rock drawn at 1/0.05 of these units,
// about 1.5 long, spinning about z as it passes 4 above the tube axis. Its
// radius stays within 16.5 (0.83 in the scene), clear of the tube's frames.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include <glm/geometric.hpp>

#include "assets/models/mesh_part.h"
#include "assets/models/model_builders.h"
#include "assets/models/shapes.h"

namespace quillmoor::assets {

namespace {

constexpr float kRadius = 13;
constexpr float kMostRadius = 16.5f;
constexpr float kStretch = 0.25f;  // longer along x than across

// Lobes (positive) and craters (negative) in fixed directions.
struct Feature {
  glm::vec3 direction;
  float height;
};
constexpr Feature kFeatures[] = {{{1, 0.3f, 0.2f}, 0.22f},        {{-0.8f, 0.5f, -0.3f}, 0.18f},
                                 {{0.2f, -1, 0.4f}, -0.16f},      {{0.1f, 0.6f, 1}, -0.22f},
                                 {{-0.3f, -0.4f, -1}, 0.16f},     {{0.7f, 0.7f, -0.5f}, -0.14f},
                                 {{-1, -0.6f, 0.5f}, -0.15f},     {{0.3f, 1, -0.2f}, 0.12f},
                                 {{-0.2f, -0.7f, -0.7f}, -0.12f}, {{0.6f, -0.5f, 0.6f}, 0.14f}};

// A small fixed roughness per corner, -0.04 .. 0.04.
float Roughness(std::uint32_t corner) {
  const std::uint32_t h = corner * 2654435761u;
  return (float(h >> 8) / 16777216.0f - 0.5f) * 0.08f;
}

float RadiusToward(glm::vec3 direction, std::uint32_t corner) {
  float bulge = Roughness(corner) + kStretch * direction.x * direction.x;
  for (const Feature& f : kFeatures) {
    const float facing = std::max(0.0f, glm::dot(direction, glm::normalize(f.direction)));
    bulge += f.height * facing * facing * facing;
  }
  return std::min(kRadius * (1 + bulge), kMostRadius);
}

}  // namespace

ModelMesh AsteroidModel() {
  PointMesh sphere = Icosphere(2);
  for (std::uint32_t i = 0; i < sphere.points.size(); ++i) {
    sphere.points[i] *= RadiusToward(sphere.points[i], i);
  }
  Part rock;
  for (const Triangle& t : sphere.triangles) {
    const glm::vec3 a = sphere.points[t[0]], b = sphere.points[t[1]], c = sphere.points[t[2]];
    AddFlatPolygon(rock, {{a, {}, {}}, {b, {}, {}}, {c, {}, {}}}, a + b + c);
  }
  std::vector<MaterialPart> parts = {{rock, 0}};
  BoxMapUvs(parts);
  return Assemble("aster", {MakeMaterial("Rock", 0.85f, 0.82f, 0.78f, "t-cement.res")}, parts);
}

}  // namespace quillmoor::assets
