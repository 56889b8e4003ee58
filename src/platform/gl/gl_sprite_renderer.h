#pragma once

#include <epoxy/gl.h>

#include <array>
#include <span>

#include "platform/gl/gl_resources.h"

namespace quillmoor {

// One textured quadrilateral: its corners in target pixels from the top
// left (top left, top right, bottom right, bottom left of the image) and the
// texture coordinates of its top-left and bottom-right corners.
struct SpriteQuad {
  std::array<Vector2, 4> corners;
  Vector2 uvTopLeft, uvBottomRight;
};

// Draws textured rectangles over the picture with the classic sprite's
// meaning (see SpriteDraw), in pixels of the target from its top left.
// Sprites blend by their alpha with no depth test; the GL state the caller
// had is back afterwards.
class GlSpriteRenderer {
 public:
  GlSpriteRenderer();
  ~GlSpriteRenderer();
  GlSpriteRenderer(const GlSpriteRenderer&) = delete;
  GlSpriteRenderer& operator=(const GlSpriteRenderer&) = delete;

  void Draw(const SpriteDraw& sprite, const GlTexture& texture, int targetWidth,
            int targetHeight);
  // Quads of one texture, all multiplied by the colour, in order.
  void DrawQuads(std::span<const SpriteQuad> quads, GLuint texture, Argb colour,
                 int targetWidth, int targetHeight);

 private:
  GLuint program_ = 0, vertexArray_ = 0, vertexBuffer_ = 0, sampler_ = 0;
  GLint targetSize_ = -1, colour_ = -1;
};

// The corners of a sprite on the target, top left first, clockwise.
std::array<Vector2, 4> SpriteCorners(const SpriteDraw& sprite, float width, float height);

}  // namespace quillmoor
