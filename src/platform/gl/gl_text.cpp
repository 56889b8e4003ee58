#include "platform/gl/gl_text.h"

#include "platform/font_match.h"
#include "platform/utf8.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "platform/fatal_error.h"

namespace quillmoor {

namespace {

constexpr int kAtlasWidth = 512;
constexpr int kGlyphGap = 1;  // empty texels between glyphs

// Printable ASCII, the Cyrillic block and the marks Russian text uses.
std::vector<char32_t> CharacterSet() {
  std::vector<char32_t> characters;
  for (char32_t c = 32; c <= 126; ++c) characters.push_back(c);
  for (char32_t c = 0x400; c <= 0x45F; ++c) characters.push_back(c);
  for (char32_t c : {U'№', U'«', U'»', U'—'}) characters.push_back(c);
  return characters;
}

// The file of the system's best match for the face.
std::string MatchFontFile(std::string_view face, bool bold) {
  const std::string name = std::string(face) + (bold ? ":bold" : "");
  const std::optional<FontMatch> match = MatchFont(name);
  if (!match) throw FatalError("Не найден шрифт " + name + ".");
  return match->file;
}

struct FreeTypeDone {
  void operator()(FT_Library library) const { FT_Done_FreeType(library); }
  void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using FreeTypeLibrary = std::unique_ptr<FT_LibraryRec_, FreeTypeDone>;
using FreeTypeFace = std::unique_ptr<FT_FaceRec_, FreeTypeDone>;


}  // namespace

GlFont::GlFont(std::string_view face, int points, bool bold, int density) : density_(density) {
  const std::string file = MatchFontFile(face, bold);
  FT_Library rawLibrary = nullptr;
  if (FT_Init_FreeType(&rawLibrary) != 0) throw FatalError("FreeType does not start.");
  const FreeTypeLibrary library(rawLibrary);
  FT_Face rawFace = nullptr;
  if (FT_New_Face(library.get(), file.c_str(), 0, &rawFace) != 0) {
    throw FatalError("Невозможно открыть шрифт " + file + ".");
  }
  const FreeTypeFace font(rawFace);
  // A point is 96/72 pixels; the size is the height of the em.
  const int pixels = int(std::lround(points * 96.0 / 72.0)) * density_;
  if (FT_Set_Pixel_Sizes(font.get(), 0, FT_UInt(pixels)) != 0) {
    throw FatalError("Невозможно задать размер шрифта " + file + ".");
  }
  ascender_ = int(font->size->metrics.ascender >> 6);
  lineHeight_ = int(font->size->metrics.height >> 6);

  // Glyphs in rows of the texture's width, each row as tall as its tallest.
  struct Rendered {
    char32_t character;
    Glyph glyph;
    std::vector<std::uint8_t> coverage;
  };
  std::vector<Rendered> rendered;
  int penX = 0, penY = 0, rowHeight = 0;
  for (char32_t character : CharacterSet()) {
    const FT_UInt index = FT_Get_Char_Index(font.get(), character);
    if (index == 0 || FT_Load_Glyph(font.get(), index, FT_LOAD_RENDER) != 0) continue;
    const FT_GlyphSlot slot = font->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    Glyph glyph{0, 0, int(bitmap.width), int(bitmap.rows), slot->bitmap_left, slot->bitmap_top,
                int((slot->advance.x + 32) >> 6)};
    if (penX + glyph.width > kAtlasWidth) {
      penX = 0;
      penY += rowHeight + kGlyphGap;
      rowHeight = 0;
    }
    glyph.atlasX = penX;
    glyph.atlasY = penY;
    penX += glyph.width + kGlyphGap;
    rowHeight = std::max(rowHeight, glyph.height);
    std::vector<std::uint8_t> coverage(std::size_t(glyph.width) * glyph.height);
    for (int row = 0; row < glyph.height; ++row) {
      const std::uint8_t* line = bitmap.buffer + std::ptrdiff_t(row) * bitmap.pitch;
      std::copy(line, line + glyph.width, coverage.begin() + std::ptrdiff_t(row) * glyph.width);
    }
    rendered.push_back({character, glyph, std::move(coverage)});
  }
  atlasWidth_ = kAtlasWidth;
  atlasHeight_ = std::max(penY + rowHeight, 1);

  std::vector<std::uint8_t> texels(std::size_t(atlasWidth_) * atlasHeight_, 0);
  for (const Rendered& each : rendered) {
    const Glyph& glyph = each.glyph;
    for (int row = 0; row < glyph.height; ++row) {
      std::copy_n(each.coverage.begin() + std::ptrdiff_t(row) * glyph.width, glyph.width,
                  texels.begin() + std::ptrdiff_t(glyph.atlasY + row) * atlasWidth_ +
                      glyph.atlasX);
    }
    glyphs_.emplace(each.character, glyph);
  }

  GLint previousTexture = 0, previousAlignment = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &previousTexture);
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &previousAlignment);
  glGenTextures(1, &atlas_);
  glBindTexture(GL_TEXTURE_2D, atlas_);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_R8, atlasWidth_, atlasHeight_, 0, GL_RED, GL_UNSIGNED_BYTE,
               texels.data());
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
  // White, its coverage as alpha, so the colour gives the text its colour.
  const GLint swizzle[] = {GL_ONE, GL_ONE, GL_ONE, GL_RED};
  glTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_RGBA, swizzle);
  glPixelStorei(GL_UNPACK_ALIGNMENT, previousAlignment);
  glBindTexture(GL_TEXTURE_2D, GLuint(previousTexture));
}

GlFont::~GlFont() { glDeleteTextures(1, &atlas_); }

void GlFont::Draw(GlSpriteRenderer& sprites, std::string_view text, int x, int y, Argb colour,
                  int targetWidth, int targetHeight) {
  std::vector<SpriteQuad> quads;
  const float width = float(atlasWidth_), height = float(atlasHeight_);
  // The pen moves in texels; a pixel holds density_ of them.
  const float scale = 1.0f / float(density_);
  int penX = 0, baseline = ascender_;
  for (const char32_t character : Characters(text)) {
    if (character == U'\n') {
      penX = 0;
      baseline += lineHeight_;
      continue;
    }
    const auto found = glyphs_.find(character);
    if (found == glyphs_.end()) continue;
    const Glyph& glyph = found->second;
    if (glyph.width > 0 && glyph.height > 0) {
      const float left = float(x) + float(penX + glyph.left) * scale;
      const float top = float(y) + float(baseline - glyph.top) * scale;
      const float right = left + float(glyph.width) * scale;
      const float bottom = top + float(glyph.height) * scale;
      quads.push_back({{Vector2{left, top}, Vector2{right, top}, Vector2{right, bottom},
                        Vector2{left, bottom}},
                       {float(glyph.atlasX) / width, float(glyph.atlasY) / height},
                       {float(glyph.atlasX + glyph.width) / width,
                        float(glyph.atlasY + glyph.height) / height}});
    }
    penX += glyph.advance;
  }
  sprites.DrawQuads(quads, atlas_, colour, targetWidth, targetHeight);
}

}  // namespace quillmoor
