// The station of the menu scene, drawn at 1/0.05 of these units. The game
// stands it up by a -90 degree turn about x, so its own up is +z here and it
// spins about z. A central stack carries, on four spokes, a habitat ring
// whose top slopes outwards by 20 degrees; the four blinking lights the game
// draws 0.8 from the axis and 0.29 up (16 and 5.8 here) sit just above
// that slope, by the ring's outer rim. Two solar panels hang below.

#include <cmath>
#include <initializer_list>
#include <numbers>
#include <vector>

#include <glm/gtc/matrix_transform.hpp>
#include <glm/vec2.hpp>

#include "assets/models/mesh_part.h"
#include "assets/models/model_builders.h"
#include "assets/models/shapes.h"

namespace quillmoor::assets {

namespace {

enum Material { kHull, kPanel, kLamp };

constexpr float kTile = 20;

// A profile of (radius, z) points, v running along it one tile per kTile units.
std::vector<ProfilePoint> Profile(std::initializer_list<glm::vec2> points) {
  std::vector<ProfilePoint> profile;
  float v = 0;
  for (const glm::vec2& p : points) {
    if (!profile.empty())
      v += std::hypot(p.x - profile.back().radius, p.y - profile.back().z) / kTile;
    profile.push_back({p.x, p.y, v});
  }
  return profile;
}

Part Stack() {
  return Lathe(Profile({{0, -17},
                        {2, -17},
                        {5.5f, -15},
                        {5.5f, -12},
                        {3, -10},
                        {3, 0},
                        {5, 0.5f},
                        {7, 2.5f},
                        {7, 7.5f},
                        {5, 9.5f},
                        {4, 12},
                        {4, 19.5f},
                        {2.5f, 22},
                        {0.5f, 22},
                        {0.5f, 31},
                        {0, 31}}),
               {0, 360, 16, 2});
}

// The top slopes from (12.5, 6.574) to (16.6, 5.082): 20 degrees, 5.3 high at 16.
Part HabitatRing() {
  return Lathe(Profile({{12.5f, 2.2f},
                        {16.3f, 2.6f},
                        {17.3f, 3.8f},
                        {16.6f, 5.082f},
                        {12.5f, 6.574f},
                        {12, 4.4f},
                        {12.5f, 2.2f}}),
               {0, 360, 32, 4});
}

Part Beacon() {
  return Lathe(Profile({{0, 30.5f}, {1.2f, 32}, {0, 34}}), {0, 360, 6, 1}, Shading::Flat);
}

Part Spokes() {
  Part spokes;
  for (int k = 0; k < 4; ++k) {
    Part spoke = Box({6.5f, -0.8f, 3.5f}, {12.3f, 0.8f, 5.5f});
    Transform(spoke, glm::rotate(glm::mat4(1), float(k) * std::numbers::pi_v<float> / 2,
                                 glm::vec3(0, 0, 1)));
    Merge(spokes, spoke);
  }
  return spokes;
}

}  // namespace

ModelMesh StationModel() {
  Part hull = Stack();
  Merge(hull, HabitatRing());
  std::vector<MaterialPart> boxes = {{Spokes(), kHull},
                                     {WithMirrorX(Box({3, -0.5f, -7.3f}, {7, 0.5f, -6.3f})), kHull},
                                     {WithMirrorX(Box({7, -4, -7}, {22, 4, -6.6f})), kPanel}};
  BoxMapUvs(boxes);
  std::vector<MaterialPart> parts = {{hull, kHull}, {Beacon(), kLamp}};
  parts.insert(parts.end(), boxes.begin(), boxes.end());
  const char* texture = "t-met.res";
  return Assemble("spst",
                  {MakeMaterial("Hull", 0.9f, 0.9f, 0.92f, texture),
                   MakeMaterial("Panel", 0.4f, 0.55f, 1, texture),
                   MakeMaterial("Lamp", 1, 0.75f, 0.3f, texture)},
                  parts);
}

}  // namespace quillmoor::assets
