// The flyer that crosses the menu scene, drawn at 1/0.05 of these units
// (about 1.1 wide and 1.2 long) and turned so that its nose (+z) points the
// way it flies. Its two blinking lights, drawn at (+-7, -1.5, -5.2), lie
// just above the wing tops; the engine pods hang outboard of them.

#include <vector>

#include <glm/gtc/matrix_transform.hpp>

#include "assets/models/craft_parts.h"
#include "assets/models/model_builders.h"
#include "assets/models/shapes.h"

namespace quillmoor::assets {

namespace {

enum Material { kHull, kCanopy, kTrim, kEngine };

constexpr float kPodX = 10, kPodY = -2.2f;

Part PodPair() {
  const LoftSection pod[] = {
      {3, 0, 0.5f, 0.5f}, {1, 0, 1.3f, 1.3f}, {-7, 0, 1.3f, 1.3f}, {-9.5f, 0, 1.0f, 1.0f}};
  Part part = Loft(pod, 8);
  Transform(part, glm::translate(glm::mat4(1), glm::vec3(kPodX, kPodY, 0)));
  return WithMirrorX(part);
}

}  // namespace

ModelMesh FlyerModel() {
  const LoftSection body[] = {{13, -0.4f, 0.6f, 0.5f},
                              {9, -0.2f, 2.8f, 2.0f},
                              {2, 0.1f, 3.6f, 2.8f},
                              {-6, 0.3f, 3.6f, 2.8f},
                              {-10, 0.3f, 2.8f, 2.2f}};
  const LoftSection canopy[] = {
      {9, 2.0f, 0.4f, 0.4f}, {6, 2.2f, 1.9f, 1.5f}, {2, 2.5f, 2.2f, 1.7f}, {-1, 2.6f, 1.5f, 1.1f}};
  // The wing tips run into the pods.
  const glm::vec2 wing[] = {{3, 4}, {9.5f, -4}, {9.5f, -8}, {3, -8.5f}};
  const glm::vec2 tail[] = {{-3, 2.8f}, {-9.5f, 2.8f}, {-11, 6.5f}, {-8, 6.5f}};

  Part hull = Loft(body, 8);
  Merge(hull, WingPair(wing, -2.6f, -1.9f));
  Merge(hull, PodPair());
  Part trim = Fin(tail, 0, 0.7f);
  Part engines = EngineBell({0, 0.3f}, 2.9f, -11.5f, 3);
  Merge(trim, EngineCore({0, 0.3f}, 2.9f, -11.5f, 3));
  for (const float x : {-kPodX, kPodX}) {
    Merge(engines, EngineBell({x, kPodY}, 1.3f, -10.5f, 2));
    Merge(trim, EngineCore({x, kPodY}, 1.3f, -10.5f, 2));
  }

  std::vector<MaterialPart> parts = {
      {hull, kHull}, {Loft(canopy, 8), kCanopy}, {trim, kTrim}, {engines, kEngine}};
  BoxMapUvs(parts);
  const char* texture = "t-kr.res";
  return Assemble("kr",
                  {MakeMaterial("Hull", 0.95f, 0.95f, 0.92f, texture),
                   MakeMaterial("Canopy", 1, 0.8f, 0.35f, texture),
                   MakeMaterial("Trim", 0.55f, 0.7f, 1, texture),
                   MakeMaterial("Engine", 0.3f, 0.3f, 0.35f, texture)},
                  parts);
}

}  // namespace quillmoor::assets
