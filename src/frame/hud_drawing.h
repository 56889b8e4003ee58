#pragma once

#include <cstdint>

#include "platform/colour.h"
#include "platform/graphics.h"

namespace quillmoor {

struct GraphicsState;

// The interface images the 2D layers draw, by their slot in ImageTextures.
namespace image {
constexpr int Intro = 3, Dial = 4, Needle = 5, ProgressFrame = 6, ProgressFill = 7, Logo = 8,
              Overlay = 9, Glow = 11;
}

// One interface image: its source rectangle scaled, moved to the
// translation and turned by rotation radians (clockwise) about the centre,
// in scaled pixels.
void DrawImage(const GraphicsState& graphics,
               int image, TexelRect source, Vector2 scaling, Vector2 translation,
               Vector2 centre, float rotation, Argb colour);

// A colour as DrawText and DrawText2 take it.
constexpr std::int32_t TextArgb(int a, int r, int g, int b) {
  return static_cast<std::int32_t>(PackArgb(a, r, g, b));
}

}  // namespace quillmoor
