#include "assets/models/craft_parts.h"

#include <vector>

#include <glm/gtc/matrix_transform.hpp>

#include "assets/models/shapes.h"

namespace quillmoor::assets {

namespace {

constexpr float kBore = 0.72f;  // inner radius of a bell, as a share of the outer
constexpr int kSides = 12;

Part Around(std::span<const ProfilePoint> profile, glm::vec2 centre) {
  Part part = Lathe(profile, {0, 360, kSides, 1}, Shading::Flat);
  Transform(part, glm::translate(glm::mat4(1), glm::vec3(centre, 0)));
  return part;
}

}  // namespace

Part EngineBell(glm::vec2 centre, float radius, float exitZ, float length) {
  const ProfilePoint profile[] = {{kBore * radius, exitZ + 0.8f * length},
                                  {kBore * radius, exitZ},
                                  {0.95f * radius, exitZ},
                                  {radius, exitZ + length}};
  return Around(profile, centre);
}

Part EngineCore(glm::vec2 centre, float radius, float exitZ, float length) {
  const float z = exitZ + 0.6f * length;
  const ProfilePoint profile[] = {{0, z}, {kBore * radius, z}};
  return Around(profile, centre);
}

Part WingPair(std::span<const glm::vec2> outlineXz, float y0, float y1) {
  std::vector<glm::vec3> outline;
  for (const glm::vec2& p : outlineXz) outline.push_back({p.x, y0, p.y});
  return WithMirrorX(Prism(outline, {0, y1 - y0, 0}));
}

Part Fin(std::span<const glm::vec2> outlineZy, float x, float thickness) {
  std::vector<glm::vec3> outline;
  for (const glm::vec2& p : outlineZy) outline.push_back({x - thickness / 2, p.y, p.x});
  return Prism(outline, {thickness, 0, 0});
}

}  // namespace quillmoor::assets
