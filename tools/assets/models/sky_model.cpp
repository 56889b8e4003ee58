// The sky: a sphere seen from the inside, drawn 40 units down the tube. With
// a radius of 200 it holds the whole tube and the menu scene, and its far
// side stays within the far plane (300) from every camera position.

#include <cmath>
#include <numbers>
#include <vector>

#include <glm/gtc/matrix_transform.hpp>

#include "assets/models/mesh_part.h"
#include "assets/models/model_builders.h"
#include "assets/models/shapes.h"

namespace quillmoor::assets {

ModelMesh SkyModel() {
  constexpr float kRadius = 200;
  constexpr int kBands = 12;
  // Top pole to bottom pole: walked downwards, the bands face the centre.
  std::vector<ProfilePoint> profile;
  for (int k = 0; k <= kBands; ++k) {
    const float a = std::numbers::pi_v<float> * float(k) / kBands;
    profile.push_back({kRadius * std::sin(a), kRadius * std::cos(a), 3.0f * float(k) / kBands});
  }
  Part sphere = Lathe(profile, {0, 360, 24, 6});
  // Poles up and down, so that the views along the tube meet no pinch.
  Transform(sphere, glm::rotate(glm::mat4(1), -std::numbers::pi_v<float> / 2, glm::vec3(1, 0, 0)));
  const MaterialPart parts[] = {{sphere, 0}};
  return Assemble("nebo", {MakeMaterial("Stars", 1, 1, 1, "t-Stars20.res")}, parts);
}

}  // namespace quillmoor::assets
