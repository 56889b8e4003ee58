#include "assets/models/shapes.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <utility>

#include <glm/geometric.hpp>

namespace quillmoor::assets {

namespace {

float ToRadians(float degrees) { return degrees * std::numbers::pi_v<float> / 180; }

// The outward normal of a lathe band whose profile normal is (nr, nz).
glm::vec3 BandNormal(float nr, float nz, float degrees) {
  return glm::normalize(AroundZ(nr, degrees, 0) + glm::vec3(0, 0, nz));
}

ModelVertex Corner(glm::vec3 position) { return {position, {}, {}}; }

glm::vec3 Centre(std::span<const glm::vec3> points) {
  glm::vec3 sum{};
  for (const glm::vec3& p : points) sum += p;
  return sum / float(points.size());
}

}  // namespace

glm::vec3 AroundZ(float radius, float degrees, float z) {
  const float a = ToRadians(degrees);
  return {radius * std::sin(a), -radius * std::cos(a), z};
}

Part Lathe(std::span<const ProfilePoint> profile, const Sweep& sweep, Shading shading) {
  Part part;
  const float span = sweep.toDegrees - sweep.fromDegrees;
  for (std::size_t j = 0; j + 1 < profile.size(); ++j) {
    const ProfilePoint& a = profile[j];
    const ProfilePoint& b = profile[j + 1];
    const float dr = b.radius - a.radius, dz = b.z - a.z;
    const float length = std::hypot(dr, dz);
    if (length < 1e-6f) continue;
    const float nr = dz / length, nz = -dr / length;
    for (int i = 0; i < sweep.segments; ++i) {
      const float t0 = float(i) / float(sweep.segments);
      const float t1 = float(i + 1) / float(sweep.segments);
      const float d0 = sweep.fromDegrees + span * t0, d1 = sweep.fromDegrees + span * t1;
      const float u0 = sweep.uRepeat * t0, u1 = sweep.uRepeat * t1;
      std::vector<ModelVertex> corners = {
          {AroundZ(a.radius, d0, a.z), BandNormal(nr, nz, d0), {u0, a.v}},
          {AroundZ(a.radius, d1, a.z), BandNormal(nr, nz, d1), {u1, a.v}},
          {AroundZ(b.radius, d1, b.z), BandNormal(nr, nz, d1), {u1, b.v}},
          {AroundZ(b.radius, d0, b.z), BandNormal(nr, nz, d0), {u0, b.v}},
      };
      if (shading == Shading::Flat) {
        AddFlatPolygon(part, std::move(corners), BandNormal(nr, nz, (d0 + d1) / 2));
      } else {
        AddPolygon(part, std::move(corners));
      }
    }
  }
  return part;
}

Part ArcSlab(const ArcSlabShape& s) {
  const float span = s.toDegrees - s.fromDegrees;
  const bool fullTurn = span >= 360 - 1e-3f;
  const float turns = s.innerRadius * ToRadians(span) / s.tile;
  const Sweep sweep{s.fromDegrees, s.toDegrees, s.segments,
                    fullTurn || turns >= 1 ? std::max(1.0f, std::round(turns)) : turns};
  const float length = (s.zTo - s.zFrom) / s.tile;
  const float depth = (s.outerRadius - s.innerRadius) / s.tile;
  const ProfilePoint inner[] = {{s.innerRadius, s.zTo, 0}, {s.innerRadius, s.zFrom, length}};
  const ProfilePoint outer[] = {{s.outerRadius, s.zFrom, length}, {s.outerRadius, s.zTo, 0}};
  const ProfilePoint front[] = {{s.innerRadius, s.zFrom, 0}, {s.outerRadius, s.zFrom, depth}};
  const ProfilePoint back[] = {{s.outerRadius, s.zTo, depth}, {s.innerRadius, s.zTo, 0}};
  Part part = Lathe(inner, sweep);
  for (const auto& profile :
       {std::span<const ProfilePoint>(outer), std::span<const ProfilePoint>(front),
        std::span<const ProfilePoint>(back)}) {
    Merge(part, Lathe(profile, sweep));
  }
  if (!fullTurn) {
    for (const float degrees : {s.fromDegrees, s.toDegrees}) {
      const glm::vec3 onward = AroundZ(1, degrees + 90, 0);
      const glm::vec3 outside = degrees == s.fromDegrees ? -onward : onward;
      std::vector<ModelVertex> corners;
      const std::pair<float, float> rz[] = {{s.innerRadius, s.zFrom},
                                            {s.outerRadius, s.zFrom},
                                            {s.outerRadius, s.zTo},
                                            {s.innerRadius, s.zTo}};
      for (const auto& [r, z] : rz) {
        corners.push_back(
            {AroundZ(r, degrees, z), {}, {(r - s.innerRadius) / s.tile, (s.zTo - z) / s.tile}});
      }
      AddFlatPolygon(part, std::move(corners), outside);
    }
  }
  return part;
}

Part Loft(std::span<const LoftSection> sections, int sides) {
  auto ring = [&](const LoftSection& s) {
    std::vector<glm::vec3> points;
    for (int k = 0; k < sides; ++k) {
      const float a = (float(k) + 0.5f) * 2 * std::numbers::pi_v<float> / float(sides);
      points.push_back({s.halfWidth * std::sin(a), s.centreY - s.halfHeight * std::cos(a), s.z});
    }
    return points;
  };
  Part part;
  for (std::size_t j = 0; j + 1 < sections.size(); ++j) {
    const std::vector<glm::vec3> a = ring(sections[j]), b = ring(sections[j + 1]);
    const glm::vec3 axis(0, (sections[j].centreY + sections[j + 1].centreY) / 2,
                         (sections[j].z + sections[j + 1].z) / 2);
    for (int k = 0; k < sides; ++k) {
      const int next = (k + 1) % sides;
      const glm::vec3 quad[] = {a[k], a[next], b[next], b[k]};
      AddFlatPolygon(part, {Corner(quad[0]), Corner(quad[1]), Corner(quad[2]), Corner(quad[3])},
                     Centre(quad) - axis);
    }
  }
  const float forward = sections.back().z > sections.front().z ? 1.0f : -1.0f;
  const std::pair<LoftSection, float> ends[] = {{sections.front(), -forward},
                                                {sections.back(), forward}};
  for (const auto& [section, facing] : ends) {
    std::vector<ModelVertex> cap;
    for (const glm::vec3& p : ring(section)) cap.push_back(Corner(p));
    AddFlatPolygon(part, std::move(cap), {0, 0, facing});
  }
  return part;
}

Part Prism(std::span<const glm::vec3> outline, glm::vec3 depth) {
  Part part;
  const glm::vec3 middle = Centre(outline) + depth / 2.0f;
  std::vector<ModelVertex> near, far;
  for (const glm::vec3& p : outline) {
    near.push_back(Corner(p));
    far.push_back(Corner(p + depth));
  }
  AddFlatPolygon(part, near, -depth);
  AddFlatPolygon(part, far, depth);
  for (std::size_t k = 0; k < outline.size(); ++k) {
    const glm::vec3 a = outline[k], b = outline[(k + 1) % outline.size()];
    const glm::vec3 side[] = {a, b, b + depth, a + depth};
    AddFlatPolygon(part, {Corner(side[0]), Corner(side[1]), Corner(side[2]), Corner(side[3])},
                   Centre(side) - middle);
  }
  return part;
}

Part Box(glm::vec3 low, glm::vec3 high) {
  const glm::vec3 base[] = {{low.x, low.y, low.z},
                            {high.x, low.y, low.z},
                            {high.x, low.y, high.z},
                            {low.x, low.y, high.z}};
  return Prism(base, {0, high.y - low.y, 0});
}

PointMesh Icosphere(int subdivisions) {
  const float g = (1 + std::sqrt(5.0f)) / 2;
  PointMesh mesh;
  for (const glm::vec3& p : {glm::vec3{-1, g, 0},
                             {1, g, 0},
                             {-1, -g, 0},
                             {1, -g, 0},
                             {0, -1, g},
                             {0, 1, g},
                             {0, -1, -g},
                             {0, 1, -g},
                             {g, 0, -1},
                             {g, 0, 1},
                             {-g, 0, -1},
                             {-g, 0, 1}}) {
    mesh.points.push_back(glm::normalize(p));
  }
  mesh.triangles = {{0, 11, 5}, {0, 5, 1},  {0, 1, 7},   {0, 7, 10}, {0, 10, 11},
                    {1, 5, 9},  {5, 11, 4}, {11, 10, 2}, {10, 7, 6}, {7, 1, 8},
                    {3, 9, 4},  {3, 4, 2},  {3, 2, 6},   {3, 6, 8},  {3, 8, 9},
                    {4, 9, 5},  {2, 4, 11}, {6, 2, 10},  {8, 6, 7},  {9, 8, 1}};
  for (int level = 0; level < subdivisions; ++level) {
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::uint32_t> middles;
    auto middle = [&](std::uint32_t a, std::uint32_t b) {
      const auto key = std::minmax(a, b);
      const auto [at, added] =
          middles.try_emplace(key, static_cast<std::uint32_t>(mesh.points.size()));
      if (added) mesh.points.push_back(glm::normalize(mesh.points[a] + mesh.points[b]));
      return at->second;
    };
    std::vector<Triangle> split;
    for (const Triangle& t : mesh.triangles) {
      const std::uint32_t ab = middle(t[0], t[1]), bc = middle(t[1], t[2]), ca = middle(t[2], t[0]);
      split.insert(split.end(), {{t[0], ab, ca}, {t[1], bc, ab}, {t[2], ca, bc}, {ab, bc, ca}});
    }
    mesh.triangles = std::move(split);
  }
  return mesh;
}

}  // namespace quillmoor::assets
