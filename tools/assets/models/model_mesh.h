#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <glm/vec2.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

namespace quillmoor::assets {

// One corner of the model in the .X file's own left-handed coordinates
// (x right, y up, z forward); uv (0, 0) is the image's top-left corner.
struct ModelVertex {
  glm::vec3 position{};
  glm::vec3 normal{};
  glm::vec2 uv{};
};

// Three vertex indices; seen from the side the normals face, (b - a) x (c - a)
// points towards the viewer.
using Triangle = std::array<std::uint32_t, 3>;

// A .X Material: the face colour is what the player sees, times the texture.
struct ModelMaterial {
  std::string name;
  glm::vec4 faceColor{1, 1, 1, 1};
  float power = 0;
  glm::vec3 specular{};
  glm::vec3 emissive{};
  std::string textureFile;  // empty: none named
};

// A model as written to its .X file: one mesh, one material index per face.
struct ModelMesh {
  std::string name;
  std::vector<ModelVertex> vertices;
  std::vector<Triangle> faces;
  std::vector<int> faceMaterials;
  std::vector<ModelMaterial> materials;
};

// An opaque material of colour (r, g, b) with the texture file named.
inline ModelMaterial MakeMaterial(std::string name, float r, float g, float b,
                                  std::string textureFile) {
  return ModelMaterial{std::move(name), {r, g, b, 1}, 0, {}, {}, std::move(textureFile)};
}

}  // namespace quillmoor::assets
