#pragma once

#include <cstdint>
#include <memory>

#include "platform/colour.h"
#include "platform/graphics.h"
#include "platform/matrix.h"

namespace quillmoor {

// Eye, then the point looked at.
struct CameraPoints {
  float EyeX = 0, EyeY = -2, EyeZ = 0;
  float AtX = 0, AtY = -2, AtZ = 1;
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
};

}  // namespace quillmoor
