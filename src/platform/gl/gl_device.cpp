#include "platform/gl/gl_device.h"

#include <SDL.h>

#include <cstdio>
#include <string>

#include "platform/fatal_error.h"
#include "platform/letterbox.h"

namespace quillmoor {

namespace {

GLenum BlendFactor(std::uint32_t value) {
  switch (value) {
    case blend::Zero: return GL_ZERO;
    case blend::SrcColor: return GL_SRC_COLOR;
    case blend::InvSrcColor: return GL_ONE_MINUS_SRC_COLOR;
    case blend::SrcAlpha: return GL_SRC_ALPHA;
    case blend::InvSrcAlpha: return GL_ONE_MINUS_SRC_ALPHA;
    case blend::DestAlpha: return GL_DST_ALPHA;
    case blend::InvDestAlpha: return GL_ONE_MINUS_DST_ALPHA;
    case blend::DestColor: return GL_DST_COLOR;
    case blend::InvDestColor: return GL_ONE_MINUS_DST_COLOR;
    default: return GL_ONE;
  }
}

float Channel(Argb colour, int shift) { return float((colour >> shift) & 0xFF) / 255.0f; }

}  // namespace

GlDevice::GlDevice(SDL_Window* window, SDL_GLContext context, int width, int height,
                   int density, SwapMode swap)
    : window_(window), context_(context), width_(width), height_(height), density_(density) {
  // Adaptive: wait for the retrace unless the frame is late for it.
  const bool adaptive = swap == SwapMode::Adaptive && SDL_GL_SetSwapInterval(-1) == 0;
  if (swap != SwapMode::Off && !adaptive && SDL_GL_SetSwapInterval(1) != 0) {
    // No retrace to wait for: keep to the display's rate by the clock.
    paceFrames_ = true;
    SDL_DisplayMode mode;
    if (SDL_GetWindowDisplayMode(window_, &mode) == 0 && mode.refresh_rate > 0) {
      framePeriod_ = 1.0 / mode.refresh_rate;
    }
  } else if (swap == SwapMode::Off) {
    SDL_GL_SetSwapInterval(0);
  }

  glGenRenderbuffers(1, &colour_);
  glBindRenderbuffer(GL_RENDERBUFFER, colour_);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width_ * density_, height_ * density_);
  glGenRenderbuffers(1, &depth_);
  glBindRenderbuffer(GL_RENDERBUFFER, depth_);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, width_ * density_,
                        height_ * density_);
  glGenFramebuffers(1, &framebuffer_);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour_);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);
  if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
    Release();
    throw FatalError("Невозможно создать буфер кадра OpenGL.");
  }
  glViewport(0, 0, width_ * density_, height_ * density_);
  targetWidth_ = width_;
  targetHeight_ = height_;
  resources_.emplace();
  scene_.emplace();
  sprites_.emplace();

  // The states a new device starts with.
  glDepthFunc(GL_LEQUAL);
  ApplyRenderState(RenderState::ZEnable, 1);
  ApplyRenderState(RenderState::CullMode, cull::CounterClockwise);
  ApplyRenderState(RenderState::AlphaBlendEnable, 0);
  ApplyRenderState(RenderState::SrcBlend, blend::One);
  ApplyRenderState(RenderState::DestBlend, blend::Zero);
  ApplyRenderState(RenderState::Lighting, 1);
  ApplyRenderState(RenderState::Ambient, 0);
  CheckErrors("CreateDevice");
}

GlDevice::~GlDevice() { Release(); }

void GlDevice::Release() {
  fonts_.clear();
  sprites_.reset();
  scene_.reset();
  resources_.reset();
  glDeleteFramebuffers(1, &keptFramebuffer_);
  glDeleteRenderbuffers(1, &keptColour_);
  glDeleteFramebuffers(1, &framebuffer_);
  glDeleteRenderbuffers(1, &depth_);
  glDeleteRenderbuffers(1, &colour_);
  SDL_GL_DeleteContext(context_);
}

void GlDevice::Clear(std::uint32_t flags, Argb colour, float z, std::uint32_t) {
  GLbitfield mask = 0;
  if (flags & clear::Target) {
    glClearColor(Channel(colour, 16), Channel(colour, 8), Channel(colour, 0), Channel(colour, 24));
    mask |= GL_COLOR_BUFFER_BIT;
  }
  if (flags & clear::ZBuffer) {
    glClearDepth(z);
    glDepthMask(GL_TRUE);  // a clear reaches the depth buffer whatever the writes are set to
    mask |= GL_DEPTH_BUFFER_BIT;
  }
  glClear(mask);
  const auto writes = state_.renderStates.find(RenderState::ZWriteEnable);
  if (writes != state_.renderStates.end() && writes->second == 0) glDepthMask(GL_FALSE);
}

void GlDevice::BeginScene() { glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_); }

void GlDevice::EndScene() {}

