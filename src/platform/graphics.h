#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/colour.h"
#include "platform/image.h"
#include "platform/matrix.h"

namespace quillmoor {

// Render states by their classic numbers, values as the classic constants.
enum class RenderState : std::uint32_t {
  ZEnable = 7,
  ZWriteEnable = 14,
  SrcBlend = 19,
  DestBlend = 20,
  CullMode = 22,
  AlphaBlendEnable = 27,
  Lighting = 137,
  Ambient = 139,
};

namespace blend {
constexpr std::uint32_t Zero = 1, One = 2, SrcColor = 3, InvSrcColor = 4, SrcAlpha = 5,
                        InvSrcAlpha = 6, DestAlpha = 7, InvDestAlpha = 8, DestColor = 9,
                        InvDestColor = 10;
}
namespace cull {
constexpr std::uint32_t None = 1, Clockwise = 2, CounterClockwise = 3;
}

enum class TextureStageState : std::uint32_t {
  MagFilter = 16,
  MinFilter = 17,
  MipFilter = 18,
  MaxAnisotropy = 21,
};

namespace texfilter {
constexpr std::uint32_t None = 0, Point = 1, Linear = 2, Anisotropic = 3;
}

enum class TransformType : std::uint32_t { View = 2, Projection = 3, World = 256 };

namespace clear {
constexpr std::uint32_t Target = 1, ZBuffer = 2;
}

enum class LightType : std::uint32_t { Point = 1, Spot = 2, Directional = 3 };

struct Light {
  LightType Type = LightType::Directional;
  ColourValue Diffuse, Specular, Ambient;
  Vector3 Position{0.0f}, Direction{0.0f};
  float Range = 0, Falloff = 0, Attenuation0 = 0, Attenuation1 = 0, Attenuation2 = 0;
  float Theta = 0, Phi = 0;
};

struct Material {
  ColourValue Diffuse, Ambient, Specular, Emissive;
  float Power = 0;
  bool operator==(const Material&) const = default;
};

// A resource owned by the device, by number; 0 is none.
template <typename Kind>
struct ResourceId {
  std::uint32_t value = 0;
  explicit operator bool() const { return value != 0; }
  bool operator==(const ResourceId&) const = default;
};
using TextureId = ResourceId<struct TextureKind>;
using MeshId = ResourceId<struct MeshKind>;
using VertexBufferId = ResourceId<struct VertexBufferKind>;
using RenderTargetId = ResourceId<struct RenderTargetKind>;
using FontId = ResourceId<struct FontKind>;

// A rectangle of texels, right and bottom excluded.
struct TexelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const TexelRect&) const = default;
};

struct Vector2 {
  float x = 0, y = 0;
  bool operator==(const Vector2&) const = default;
};

// One sprite draw, with the classic sprite's meaning: the source rectangle
// (the whole texture when absent) scaled, turned by rotation radians about
// the centre (in scaled pixels; the corner when absent), moved by the
// translation, its colour multiplied by the ARGB colour.
struct SpriteDraw {
  TextureId texture;
  std::optional<TexelRect> source;
  Vector2 scaling{1, 1};
  std::optional<Vector2> rotationCentre;
  float rotation = 0;
  Vector2 translation;
  Argb colour = 0xFFFFFFFF;
};

// Position, normal and one pair of texture coordinates: 32 bytes.
struct WorldVertex {
  float X = 0, Y = 0, Z = 0;
  float NX = 0, NY = 0, NZ = 0;
  float TU = 0, TV = 0;
  bool operator==(const WorldVertex&) const = default;
};
static_assert(sizeof(WorldVertex) == 32);

// A model as the device holds it, with its materials: subset j is drawn with
// material j.
struct LoadedMesh {
  MeshId mesh;
  std::vector<Material> materials;
};

// A texture to draw into, with its own depth buffer.
struct RenderTarget {
  RenderTargetId target;
  TextureId texture;  // what was drawn, for the sprite
};

// How the device presents, always at the vertical retrace: in the window
// with a back buffer of its client size, or full screen with a back buffer
// of the given size, scaled to the display with its aspect kept.
struct PresentParameters {
  bool Windowed = true;
  int BackBufferWidth = 0;  // 0: the window's client size
  int BackBufferHeight = 0;
};

