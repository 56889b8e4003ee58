#include "assets/models/mesh_part.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <utility>

#include <glm/geometric.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/matrix.hpp>

namespace quillmoor::assets {

namespace {

bool SamePlace(glm::vec3 a, glm::vec3 b) { return glm::length(a - b) < 1e-5f; }

std::vector<ModelVertex> WithoutRepeats(std::vector<ModelVertex> corners) {
  std::vector<ModelVertex> kept;
  for (const ModelVertex& corner : corners) {
    if (kept.empty() || !SamePlace(kept.back().position, corner.position)) kept.push_back(corner);
  }
  while (kept.size() > 1 && SamePlace(kept.front().position, kept.back().position)) kept.pop_back();
  return kept;
}

// Newell's normal: for corners in order it points the way (b - a) x (c - a) does.
glm::vec3 PolygonNormal(const std::vector<ModelVertex>& corners) {
  glm::vec3 n{};
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const glm::vec3 a = corners[i].position;
    const glm::vec3 b = corners[(i + 1) % corners.size()].position;
    n.x += (a.y - b.y) * (a.z + b.z);
    n.y += (a.z - b.z) * (a.x + b.x);
    n.z += (a.x - b.x) * (a.y + b.y);
  }
  return n;
}

// Rounded to 1e-5, so that the rounding noise of the arithmetic neither
// splits a shared vertex nor shows in the file; and no negative zeros.
float Clean(float value) {
  return static_cast<float>(std::round(double(value) * 1e5) / 1e5) + 0.0f;
}

ModelVertex Cleaned(ModelVertex v) {
  for (int i = 0; i < 3; ++i) {
    v.position[i] = Clean(v.position[i]);
    v.normal[i] = Clean(v.normal[i]);
  }
  v.uv = {Clean(v.uv.x), Clean(v.uv.y)};
  return v;
}

// Vertices are shared within a material only: the game's loader splits the
// model by material.
std::array<float, 9> Key(const ModelVertex& v, int material) {
  return {float(material), v.position.x, v.position.y, v.position.z, v.normal.x,
          v.normal.y,      v.normal.z,   v.uv.x,       v.uv.y};
}

}  // namespace

void AddPolygon(Part& part, std::vector<ModelVertex> corners) {
  corners = WithoutRepeats(std::move(corners));
  if (corners.size() < 3) return;
  glm::vec3 normals{};
  for (const ModelVertex& corner : corners) normals += corner.normal;
  if (glm::dot(PolygonNormal(corners), normals) < 0) std::reverse(corners.begin(), corners.end());
  const auto first = static_cast<std::uint32_t>(part.vertices.size());
  part.vertices.insert(part.vertices.end(), corners.begin(), corners.end());
  for (std::uint32_t i = 1; i + 1 < corners.size(); ++i) {
    part.triangles.push_back({first, first + i, first + i + 1});
  }
}

void AddFlatPolygon(Part& part, std::vector<ModelVertex> corners, glm::vec3 outside) {
  corners = WithoutRepeats(std::move(corners));
  if (corners.size() < 3) return;
  glm::vec3 normal = PolygonNormal(corners);
  if (glm::length(normal) < 1e-9f) return;
  normal = glm::normalize(normal);
  if (glm::dot(normal, outside) < 0) normal = -normal;
  for (ModelVertex& corner : corners) corner.normal = normal;
  AddPolygon(part, std::move(corners));
}

void Transform(Part& part, const glm::mat4& matrix) {
  const glm::mat3 normalMatrix = glm::transpose(glm::inverse(glm::mat3(matrix)));
  for (ModelVertex& v : part.vertices) {
    v.position = glm::vec3(matrix * glm::vec4(v.position, 1));
    v.normal = glm::normalize(normalMatrix * v.normal);
  }
  if (glm::determinant(glm::mat3(matrix)) < 0) {
    for (Triangle& t : part.triangles) std::swap(t[1], t[2]);
  }
}

void Merge(Part& part, const Part& other) {
  const auto offset = static_cast<std::uint32_t>(part.vertices.size());
  part.vertices.insert(part.vertices.end(), other.vertices.begin(), other.vertices.end());
  for (const Triangle& t : other.triangles) {
    part.triangles.push_back({t[0] + offset, t[1] + offset, t[2] + offset});
  }
}

Part WithMirrorX(const Part& part) {
  Part mirror = part;
  Transform(mirror, glm::scale(glm::mat4(1), glm::vec3(-1, 1, 1)));
  Part both = part;
  Merge(both, mirror);
  return both;
}

void BoxMapUvs(std::span<MaterialPart> parts) {
  glm::vec3 low(std::numeric_limits<float>::max());
  glm::vec3 high(std::numeric_limits<float>::lowest());
  for (const MaterialPart& p : parts) {
    for (const ModelVertex& v : p.part.vertices) {
      low = glm::min(low, v.position);
      high = glm::max(high, v.position);
    }
  }
  const glm::vec3 extent = high - low;
  const float size = std::max({extent.x, extent.y, extent.z, 1e-6f});
  for (MaterialPart& p : parts) {
    for (ModelVertex& v : p.part.vertices) {
      const glm::vec3 d = (v.position - low) / size;
      const glm::vec3 n = glm::abs(v.normal);
      if (n.y >= n.x && n.y >= n.z) {
        v.uv = {d.x, 1 - d.z};
      } else if (n.x >= n.z) {
        v.uv = {d.z, 1 - d.y};
      } else {
        v.uv = {d.x, 1 - d.y};
      }
    }
  }
}

ModelMesh Assemble(std::string name, std::vector<ModelMaterial> materials,
                   std::span<const MaterialPart> parts) {
  ModelMesh model;
  model.name = std::move(name);
  model.materials = std::move(materials);
  std::map<std::array<float, 9>, std::uint32_t> indexOf;
  for (const MaterialPart& p : parts) {
    std::vector<std::uint32_t> shared;
    shared.reserve(p.part.vertices.size());
    for (const ModelVertex& raw : p.part.vertices) {
      const ModelVertex v = Cleaned(raw);
      const auto [at, added] = indexOf.try_emplace(
          Key(v, p.material), static_cast<std::uint32_t>(model.vertices.size()));
      if (added) model.vertices.push_back(v);
      shared.push_back(at->second);
    }
    for (const Triangle& t : p.part.triangles) {
      model.faces.push_back({shared[t[0]], shared[t[1]], shared[t[2]]});
      model.faceMaterials.push_back(p.material);
    }
  }
  return model;
}

}  // namespace quillmoor::assets