void GlDevice::Present() {
  int width = 0, height = 0;
  SDL_GL_GetDrawableSize(window_, &width, &height);
  const int pixelWidth = width_ * density_, pixelHeight = height_ * density_;
  const Rect picture = FitPicture(width, height, pixelWidth, pixelHeight);

  glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
  // Black bars only where the picture leaves some of the window.
  const bool fills =
      picture.x == 0 && picture.y == 0 && picture.width == width && picture.height == height;
  if (!fills) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
  }
  const bool sameSize = picture.width == pixelWidth && picture.height == pixelHeight;
  glBlitFramebuffer(0, 0, pixelWidth, pixelHeight, picture.x, picture.y, picture.x + picture.width,
                    picture.y + picture.height, GL_COLOR_BUFFER_BIT,
                    sameSize ? GL_NEAREST : GL_LINEAR);
  SDL_GL_SwapWindow(window_);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  CheckErrors("Present");
  if (paceFrames_) PaceWithoutVsync();
}

void GlDevice::PaceWithoutVsync() {
  const double frequency = double(SDL_GetPerformanceFrequency());
  const double now = double(SDL_GetPerformanceCounter()) / frequency;
  const double wait = lastPresent_ + framePeriod_ - now;
  if (wait > 0) SDL_Delay(Uint32(wait * 1000.0));
  lastPresent_ = double(SDL_GetPerformanceCounter()) / frequency;
}

void GlDevice::SetRenderState(RenderState state, std::uint32_t value) {
  ApplyRenderState(state, value);
}

void GlDevice::ApplyRenderState(RenderState state, std::uint32_t value) {
  state_.renderStates[state] = value;
  switch (state) {
    case RenderState::ZEnable:
      value ? glEnable(GL_DEPTH_TEST) : glDisable(GL_DEPTH_TEST);
      break;
    case RenderState::ZWriteEnable:
      glDepthMask(value ? GL_TRUE : GL_FALSE);
      break;
    case RenderState::AlphaBlendEnable:
      value ? glEnable(GL_BLEND) : glDisable(GL_BLEND);
      break;
    case RenderState::SrcBlend:
    case RenderState::DestBlend:
      glBlendFunc(BlendFactor(state_.renderStates[RenderState::SrcBlend]),
                  BlendFactor(state_.renderStates[RenderState::DestBlend]));
      break;
    case RenderState::CullMode:
      // The picture is not mirrored on its way to the screen: a triangle
      // that turns clockwise there turns clockwise here.
      if (value == cull::None) {
        glDisable(GL_CULL_FACE);
      } else {
        glEnable(GL_CULL_FACE);
        glFrontFace(GL_CCW);
        glCullFace(value == cull::Clockwise ? GL_BACK : GL_FRONT);
      }
      break;
    default:
      break;
  }
}

void GlDevice::SetTextureStageState(std::uint32_t stage, TextureStageState state,
                                    std::uint32_t value) {
  state_.textureStageStates[{stage, state}] = value;
}

void GlDevice::SetTransform(TransformType type, const Matrix& matrix) {
  switch (type) {
    case TransformType::World: state_.world = matrix; break;
    case TransformType::View: state_.view = matrix; break;
    case TransformType::Projection: state_.projection = matrix; break;
  }
}

void GlDevice::SetLight(std::uint32_t index, const Light& light) { state_.lights[index] = light; }

void GlDevice::LightEnable(std::uint32_t index, bool enable) {
  state_.lightEnabled[index] = enable;
}

void GlDevice::SetMaterial(const Material& material) { state_.material = material; }

void GlDevice::SetTexture(std::uint32_t stage, TextureId texture) {
  if (stage < state_.textures.size()) state_.textures[stage] = texture;
}

std::optional<LoadedMesh> GlDevice::LoadMeshFromX(const std::filesystem::path& file) {
  std::optional<LoadedMesh> mesh = resources_->LoadMesh(file);
  CheckErrors("LoadMeshFromX");
  return mesh;
}

TextureId GlDevice::CreateTextureFromFile(const std::filesystem::path& file) {
  const TextureId texture = resources_->TextureFromFile(file);
  CheckErrors("CreateTextureFromFile");
  return texture;
}

RenderTarget GlDevice::CreateRenderTarget(int width, int height) {
  const RenderTarget target = resources_->AddRenderTarget(width, height);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  CheckErrors("CreateRenderTarget");
  return target;
}

VertexBufferId GlDevice::CreateVertexBuffer(std::span<const WorldVertex> vertices) {
  const VertexBufferId buffer = resources_->AddVertexBuffer(vertices);
  CheckErrors("CreateVertexBuffer");
  return buffer;
}

FontId GlDevice::CreateFont(std::string_view face, int points, bool bold) {
  fonts_.push_back(std::make_unique<GlFont>(face, points, bold, density_));
  CheckErrors("CreateFont");
  return FontId{std::uint32_t(fonts_.size())};
}

void GlDevice::ReleaseTexture(TextureId texture) { resources_->ReleaseTexture(texture); }

void GlDevice::ReleaseMesh(MeshId mesh) { resources_->ReleaseMesh(mesh); }

