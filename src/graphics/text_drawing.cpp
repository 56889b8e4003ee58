#include "graphics/text_drawing.h"

#include "state/game.h"

namespace quillmoor {

namespace {

int HexDigits(std::uint32_t value) {
  int digits = 1;
  while (value >>= 4) ++digits;
  return digits;
}

void DrawWith(GraphicsState& graphics, FontId font, std::string_view text, std::int32_t x,
              std::int32_t y, std::int32_t colour) {
  if (text.empty()) return;
  graphics.Device->DrawText(font, text, x, y, TextColour(colour));
}

}  // namespace

void InitFonts(GraphicsState& graphics) {
  GraphicsState& g = graphics;
  g.Font = g.Device->CreateFont("Arial", 11, /*bold=*/true);
  g.Font2 = g.Device->CreateFont("Arial", 10, /*bold=*/true);
}

Argb TextColour(std::int32_t Cvet) {
  const auto colour = static_cast<std::uint32_t>(Cvet);
  return static_cast<Argb>((std::uint64_t(0xFF) << (4 * HexDigits(colour))) | colour);
}

void DrawText(Game& game, std::string_view sString, std::int32_t tX, std::int32_t tY,
              std::int32_t Cvet) {
  DrawWith(game.graphics, game.graphics.Font, sString, tX, tY, Cvet);
}

void DrawText2(Game& game, std::string_view sString, std::int32_t tX, std::int32_t tY,
               std::int32_t Cvet) {
  DrawWith(game.graphics, game.graphics.Font2, sString, tX, tY, Cvet);
}

}  // namespace quillmoor
