#pragma once

#include <cstdint>
#include <string_view>

#include "platform/colour.h"

namespace quillmoor {

struct Game;
struct GraphicsState;

// The two fonts every text is drawn with: Arial bold, 11 and 10 points.
void InitFonts(GraphicsState& graphics);

// The colour a text is drawn in: "FF" put in front of the colour's own
// hexadecimal digits and the lowest 32 bits kept, so a colour with alpha
// stays as it is and one without gets it (or loses its top digits).
Argb TextColour(std::int32_t Cvet);

// Text with its top-left corner at (tX, tY) on the back buffer, in the
// larger font and in the smaller one.
void DrawText(Game& game, std::string_view sString, std::int32_t tX, std::int32_t tY,
              std::int32_t Cvet);
void DrawText2(Game& game, std::string_view sString, std::int32_t tX, std::int32_t tY,
               std::int32_t Cvet);

}  // namespace quillmoor
