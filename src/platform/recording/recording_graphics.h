#pragma once

#include <map>

#include "platform/graphics.h"
#include "platform/model_file.h"
#include "platform/recording/call_log.h"

namespace quillmoor {

// A device that draws nothing and writes every call into the log, keeping
// the last value of each state for tests to look at.
class RecordingDevice final : public GraphicsDevice {
 public:
  RecordingDevice(CallLog& log, int width, int height) : log_(log), width_(width), height_(height) {}
  // Logs "Device.Release": the log must outlive the device.
  ~RecordingDevice() override;

  void Clear(std::uint32_t flags, Argb colour, float z, std::uint32_t stencil) override;
  void BeginScene() override;
  void EndScene() override;
  void Present() override;
  void SetRenderState(RenderState state, std::uint32_t value) override;
  void SetTextureStageState(std::uint32_t stage, TextureStageState state,
                            std::uint32_t value) override;
  void SetTransform(TransformType type, const Matrix& matrix) override;
  void SetLight(std::uint32_t index, const Light& light) override;
  void LightEnable(std::uint32_t index, bool enable) override;
  void SetMaterial(const Material& material) override;
  void SetTexture(std::uint32_t stage, TextureId texture) override;
  // These read the files with the real loaders and keep what they read.
  std::optional<LoadedMesh> LoadMeshFromX(const std::filesystem::path& file) override;
  TextureId CreateTextureFromFile(const std::filesystem::path& file) override;
  RenderTarget CreateRenderTarget(int width, int height) override;
  VertexBufferId CreateVertexBuffer(std::span<const WorldVertex> vertices) override;
  FontId CreateFont(std::string_view face, int points, bool bold) override;
  void ReleaseTexture(TextureId texture) override;
  void ReleaseMesh(MeshId mesh) override;
  void ReleaseVertexBuffer(VertexBufferId buffer) override;
  void DrawSubset(MeshId mesh, std::uint32_t subset) override;
  void DrawTriangleStrip(VertexBufferId buffer, std::uint32_t startVertex,
                         std::uint32_t triangles) override;
  void DrawSprite(const SpriteDraw& sprite) override;
  void DrawText(FontId font, std::string_view text, int x, int y, Argb colour) override;
  void BeginRenderTarget(RenderTargetId target) override;
  void EndRenderTarget() override;
  // Logs the copy only when there is a picture kept to copy.
  void KeepPicture() override;
  bool CopyKeptPicture(RenderTargetId target) override;
  // A picture filled with the colour of the last Clear.
  Image ReadBackBuffer() override;

  std::map<RenderState, std::uint32_t> renderStates;
  std::map<TransformType, Matrix> transforms;
  std::map<std::uint32_t, Light> lights;
  std::vector<ModelGeometry> meshes;                 // by MeshId - 1
  std::vector<Image> textures;                       // by TextureId - 1
  std::vector<std::vector<WorldVertex>> vertexBuffers;  // by VertexBufferId - 1

 private:
  CallLog& log_;
  XFileReader models_;
  int width_, height_;
  Argb lastClear_ = 0;
  bool pictureKept_ = false;
  std::uint32_t fonts_ = 0;
};

class RecordingGraphicsSystem final : public GraphicsSystem {
 public:
  explicit RecordingGraphicsSystem(CallLog& log) : log_(log) {}

  std::unique_ptr<GraphicsDevice> CreateDevice(const PresentParameters& parameters) override;

  bool refuseDevice = false;    // CreateDevice gives no device
  RecordingDevice* device = nullptr;  // the last device made

 private:
  CallLog& log_;
};

}  // namespace quillmoor
