#include "assets/images/text.h"

#include "platform/font_match.h"
#include "platform/utf8.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <climits>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillmoor::assets {

namespace {

const char kFontName[] = "Liberation Sans:bold";

// The font's file; nothing else will do for the game's look.
std::string FontFile() {
  const std::optional<FontMatch> match = MatchFont(kFontName);
  if (!match || match->family != "Liberation Sans") {
    throw std::runtime_error("Liberation Sans Bold not found (install fonts-liberation2)");
  }
  return match->file;
}


}  // namespace

struct TextSetter::Font {
  ~Font() {
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }
  FT_Library library = nullptr;
  FT_Face face = nullptr;
};

TextSetter::TextSetter() : font_(std::make_unique<Font>()) {
  const std::string file = FontFile();
  if (FT_Init_FreeType(&font_->library) != 0 ||
      FT_New_Face(font_->library, file.c_str(), 0, &font_->face) != 0) {
    throw std::runtime_error("cannot open " + file);
  }
}

TextSetter::~TextSetter() = default;

Mask TextSetter::Set(std::string_view text, float width, float height, float tracking) const {
  FT_Face face = font_->face;
  if (FT_Set_Pixel_Sizes(face, FT_UInt(std::lround(width)), FT_UInt(std::lround(height))) != 0) {
    throw std::runtime_error("cannot size the font");
  }
  struct Placed {
    int left, top;
    Mask glyph;
  };
  std::vector<Placed> glyphs;
  int penX = 0, low = INT_MAX, high = INT_MIN, first = INT_MAX, last = INT_MIN;
  FT_UInt previous = 0;
  for (char32_t point : Characters(text)) {
    const FT_UInt index = FT_Get_Char_Index(face, point);
    if (previous && index && FT_HAS_KERNING(face)) {
      FT_Vector kerning;
      FT_Get_Kerning(face, previous, index, FT_KERNING_DEFAULT, &kerning);
      penX += int(kerning.x >> 6);
    }
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER) != 0) throw std::runtime_error("no glyph");
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    Placed placed{
        penX + slot->bitmap_left, -slot->bitmap_top, {int(bitmap.width), int(bitmap.rows), {}}};
    placed.glyph.coverage.resize(std::size_t(bitmap.width) * bitmap.rows);
    for (int y = 0; y < int(bitmap.rows); ++y) {
      for (int x = 0; x < int(bitmap.width); ++x) {
        placed.glyph.at(x, y) = bitmap.buffer[y * bitmap.pitch + x] / 255.0f;
      }
    }
    if (bitmap.width > 0 && bitmap.rows > 0) {
      first = std::min(first, placed.left);
      last = std::max(last, placed.left + int(bitmap.width));
      low = std::min(low, placed.top);
      high = std::max(high, placed.top + int(bitmap.rows));
      glyphs.push_back(std::move(placed));
    }
    penX += int(slot->advance.x >> 6) + int(std::lround(tracking));
    previous = index;
  }
  Mask mask;
  if (glyphs.empty()) return mask;
  mask.width = last - first;
  mask.height = high - low;
  mask.coverage.assign(std::size_t(mask.width) * mask.height, 0.0f);
  for (const Placed& placed : glyphs) {
    for (int y = 0; y < placed.glyph.height; ++y) {
      for (int x = 0; x < placed.glyph.width; ++x) {
        float& cell = mask.at(placed.left - first + x, placed.top - low + y);
        cell = std::min(cell + placed.glyph.at(x, y), 1.0f);
      }
    }
  }
  return mask;
}

}  // namespace quillmoor::assets
