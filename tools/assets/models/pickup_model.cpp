// The wall pickup, drawn at 1/0.04 of these units with its origin 2.6 from
// the tube axis, spinning about y: a crystal inside an upright ring, centred
// 2.2 above the origin. It reaches down to -1.9 (2.68 from the axis, just
// above the floor) and is 0.33 wide in the tube, well within the 16 degrees
// in which the craft touches it.

#include <cmath>
#include <numbers>
#include <vector>

#include <glm/gtc/matrix_transform.hpp>

#include "assets/models/mesh_part.h"
#include "assets/models/model_builders.h"
#include "assets/models/shapes.h"

namespace quillmoor::assets {

namespace {

constexpr float kCentreY = 2.2f;
constexpr float kRingRadius = 3.6f, kRingThickness = 0.5f;

enum Material { kCrystal, kRing };

Part Crystal() {
  const ProfilePoint profile[] = {{0, -3.2f, 1}, {2, 0, 0.5f}, {0, 3.2f, 0}};
  Part part = Lathe(profile, {0, 360, 6, 1}, Shading::Flat);
  // Its axis from z to y.
  Transform(part, glm::rotate(glm::mat4(1), -std::numbers::pi_v<float> / 2, glm::vec3(1, 0, 0)));
  return part;
}

// A ring in the x-y plane: a circle turned about the z axis.
Part Ring() {
  constexpr int kSides = 8;
  std::vector<ProfilePoint> profile;
  for (int k = 0; k <= kSides; ++k) {
    const float a = 2 * std::numbers::pi_v<float> * float(k) / kSides;
    profile.push_back({kRingRadius + kRingThickness * std::cos(a), kRingThickness * std::sin(a),
                       float(k) / kSides});
  }
  return Lathe(profile, {0, 360, 24, 4});
}

}  // namespace

ModelMesh PickupModel() {
  std::vector<MaterialPart> parts = {{Crystal(), kCrystal}, {Ring(), kRing}};
  for (MaterialPart& p : parts) {
    Transform(p.part, glm::translate(glm::mat4(1), glm::vec3(0, kCentreY, 0)));
  }
  const char* texture = "t-ch-r.res";
  return Assemble(
      "ochki",
      {MakeMaterial("Crystal", 0.85f, 1, 1, texture), MakeMaterial("Ring", 1, 1, 1, texture)},
      parts);
}

}  // namespace quillmoor::assets
