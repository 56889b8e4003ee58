#include "platform/model_file.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <type_traits>

#include "platform/fatal_error.h"
#include "platform/files.h"

namespace quillmoor {

namespace {

// The file's own coordinates, texture coordinates and winding (the reader
// turns them right-handed; the last step turns them back), frames applied.
constexpr unsigned kImportSteps = aiProcess_Triangulate | aiProcess_JoinIdenticalVertices |
                                  aiProcess_PreTransformVertices | aiProcess_ConvertToLeftHanded;

constexpr int kParseSeconds = 20;

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

// The model through the pipe: four counts, then the arrays as they lie.
template <typename T>
void AppendArray(std::string& out, const std::vector<T>& items) {
  static_assert(std::is_trivially_copyable_v<T>);
  out.append(reinterpret_cast<const char*>(items.data()), items.size() * sizeof(T));
}

std::string Serialize(const ModelGeometry& model) {
  const std::uint64_t counts[] = {model.vertices.size(), model.indices.size(),
                                  model.subsets.size(), model.materials.size()};
  std::string out(reinterpret_cast<const char*>(counts), sizeof counts);
  AppendArray(out, model.vertices);
  AppendArray(out, model.indices);
  AppendArray(out, model.subsets);
  AppendArray(out, model.materials);
  return out;
}

template <typename T>
bool TakeArray(std::string_view& in, std::uint64_t count, std::vector<T>& items) {
  if (count > in.size() / sizeof(T)) return false;
  items.resize(count);
  if (count > 0) std::memcpy(items.data(), in.data(), count * sizeof(T));
  in.remove_prefix(count * sizeof(T));
  return true;
}

std::optional<ModelGeometry> Deserialize(std::string_view in) {
  std::uint64_t counts[4];
  if (in.size() < sizeof counts) return std::nullopt;
  std::memcpy(counts, in.data(), sizeof counts);
  in.remove_prefix(sizeof counts);
  ModelGeometry model;
  if (!TakeArray(in, counts[0], model.vertices) || !TakeArray(in, counts[1], model.indices) ||
      !TakeArray(in, counts[2], model.subsets) || !TakeArray(in, counts[3], model.materials) ||
      !in.empty()) {
    return std::nullopt;
  }
  return model;
}

// Runs in the child: the model's bytes, or nothing for a file it cannot read.
std::string ParseToBytes(std::string_view bytes) {
  Assimp::Importer importer;
  const aiScene* scene = importer.ReadFileFromMemory(bytes.data(), bytes.size(), kImportSteps, "x");
  if (!scene) return {};
  const std::optional<ModelGeometry> model = Convert(*scene);
  return model ? Serialize(*model) : std::string();
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(std::size_t(n));
  }
  return true;
}

// Everything the child writes until it closes the pipe, or nothing when it
// takes too long.
std::optional<std::string> ReadUntilClosed(int fd) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kParseSeconds);
  std::string out;
  char buffer[65536];
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return std::nullopt;
    pollfd ready{fd, POLLIN, 0};
    const int polled = poll(&ready, 1, int(left.count()));
    if (polled < 0 && errno == EINTR) continue;
    if (polled <= 0) return std::nullopt;
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) return out;
    out.append(buffer, std::size_t(n));
  }
}

}  // namespace

std::optional<ModelGeometry> ReadXBytes(std::string_view bytes) {
  int channel[2];
  if (pipe(channel) != 0) return std::nullopt;
  const pid_t child = fork();
  if (child < 0) {
    close(channel[0]);
    close(channel[1]);
    return std::nullopt;
  }
  if (child == 0) {
    close(channel[0]);
    const std::string model = ParseToBytes(bytes);
    _exit(!model.empty() && WriteAll(channel[1], model) ? 0 : 1);
  }
  close(channel[1]);
  const std::optional<std::string> model = ReadUntilClosed(channel[0]);
  close(channel[0]);
  if (!model) kill(child, SIGKILL);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!model || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return Deserialize(*model);
}

std::optional<ModelGeometry> ReadXFile(const std::filesystem::path& file) {
  std::optional<std::string> bytes;
  try {
    bytes = ReadFileBytes(file);
  } catch (const FatalError&) {
    return std::nullopt;
  }
  if (!bytes) return std::nullopt;
  return ReadXBytes(*bytes);
}

}  // namespace quillmoor
