#include "graphics/resources.h"

#include <algorithm>
#include <vector>

#include "platform/files.h"
#include "platform/image_file.h"
#include "platform/model_file.h"
#include "state/game.h"

namespace quillmoor {

namespace {

struct ModelSlot {
  std::string_view file;
  std::string_view texture;
  std::string_view message;
};

constexpr std::string_view kSkyMessage = "Невозможно инициалтзировать буфер вершин.1";
constexpr std::string_view kPadMessage = "Невозможно инициалтзировать буфер вершин.2";
constexpr std::string_view kTunnelMessage = "Невозможно инициалтзировать буфер вершин.3";
constexpr std::string_view kObjectMessage = "Невозможно инициалтзировать буфер вершин.4";

constexpr ModelSlot kModels[kMeshSlots] = {
    {"nebo.x", "t-Stars20.res", kSkyMessage},
    {"plat.X", "", kPadMessage},
    {"truba.X", "t-crete_beton_7.res", kTunnelMessage},
    {"Fly.X", "t-Woods.res", kObjectMessage},
    {"aster.X", "t-cement.res", kObjectMessage},
    {"kr.X", "t-kr.res", kObjectMessage},
    {"ochki.X", "t-ch-r.res", kObjectMessage},
    {"truba2.X", "", kTunnelMessage},
    {"truba3.X", "", kTunnelMessage},
    {"spst.X", "t-met.res", kTunnelMessage},
};

constexpr std::string_view kImages[kImageSlots] = {
    "i-glow_orange.res", "i-001.res", "i-002.res", "i-log4.res", "i-004.res",   "i-005.res",
    "i-006.res",         "i-007.res", "i-logo2.res", "i-psh.res", "i-008.res", "i-glow1.res",
};

}  // namespace

// The parser's process first, while this one is small; then the images in
// the order LoadResources asks for them.
ResourceFilesAhead::ResourceFilesAhead(const Game& game) {
  const std::filesystem::path& data = game.shell.Places.data;
  std::vector<std::filesystem::path> models, images;
  for (const ModelSlot& model : kModels) {
    models.push_back(DataFilePath(data, model.file));
    if (model.texture.empty()) continue;
    const std::filesystem::path texture = DataFilePath(data, model.texture);
    if (std::find(images.begin(), images.end(), texture) == images.end()) {
      images.push_back(texture);
    }
  }
  for (const std::string_view image : kImages) images.push_back(DataFilePath(data, image));
  models_ = std::make_unique<ModelFilesAhead>(std::move(models));
  images_ = std::make_unique<ImageFilesAhead>(std::move(images));
}

ResourceFilesAhead::~ResourceFilesAhead() = default;

bool InitGeometry(Game& game, const std::filesystem::path& FileName, std::uint8_t Number,
                  std::string_view strTexName) {
  GraphicsDevice& device = *game.graphics.Device;
  MeshRecord& record = game.graphics.Meshes[Number];
  std::optional<LoadedMesh> loaded = device.LoadMeshFromX(FileName);
  if (!loaded) return false;

  record.Mesh = loaded->mesh;
  record.MaterialCount = static_cast<std::int32_t>(loaded->materials.size());
  record.Materials = std::move(loaded->materials);
  record.Textures.assign(record.Materials.size(), TextureId{});
  for (std::size_t i = 0; i < record.Materials.size(); ++i) {
    record.Materials[i].Ambient = record.Materials[i].Diffuse;
    if (!strTexName.empty()) {
      record.Textures[i] =
          device.CreateTextureFromFile(DataFilePath(game.shell.Places.data, strTexName));
    }
  }
  return true;
}

void LoadResources(Game& game) {
  GraphicsState& g = game.graphics;
  g.LastMesh = kMeshSlots - 1;
  g.Meshes = {};
  game.sim.ObjectSlots = {};
  game.sim.TunnelSlots = {};

  for (std::uint8_t slot = 0; slot < kMeshSlots; ++slot) {
    const ModelSlot& model = kModels[slot];
    if (!InitGeometry(game, DataFilePath(game.shell.Places.data, model.file), slot,
                      model.texture)) {
      throw FatalError(std::string(model.message), MessageIcon::None);
    }
  }
  for (std::size_t i = 0; i < kImageSlots; ++i) {
    const std::filesystem::path file = DataFilePath(game.shell.Places.data, kImages[i]);
    g.ImageTextures[i] = g.Device->CreateTextureFromFile(file);
    if (!g.ImageTextures[i]) {
      throw FatalError("Не удаётся загрузить изображение " + file.string() + '.');
    }
  }
  g.BlurRender = g.Device->CreateRenderTarget(g.ScreenWidth, g.ScreenHeight);

  Placement& craft = game.sim.ObjectSlots[3];
  craft.X = 0;
  craft.Y = static_cast<float>(-2.57);
  craft.Z = 0;
  craft.Angle = game.sim.CraftAngle;
}

}  // namespace quillmoor
