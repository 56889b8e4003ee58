#pragma once

#include <array>

#include "platform/graphics.h"

namespace quillmoor {

struct GraphicsState;

// The flat shapes every quad is drawn from; the unit quad starts at vertex 6.
extern const std::array<WorldVertex, 14> kWorldVertices;
inline constexpr int kUnitQuadStart = 6;

// Fills the shared vertex buffer. False when it cannot be made.
bool InitVB(GraphicsState& graphics);

}  // namespace quillmoor
