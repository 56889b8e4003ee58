#pragma once

#include <epoxy/gl.h>

#include <array>
#include <map>

#include "platform/gl/gl_resources.h"
#include "platform/gl/gl_scene_renderer.h"
#include "platform/gl/gl_sprite_renderer.h"
#include "platform/gl/gl_state.h"
#include "platform/gl/gl_text.h"
#include "platform/graphics.h"
#include "platform/swap_mode.h"

struct SDL_Window;
typedef void* SDL_GLContext;

namespace quillmoor {

// A device over OpenGL 3.3. The back buffer is a framebuffer object of the
// device's size times the display's pixel density, so a high-density screen
// gets a sharp picture while every coordinate stays in the device's logical
// pixels. Present copies it into the window, scaled with its aspect kept,
// and the back buffer keeps its content.
class GlDevice final : public GraphicsDevice {
 public:
  GlDevice(SDL_Window* window, SDL_GLContext context, int width, int height, int density,
           SwapMode swap);
  ~GlDevice() override;
  GlDevice(const GlDevice&) = delete;
  GlDevice& operator=(const GlDevice&) = delete;

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
  void KeepPicture() override;
  bool CopyKeptPicture(RenderTargetId target) override;

  Image ReadBackBuffer() override;

 private:
  void Release();
  void ApplyRenderState(RenderState state, std::uint32_t value);
  void CheckErrors(const char* operation);
  void PaceWithoutVsync();

  SDL_Window* window_;
  SDL_GLContext context_;
  int width_, height_;  // logical pixels
  int density_;         // back-buffer pixels per logical pixel
  GLuint framebuffer_ = 0, colour_ = 0, depth_ = 0;
  // The picture KeepPicture set aside, made on its first call.
  GLuint keptFramebuffer_ = 0, keptColour_ = 0;
  bool pictureKept_ = false;
  bool paceFrames_ = false;
  double framePeriod_ = 1.0 / 60.0;
  double lastPresent_ = 0;
  FixedFunctionState state_;
  // Made after the context, gone before it.
  std::optional<GlResources> resources_;
  std::optional<GlSceneRenderer> scene_;
  std::optional<GlSpriteRenderer> sprites_;
  std::vector<std::unique_ptr<GlFont>> fonts_;  // by FontId - 1
  // The size of what is drawn into: the back buffer or a render target.
  int targetWidth_ = 0, targetHeight_ = 0;
};

}  // namespace quillmoor