void GlDevice::ReleaseVertexBuffer(VertexBufferId buffer) {
  resources_->ReleaseVertexBuffer(buffer);
}

void GlDevice::DrawSubset(MeshId mesh, std::uint32_t subset) {
  const GlMesh* model = resources_->Mesh(mesh);
  if (!model || subset >= model->subsets.size()) return;
  scene_->DrawSubset(state_, *model, subset, resources_->Texture(state_.textures[0]));
}

void GlDevice::DrawTriangleStrip(VertexBufferId buffer, std::uint32_t startVertex,
                                 std::uint32_t triangles) {
  const GLuint vertices = resources_->VertexBuffer(buffer);
  if (!vertices) return;
  scene_->DrawTriangleStrip(state_, vertices, startVertex, triangles,
                            resources_->Texture(state_.textures[0]));
}

void GlDevice::DrawSprite(const SpriteDraw& sprite) {
  const GlTexture texture = resources_->TextureInfo(sprite.texture);
  if (!texture.name) return;
  sprites_->Draw(sprite, texture, targetWidth_, targetHeight_);
}

void GlDevice::DrawText(FontId font, std::string_view text, int x, int y, Argb colour) {
  if (!font || font.value > fonts_.size()) return;
  fonts_[font.value - 1]->Draw(*sprites_, text, x, y, colour, targetWidth_, targetHeight_);
}

void GlDevice::BeginRenderTarget(RenderTargetId target) {
  const GlRenderTarget* into = resources_->Target(target);
  if (!into) return;
  glBindFramebuffer(GL_FRAMEBUFFER, into->framebuffer);
  glViewport(0, 0, into->width, into->height);
  targetWidth_ = into->width;
  targetHeight_ = into->height;
}

void GlDevice::EndRenderTarget() {
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  glViewport(0, 0, width_ * density_, height_ * density_);
  targetWidth_ = width_;
  targetHeight_ = height_;
  CheckErrors("EndRenderTarget");
}

void GlDevice::KeepPicture() {
  const int pixelWidth = width_ * density_, pixelHeight = height_ * density_;
  GLint drawing = 0;
  glGetIntegerv(GL_FRAMEBUFFER_BINDING, &drawing);
  if (!keptFramebuffer_) {
    glGenRenderbuffers(1, &keptColour_);
    glBindRenderbuffer(GL_RENDERBUFFER, keptColour_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, pixelWidth, pixelHeight);
    glGenFramebuffers(1, &keptFramebuffer_);
    glBindFramebuffer(GL_FRAMEBUFFER, keptFramebuffer_);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, keptColour_);
  }
  glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, keptFramebuffer_);
  glBlitFramebuffer(0, 0, pixelWidth, pixelHeight, 0, 0, pixelWidth, pixelHeight,
                    GL_COLOR_BUFFER_BIT, GL_NEAREST);
  glBindFramebuffer(GL_FRAMEBUFFER, GLuint(drawing));
  pictureKept_ = true;
  CheckErrors("KeepPicture");
}

bool GlDevice::CopyKeptPicture(RenderTargetId target) {
  const GlRenderTarget* into = resources_->Target(target);
  const int pixelWidth = width_ * density_, pixelHeight = height_ * density_;
  if (!pictureKept_ || !into || into->width != pixelWidth || into->height != pixelHeight) {
    return false;
  }
  pictureKept_ = false;
  GLint drawing = 0;
  glGetIntegerv(GL_FRAMEBUFFER_BINDING, &drawing);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, keptFramebuffer_);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, into->framebuffer);
  glBlitFramebuffer(0, 0, pixelWidth, pixelHeight, 0, 0, pixelWidth, pixelHeight,
                    GL_COLOR_BUFFER_BIT, GL_NEAREST);
  glBindFramebuffer(GL_FRAMEBUFFER, GLuint(drawing));
  CheckErrors("CopyKeptPicture");
  return true;
}

Image GlDevice::ReadBackBuffer() {
  Image image;
  image.width = width_ * density_;
  image.height = height_ * density_;
  image.rgba.resize(std::size_t(image.width) * image.height * 4);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, image.width, image.height, GL_RGBA, GL_UNSIGNED_BYTE, image.rgba.data());
  CheckErrors("ReadBackBuffer");
  // The framebuffer's first row is the bottom one.
  const std::size_t row = std::size_t(image.width) * 4;
  for (int top = 0, bottom = image.height - 1; top < bottom; ++top, --bottom) {
    std::swap_ranges(image.rgba.begin() + top * row, image.rgba.begin() + (top + 1) * row,
                     image.rgba.begin() + bottom * row);
  }
  return image;
}

void GlDevice::CheckErrors(const char* operation) {
  const GLenum error = glGetError();
  if (error == GL_NO_ERROR) return;
  while (glGetError() != GL_NO_ERROR) {
  }
  char code[16];
  std::snprintf(code, sizeof code, "0x%04X", unsigned(error));
  throw FatalError(std::string("Ошибка OpenGL ") + code + " в " + operation + '.');
}

}  // namespace quillmoor
