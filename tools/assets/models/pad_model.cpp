// A pad: a curved plate that the game scales by 1.2 x 1.0 x 1.88 and moves
// 2.65 below the tube axis. In those world units its top is a strip of the
// circle of radius 2.65, 24 degrees wide (the width of the contact test),
// and its base lies in the floor at 2.77, so it stands proud of the floor
// as a low slab. Along z it covers the 2 units of the contact window, which
// lies 0.3 behind the pad's position.

#include <cmath>
#include <numbers>
#include <vector>

#include "assets/models/mesh_part.h"
#include "assets/models/model_builders.h"

namespace quillmoor::assets {

namespace {

constexpr float kScaleX = 1.2f, kScaleZ = 1.88f;
constexpr float kDepth = 2.65f;  // the pad's placement below the axis
constexpr float kTopRadius = 2.65f, kBaseRadius = 2.77f;
constexpr float kHalfAngle = 12;  // degrees
constexpr float kFront = 0.7f / kScaleZ, kBack = -1.3f / kScaleZ;
constexpr int kSegments = 8;
constexpr float kEdgeV = 0.06f;  // the edges show the image's top rows

enum Material { kTop, kEdge };

// The model point that lands at the world radius and angle from the bottom.
glm::vec3 At(float radius, float degrees, float z) {
  const float a = degrees * std::numbers::pi_v<float> / 180;
  return {radius * std::sin(a) / kScaleX, kDepth - radius * std::cos(a), z};
}

float Degrees(int i) { return -kHalfAngle + 2 * kHalfAngle * float(i) / kSegments; }
float Across(int i) { return float(i) / kSegments; }

// One facet of the top (or of the base) between two angles, image top forward.
void AddSheetFacet(Part& part, float radius, int i, glm::vec3 outside) {
  const float a0 = Degrees(i), a1 = Degrees(i + 1), u0 = Across(i), u1 = Across(i + 1);
  AddFlatPolygon(part,
                 {{At(radius, a0, kBack), {}, {u0, 1}},
                  {At(radius, a1, kBack), {}, {u1, 1}},
                  {At(radius, a1, kFront), {}, {u1, 0}},
                  {At(radius, a0, kFront), {}, {u0, 0}}},
                 outside);
}

}  // namespace

ModelMesh PadModel() {
  Part top, edge;
  for (int i = 0; i < kSegments; ++i) {
    AddSheetFacet(top, kTopRadius, i, {0, 1, 0});
    AddSheetFacet(edge, kBaseRadius, i, {0, -1, 0});
    const float a0 = Degrees(i), a1 = Degrees(i + 1), u0 = Across(i), u1 = Across(i + 1);
    for (const float z : {kBack, kFront}) {
      AddFlatPolygon(edge,
                     {{At(kTopRadius, a0, z), {}, {u0, 0}},
                      {At(kTopRadius, a1, z), {}, {u1, 0}},
                      {At(kBaseRadius, a1, z), {}, {u1, kEdgeV}},
                      {At(kBaseRadius, a0, z), {}, {u0, kEdgeV}}},
                     {0, 0, z});
    }
  }
  for (const float a : {-kHalfAngle, kHalfAngle}) {
    AddFlatPolygon(edge,
                   {{At(kTopRadius, a, kBack), {}, {1, 0}},
                    {At(kTopRadius, a, kFront), {}, {0, 0}},
                    {At(kBaseRadius, a, kFront), {}, {0, kEdgeV}},
                    {At(kBaseRadius, a, kBack), {}, {1, kEdgeV}}},
                   {a, 0, 0});
  }
  const MaterialPart parts[] = {{top, kTop}, {edge, kEdge}};
  return Assemble(
      "plat",
      {MakeMaterial("PadTop", 1, 1, 1, ""), MakeMaterial("PadEdge", 0.55f, 0.55f, 0.6f, "")},
      parts);
}

}  // namespace quillmoor::assets
