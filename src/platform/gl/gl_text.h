#pragma once

#include <epoxy/gl.h>

#include <string_view>
#include <unordered_map>

#include "platform/colour.h"
#include "platform/gl/gl_sprite_renderer.h"

namespace quillmoor {

// A font from the system's match for the face, its glyphs (Latin, Cyrillic
// and a few marks) rendered once into a texture. Sizes are in points at 96
// dots an inch, as the character height of a classic screen font. Glyphs are
// rendered at `density` texels per pixel, for a sharp high-density screen.
class GlFont {
 public:
  GlFont(std::string_view face, int points, bool bold, int density = 1);
  ~GlFont();
  GlFont(const GlFont&) = delete;
  GlFont& operator=(const GlFont&) = delete;

  // UTF-8 text with its top-left corner at (x, y), one line per '\n';
  // characters without a glyph are left out.
  void Draw(GlSpriteRenderer& sprites, std::string_view text, int x, int y, Argb colour,
            int targetWidth, int targetHeight);

  // Where a glyph lies in the texture and how it sits on the line.
  struct Glyph {
    int atlasX = 0, atlasY = 0, width = 0, height = 0;
    int left = 0, top = 0;  // from the pen to the bitmap's top left, y up
    int advance = 0;
  };  // in texels

 private:
  std::unordered_map<char32_t, Glyph> glyphs_;
  GLuint atlas_ = 0;
  int atlasWidth_ = 0, atlasHeight_ = 0;
  int ascender_ = 0, lineHeight_ = 0;  // in texels
  int density_ = 1;
};

}  // namespace quillmoor
