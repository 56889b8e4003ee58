#include "platform/assimp/x_file_parse.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <cstdint>
#include <optional>

#include "platform/model_file.h"

namespace quillmoor {

namespace {

// The file's own coordinates, texture coordinates and winding (the reader
// turns them right-handed; the last step turns them back), frames applied.
constexpr unsigned kImportSteps = aiProcess_Triangulate | aiProcess_JoinIdenticalVertices |
                                  aiProcess_PreTransformVertices | aiProcess_ConvertToLeftHanded;

ColourValue Colour(const aiMaterial& material, const char* key, unsigned type, unsigned index) {
  aiColor4D colour(0, 0, 0, 1);
  material.Get(key, type, index, colour);
  return {colour.r, colour.g, colour.b, colour.a};
}

Material MaterialOf(const aiMaterial& source) {
  Material material;
  material.Diffuse = Colour(source, AI_MATKEY_COLOR_DIFFUSE);
  material.Specular = Colour(source, AI_MATKEY_COLOR_SPECULAR);
  material.Emissive = Colour(source, AI_MATKEY_COLOR_EMISSIVE);
  source.Get(AI_MATKEY_SHININESS, material.Power);
  return material;
}

// The reader gives a file without materials one of its own, with no name.
bool FromTheFile(const aiMaterial& material) {
  aiString name;
  return material.Get(AI_MATKEY_NAME, name) == AI_SUCCESS;
}

void AppendMesh(const aiMesh& mesh, ModelGeometry& model) {
  const auto base = static_cast<std::uint32_t>(model.vertices.size());
  for (unsigned v = 0; v < mesh.mNumVertices; ++v) {
    WorldVertex vertex;
    vertex.X = mesh.mVertices[v].x;
    vertex.Y = mesh.mVertices[v].y;
    vertex.Z = mesh.mVertices[v].z;
    if (mesh.mNormals) {
      vertex.NX = mesh.mNormals[v].x;
      vertex.NY = mesh.mNormals[v].y;
      vertex.NZ = mesh.mNormals[v].z;
    }
    if (mesh.mTextureCoords[0]) {
      vertex.TU = mesh.mTextureCoords[0][v].x;
      vertex.TV = mesh.mTextureCoords[0][v].y;
    }
    model.vertices.push_back(vertex);
  }
  for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
    const aiFace& face = mesh.mFaces[f];
    if (face.mNumIndices != 3) continue;  // points and lines have no surface
    for (unsigned k = 0; k < 3; ++k) {
      if (face.mIndices[k] >= mesh.mNumVertices) return;
    }
    for (unsigned k = 0; k < 3; ++k) model.indices.push_back(base + face.mIndices[k]);
  }
}

std::optional<ModelGeometry> Convert(const aiScene& scene) {
  if (scene.mNumMeshes == 0) return std::nullopt;
  ModelGeometry model;
  for (unsigned m = 0; m < scene.mNumMaterials; ++m) {
    if (FromTheFile(*scene.mMaterials[m])) model.materials.push_back(MaterialOf(*scene.mMaterials[m]));
  }
  const bool byMaterial = model.materials.size() == scene.mNumMaterials;
  const unsigned subsets = byMaterial ? scene.mNumMaterials : 1;
  for (unsigned subset = 0; subset < subsets; ++subset) {
    Subset faces{static_cast<std::uint32_t>(model.indices.size()), 0};
    for (unsigned i = 0; i < scene.mNumMeshes; ++i) {
      const aiMesh& mesh = *scene.mMeshes[i];
      if (!byMaterial || mesh.mMaterialIndex == subset) AppendMesh(mesh, model);
    }
    faces.indexCount = static_cast<std::uint32_t>(model.indices.size()) - faces.firstIndex;
    model.subsets.push_back(faces);
  }
  if (!byMaterial) model.materials.clear();
  return model;
}

}  // namespace

std::string ParseXFile(std::string_view bytes) {
  Assimp::Importer importer;
  const aiScene* scene = importer.ReadFileFromMemory(bytes.data(), bytes.size(), kImportSteps, "x");
  if (!scene) return kReplyError + std::string(importer.GetErrorString());
  const std::optional<ModelGeometry> model = Convert(*scene);
  if (!model) return std::string(1, kReplyError) + "в нём нет сеток";
  return kReplyModel + ModelReply(*model);
}


}  // namespace quillmoor
