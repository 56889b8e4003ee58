#include "platform/recording/recording_graphics.h"

#include <cstdio>
#include <string>

#include "platform/image_file.h"
#include "platform/recording/graphics_names.h"

namespace quillmoor {

namespace {

std::string Number(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", double(value));
  return text;
}

}  // namespace

void RecordingDevice::Clear(std::uint32_t flags, Argb colour, float z, std::uint32_t stencil) {
  lastClear_ = colour;
  log_.Add("Clear " + ClearFlagsName(flags) + ' ' + ColourName(colour) + ' ' + Number(z) + ' ' +
           std::to_string(stencil));
}

void RecordingDevice::BeginScene() { log_.Add("BeginScene"); }

void RecordingDevice::EndScene() { log_.Add("EndScene"); }

void RecordingDevice::Present() { log_.Add("Present"); }

void RecordingDevice::SetRenderState(RenderState state, std::uint32_t value) {
  renderStates[state] = value;
  log_.Add("SetRenderState " + RenderStateName(state) + ' ' + RenderStateValueName(state, value));
}

void RecordingDevice::SetTextureStageState(std::uint32_t stage, TextureStageState state,
                                           std::uint32_t value) {
  log_.Add("SetTextureStageState " + std::to_string(stage) + ' ' + TextureStageStateName(state) +
           ' ' + TextureStageValueName(state, value));
}

void RecordingDevice::SetTransform(TransformType type, const Matrix& matrix) {
  transforms[type] = matrix;
  std::string call = "SetTransform " + TransformTypeName(type);
  for (const auto& row : matrix.m) {
    for (float value : row) call += ' ' + Number(value);
  }
  log_.Add(call);
}

void RecordingDevice::SetLight(std::uint32_t index, const Light& light) {
  lights[index] = light;
  log_.Add("SetLight " + std::to_string(index));
}

void RecordingDevice::LightEnable(std::uint32_t index, bool enable) {
  log_.Add("LightEnable " + std::to_string(index) + ' ' + BoolName(enable));
}

void RecordingDevice::SetMaterial(const Material& material) {
  log_.Add("SetMaterial " + Number(material.Diffuse.r) + ' ' + Number(material.Diffuse.g) + ' ' +
           Number(material.Diffuse.b) + ' ' + Number(material.Diffuse.a));
}

void RecordingDevice::SetTexture(std::uint32_t stage, TextureId texture) {
  log_.Add("SetTexture " + std::to_string(stage) + ' ' + std::to_string(texture.value));
}

std::optional<LoadedMesh> RecordingDevice::LoadMeshFromX(const std::filesystem::path& file) {
  std::optional<ModelGeometry> model = models_.ReadFile(file);
  const std::string name = file.filename().string();
  if (!model) {
    log_.Add("LoadMeshFromX " + name + " failed");
    return std::nullopt;
  }
  log_.Add("LoadMeshFromX " + name + ' ' + std::to_string(model->materials.size()) + " materials");
  LoadedMesh loaded{MeshId{std::uint32_t(meshes.size() + 1)}, model->materials};
  meshes.push_back(std::move(*model));
  return loaded;
}

TextureId RecordingDevice::CreateTextureFromFile(const std::filesystem::path& file) {
  std::optional<Image> image = ReadImageFile(file);
  const std::string name = file.filename().string();
  if (!image) {
    log_.Add("CreateTextureFromFile " + name + " failed");
    return TextureId{};
  }
  log_.Add("CreateTextureFromFile " + name + ' ' + std::to_string(image->width) + 'x' +
           std::to_string(image->height));
  textures.push_back(std::move(*image));
  return TextureId{std::uint32_t(textures.size())};
}

RenderTarget RecordingDevice::CreateRenderTarget(int width, int height) {
  log_.Add("CreateRenderTarget " + std::to_string(width) + 'x' + std::to_string(height));
  textures.push_back(Image{width, height, {}});
  return RenderTarget{RenderTargetId{1}, TextureId{std::uint32_t(textures.size())}};
}

VertexBufferId RecordingDevice::CreateVertexBuffer(std::span<const WorldVertex> vertices) {
  log_.Add("CreateVertexBuffer " + std::to_string(vertices.size()));
  vertexBuffers.emplace_back(vertices.begin(), vertices.end());
  return VertexBufferId{std::uint32_t(vertexBuffers.size())};
}

RecordingDevice::~RecordingDevice() { log_.Add("Device.Release"); }

void RecordingDevice::ReleaseTexture(TextureId texture) {
  log_.Add("ReleaseTexture " + std::to_string(texture.value));
}

void RecordingDevice::ReleaseMesh(MeshId mesh) {
  log_.Add("ReleaseMesh " + std::to_string(mesh.value));
}

void RecordingDevice::ReleaseVertexBuffer(VertexBufferId buffer) {
  log_.Add("ReleaseVertexBuffer " + std::to_string(buffer.value));
}

FontId RecordingDevice::CreateFont(std::string_view face, int points, bool bold) {
  log_.Add("CreateFont " + std::string(face) + ' ' + std::to_string(points) +
           (bold ? " bold" : ""));
  return FontId{++fonts_};
}

void RecordingDevice::DrawSubset(MeshId mesh, std::uint32_t subset) {
  log_.Add("DrawSubset " + std::to_string(mesh.value) + ' ' + std::to_string(subset));
}

void RecordingDevice::DrawTriangleStrip(VertexBufferId buffer, std::uint32_t startVertex,
                                        std::uint32_t triangles) {
  log_.Add("DrawTriangleStrip " + std::to_string(buffer.value) + ' ' +
           std::to_string(startVertex) + ' ' + std::to_string(triangles));
}

void RecordingDevice::DrawSprite(const SpriteDraw& sprite) {
  std::string line = "DrawSprite " + std::to_string(sprite.texture.value);
  if (sprite.source) {
    const TexelRect& r = *sprite.source;
    line += " rect " + std::to_string(r.left) + ',' + std::to_string(r.top) + ',' +
            std::to_string(r.right) + ',' + std::to_string(r.bottom);
  }
  line += " scale " + Number(sprite.scaling.x) + ',' + Number(sprite.scaling.y);
  if (sprite.rotationCentre) {
    line += " centre " + Number(sprite.rotationCentre->x) + ',' + Number(sprite.rotationCentre->y);
  }
  line += " rotation " + Number(sprite.rotation) + " at " + Number(sprite.translation.x) + ',' +
          Number(sprite.translation.y) + ' ' + ColourName(sprite.colour);
  log_.Add(line);
}

void RecordingDevice::DrawText(FontId font, std::string_view text, int x, int y, Argb colour) {
  log_.Add("DrawText " + std::to_string(font.value) + " \"" + std::string(text) + "\" " +
           std::to_string(x) + ',' + std::to_string(y) + ' ' + ColourName(colour));
}

void RecordingDevice::BeginRenderTarget(RenderTargetId target) {
  log_.Add("BeginRenderTarget " + std::to_string(target.value));
}

void RecordingDevice::EndRenderTarget() { log_.Add("EndRenderTarget"); }

void RecordingDevice::KeepPicture() {
  log_.Add("KeepPicture");
  pictureKept_ = true;
}

bool RecordingDevice::CopyKeptPicture(RenderTargetId target) {
  if (!pictureKept_) return false;
  pictureKept_ = false;
  log_.Add("CopyKeptPicture " + std::to_string(target.value));
  return true;
}

Image RecordingDevice::ReadBackBuffer() {
  Image image;
  image.width = width_;
  image.height = height_;
  image.rgba.reserve(std::size_t(width_) * height_ * 4);
  for (int i = 0; i < width_ * height_; ++i) {
    for (int shift : {16, 8, 0, 24}) image.rgba.push_back(std::uint8_t(lastClear_ >> shift));
  }
  return image;
}

std::unique_ptr<GraphicsDevice> RecordingGraphicsSystem::CreateDevice(
    const PresentParameters& parameters) {
  log_.Add(std::string("CreateDevice ") + (parameters.Windowed ? "windowed" : "fullscreen") + ' ' +
           std::to_string(parameters.BackBufferWidth) + 'x' +
           std::to_string(parameters.BackBufferHeight));
  if (refuseDevice) return nullptr;
  const int width = parameters.BackBufferWidth > 0 ? parameters.BackBufferWidth : 800;
  const int height = parameters.BackBufferHeight > 0 ? parameters.BackBufferHeight : 600;
  auto made = std::make_unique<RecordingDevice>(log_, width, height);
  device = made.get();
  return made;
}

}  // namespace quillmoor
