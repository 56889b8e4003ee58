#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/colour.h"
#include "platform/graphics.h"
#include "platform/matrix.h"

namespace quillmoor {

// Eye, then the point looked at.
struct CameraPoints {
  float EyeX = 0, EyeY = -2, EyeZ = 0;
  float AtX = 0, AtY = -2, AtZ = 1;
};

inline constexpr int kMeshSlots = 10;
inline constexpr int kImageSlots = 12;

// One model: subset j is drawn with Materials[j] and Textures[j].
struct MeshRecord {
  MeshId Mesh;
  std::vector<Material> Materials;
  std::vector<TextureId> Textures;  // all the model's one texture, or none
  std::int32_t MaterialCount = 0;
};

struct GraphicsState {
  GraphicsSystem* D3D = nullptr;
  std::unique_ptr<GraphicsDevice> Device;

  float FieldOfView = 45;  // degrees
  std::int16_t ScreenWidth = 800, ScreenHeight = 600;  // the logical 2D screen
  std::int16_t FullScreenWidth = 800, FullScreenHeight = 600;
  std::int16_t ViewWidth = 0, ViewHeight = 0;
  float AspectRatio = 0;

  CameraPoints Camera;
  Matrix ViewMatrix;
  Matrix RollMatrix;
  float RollAngle = 0;  // radians
  Argb ClearColor = 0;

  std::array<MeshRecord, kMeshSlots> Meshes;
  std::uint8_t LastMesh = kMeshSlots - 1;
  std::array<TextureId, kImageSlots> ImageTextures{};
  RenderTarget BlurRender;  // BlurRender.texture is the blur texture
  VertexBufferId VertexBuffer;
  FontId Font, Font2;  // Arial bold, 11 and 10 points
};

}  // namespace quillmoor