// The drawing device. Each call either does its work or throws FatalError:
// the game has no recovery from a failing device. Resources (textures,
// vertex buffers, meshes, fonts, render targets) are created and owned by
// the device and named by ids; the device releases them when it goes.
class GraphicsDevice {
 public:
  virtual ~GraphicsDevice() = default;

  virtual void Clear(std::uint32_t flags, Argb colour, float z, std::uint32_t stencil) = 0;
  virtual void BeginScene() = 0;
  virtual void EndScene() = 0;
  virtual void Present() = 0;

  virtual void SetRenderState(RenderState state, std::uint32_t value) = 0;
  virtual void SetTextureStageState(std::uint32_t stage, TextureStageState state,
                                    std::uint32_t value) = 0;
  virtual void SetTransform(TransformType type, const Matrix& matrix) = 0;
  virtual void SetLight(std::uint32_t index, const Light& light) = 0;
  virtual void LightEnable(std::uint32_t index, bool enable) = 0;
  virtual void SetMaterial(const Material& material) = 0;
  virtual void SetTexture(std::uint32_t stage, TextureId texture) = 0;

  // A .X model, all its meshes in one with one subset per material in the
  // file's order. Nothing when the file is missing or cannot be read.
  virtual std::optional<LoadedMesh> LoadMeshFromX(const std::filesystem::path& file) = 0;
  // A texture from an image file, its format known by content. None when the
  // file is missing or cannot be read.
  virtual TextureId CreateTextureFromFile(const std::filesystem::path& file) = 0;
  // An RGBA render target of the size with a 16-bit depth buffer.
  virtual RenderTarget CreateRenderTarget(int width, int height) = 0;
  virtual VertexBufferId CreateVertexBuffer(std::span<const WorldVertex> vertices) = 0;
  // A font of the face at the size in points (at 96 dots an inch).
  virtual FontId CreateFont(std::string_view face, int points, bool bold) = 0;

  // Gives up one hold on a resource: it goes when nothing holds it any more.
  // Every CreateTextureFromFile is a hold, of a file already loaded too.
  virtual void ReleaseTexture(TextureId texture) = 0;
  virtual void ReleaseMesh(MeshId mesh) = 0;
  virtual void ReleaseVertexBuffer(VertexBufferId buffer) = 0;

  // Subset j of a mesh, with the transforms, material, texture and states
  // in force.
  virtual void DrawSubset(MeshId mesh, std::uint32_t subset) = 0;
  // Triangles of a strip of the vertex buffer, from its start vertex.
  virtual void DrawTriangleStrip(VertexBufferId buffer, std::uint32_t startVertex,
                                 std::uint32_t triangles) = 0;
  // 2D, over what is drawn, in back-buffer pixels from the top left.
  virtual void DrawSprite(const SpriteDraw& sprite) = 0;
  // UTF-8 text, its top-left corner at (x, y), never clipped.
  virtual void DrawText(FontId font, std::string_view text, int x, int y, Argb colour) = 0;
  // Draws go into the render target until EndRenderTarget.
  virtual void BeginRenderTarget(RenderTargetId target) = 0;
  virtual void EndRenderTarget() = 0;

  // Sets a copy of the back buffer's picture as drawn so far aside, for
  // CopyKeptPicture; the last one kept replaces any before it.
  virtual void KeepPicture() = 0;
  // Puts the picture kept into the render target's texture and forgets it.
  // False, changing nothing, when none is kept or the render target is not
  // the back buffer's size in pixels.
  virtual bool CopyKeptPicture(RenderTargetId target) = 0;

  // The back buffer as last drawn; it keeps its content across Present.
  virtual Image ReadBackBuffer() = 0;
};

// The graphics root object: creates the device for the game window.
class GraphicsSystem {
 public:
  virtual ~GraphicsSystem() = default;
  // Null when no device can be made.
  virtual std::unique_ptr<GraphicsDevice> CreateDevice(const PresentParameters& parameters) = 0;
};

}  // namespace quillmoor
