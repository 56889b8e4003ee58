#include "platform/model_file.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
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

bool SendAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(std::size_t(n));
  }
  return true;
}

// Reads exactly size bytes, waiting until the deadline; false on an end,
// an error or the deadline.
bool ReceiveAll(int fd, char* out, std::size_t size,
                std::optional<std::chrono::steady_clock::time_point> deadline) {
  while (size > 0) {
    if (deadline) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          *deadline - std::chrono::steady_clock::now());
      pollfd ready{fd, POLLIN, 0};
      const int polled = left.count() > 0 ? poll(&ready, 1, int(left.count())) : 0;
      if (polled < 0 && errno == EINTR) continue;
      if (polled <= 0) return false;
    }
    const ssize_t n = recv(fd, out, size, 0);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    out += n;
    size -= std::size_t(n);
  }
  return true;
}

// A length, then that many bytes.
bool SendMessage(int fd, std::string_view bytes) {
  const std::uint64_t size = bytes.size();
  return SendAll(fd, {reinterpret_cast<const char*>(&size), sizeof size}) && SendAll(fd, bytes);
}

std::optional<std::string> ReceiveMessage(
    int fd, std::optional<std::chrono::steady_clock::time_point> deadline = std::nullopt) {
  std::uint64_t size = 0;
  if (!ReceiveAll(fd, reinterpret_cast<char*>(&size), sizeof size, deadline)) return std::nullopt;
  if (size > (std::uint64_t(1) << 31)) return std::nullopt;
  std::string bytes(std::size_t(size), '\0');
  if (!ReceiveAll(fd, bytes.data(), bytes.size(), deadline)) return std::nullopt;
  return bytes;
}

// The child's life: a file's bytes in, its model out (empty: unreadable),
// until the parent goes.
[[noreturn]] void ServeModels(int fd) {
  while (const std::optional<std::string> request = ReceiveMessage(fd)) {
    if (!SendMessage(fd, ParseToBytes(*request))) break;
  }
  _exit(0);
}

}  // namespace

XFileReader::~XFileReader() { Stop(); }

bool XFileReader::Start() {
  int pair[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) return false;
  const pid_t child = fork();
  if (child < 0) {
    close(pair[0]);
    close(pair[1]);
    return false;
  }
  if (child == 0) {
    close(pair[0]);
    ServeModels(pair[1]);
  }
  close(pair[1]);
  pid_ = child;
  channel_ = pair[0];
  return true;
}

void XFileReader::Stop() {
  if (pid_ < 0) return;
  close(channel_);
  kill(pid_, SIGKILL);
  while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
  }
  pid_ = -1;
  channel_ = -1;
}

std::optional<ModelGeometry> XFileReader::ReadBytes(std::string_view bytes) {
  if (pid_ < 0 && !Start()) return std::nullopt;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kParseSeconds);
  std::optional<std::string> model;
  if (SendMessage(channel_, bytes)) model = ReceiveMessage(channel_, deadline);
  if (!model) {
    Stop();  // it died on this file, or hangs on it: the next file gets a new one
    return std::nullopt;
  }
  if (model->empty()) return std::nullopt;
  return Deserialize(*model);
}

std::optional<ModelGeometry> XFileReader::ReadFile(const std::filesystem::path& file) {
  using Ahead = ReadAhead<std::optional<ModelGeometry>>;
  if (std::optional<std::optional<ModelGeometry>> ahead = Ahead::Take(file)) {
    return std::move(*ahead);
  }
  return ReadFromDisk(file);
}

std::optional<ModelGeometry> XFileReader::ReadFromDisk(const std::filesystem::path& file) {
  std::optional<std::string> bytes;
  try {
    bytes = ReadFileBytes(file);
  } catch (const FatalError&) {
    return std::nullopt;
  }
  if (!bytes) return std::nullopt;
  return ReadBytes(*bytes);
}

ModelFilesAhead::ModelFilesAhead(std::vector<std::filesystem::path> files)
    : batch_(StartParser(std::move(files)),
             [this](const std::filesystem::path& file) { return reader_.ReadFromDisk(file); }) {}

std::vector<std::filesystem::path> ModelFilesAhead::StartParser(
    std::vector<std::filesystem::path> files) {
  reader_.Start();  // failing, the first file tries again
  return files;
}

}  // namespace quillmoor
