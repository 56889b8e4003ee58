#include "platform/model_file.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sys/resource.h>

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
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

// The parser's time: a second, and a second more for each MiB of the file,
// up to a limit; its memory: what the game had when it started it, and this.
constexpr double kParseSecondsPerMiB = 1, kMostParseSeconds = 20;
constexpr std::uint64_t kParserMemory = 256ull << 20;

std::chrono::steady_clock::time_point ParseDeadline(std::size_t bytes) {
  const double seconds =
      std::min(kMostParseSeconds, 1 + kParseSecondsPerMiB * double(bytes) / double(1 << 20));
  return std::chrono::steady_clock::now() +
         std::chrono::duration_cast<std::chrono::steady_clock::duration>(
             std::chrono::duration<double>(seconds));
}

// In the child: a file that asks for more memory than any model needs
// makes it fail, not the machine swap. The address sanitizer's shadow
// already passes any such cap, so its builds go without.
void LimitParserMemory() {
#if defined(__SANITIZE_ADDRESS__)
  return;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  return;
#endif
#endif
  std::uint64_t pages = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%" SCNu64, &pages) != 1) pages = 0;
    std::fclose(statm);
  }
  if (pages == 0) return;
  const rlim_t cap = rlim_t(pages * std::uint64_t(sysconf(_SC_PAGESIZE)) + kParserMemory);
  const rlimit limit{cap, cap};
  setrlimit(RLIMIT_AS, &limit);
}

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

// Every index names a vertex, every subset lies within the indices, and
// materials, when there are any, go one to a subset.
bool HoldsTogether(const ModelGeometry& model) {
  for (const std::uint32_t index : model.indices) {
    if (index >= model.vertices.size()) return false;
  }
  for (const Subset& subset : model.subsets) {
    if (std::uint64_t(subset.firstIndex) + subset.indexCount > model.indices.size()) return false;
  }
  return model.materials.empty() || model.materials.size() == model.subsets.size();
}

}  // namespace

std::optional<ModelGeometry> ModelFromReply(std::string_view in) {
  std::uint64_t counts[4];
  if (in.size() < sizeof counts) return std::nullopt;
  std::memcpy(counts, in.data(), sizeof counts);
  in.remove_prefix(sizeof counts);
  ModelGeometry model;
  if (!TakeArray(in, counts[0], model.vertices) || !TakeArray(in, counts[1], model.indices) ||
      !TakeArray(in, counts[2], model.subsets) || !TakeArray(in, counts[3], model.materials) ||
      !in.empty() || !HoldsTogether(model)) {
    return std::nullopt;
  }
  return model;
}

namespace {

// The child's answer: 'M' and the model, or 'E' and why there is none.
constexpr char kModelTag = 'M', kErrorTag = 'E';

// Runs in the child: a file's bytes to its answer.
std::string ParseToBytes(std::string_view bytes) {
  Assimp::Importer importer;
  const aiScene* scene = importer.ReadFileFromMemory(bytes.data(), bytes.size(), kImportSteps, "x");
  if (!scene) return kErrorTag + std::string(importer.GetErrorString());
  const std::optional<ModelGeometry> model = Convert(*scene);
  if (!model) return std::string(1, kErrorTag) + "в нём нет сеток";
  return kModelTag + Serialize(*model);
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
    LimitParserMemory();
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

ModelRead XFileReader::Parse(std::string_view bytes) {
  if (pid_ < 0 && !Start()) return {std::nullopt, "не удаётся запустить разбор моделей"};
  const auto deadline = ParseDeadline(bytes.size());
  std::optional<std::string> model;
  if (SendMessage(channel_, bytes)) model = ReceiveMessage(channel_, deadline);
  if (!model) {
    const bool late = std::chrono::steady_clock::now() >= deadline;
    Stop();  // it died on this file, or hangs on it: the next file gets a new one
    if (late) return {std::nullopt, "разбор не уложился в отведённое время"};
    return {std::nullopt, "разбор прерван: файл повреждён или просит больше памяти, чем нужно "
                          "моделям (предел 256 МиБ)"};
  }
  if (model->empty() || model->front() != kModelTag) {
    const std::string why = model->empty() ? std::string() : model->substr(1);
    return {std::nullopt, "разбор не принял его" + (why.empty() ? "" : ": " + why)};
  }
  std::optional<ModelGeometry> geometry = ModelFromReply(std::string_view(*model).substr(1));
  if (!geometry) return {std::nullopt, "разбор вернул повреждённую модель"};
  return {std::move(geometry), {}};
}

std::optional<ModelGeometry> XFileReader::ReadBytes(std::string_view bytes) {
  return Parse(bytes).model;
}

std::optional<ModelGeometry> XFileReader::ReadFile(const std::filesystem::path& file) {
  std::optional<ModelRead> read = ReadAhead<ModelRead>::Take(file);
  if (!read) read = ReadFromDisk(file);
  if (!read->model) ReportUnreadFile("Модель", file, read->problem);
  return std::move(read->model);
}

ModelRead XFileReader::ReadFromDisk(const std::filesystem::path& file) {
  std::optional<std::string> bytes;
  try {
    bytes = ReadFileBytes(file);
  } catch (const FatalError& error) {
    return {std::nullopt, error.what()};
  }
  if (!bytes) return {std::nullopt, "нет такого файла"};
  return Parse(*bytes);
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
