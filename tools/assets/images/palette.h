#pragma once

#include "assets/images/canvas.h"

// The colours every picture of the game is made from: a deep blue and teal
// night, warm orange light, white text.
namespace quillmoor::assets::palette {

inline const Colour kNight = Rgb(4, 9, 24);
inline const Colour kDeepBlue = Rgb(10, 30, 66);
inline const Colour kSteelBlue = Rgb(58, 84, 112);
inline const Colour kTeal = Rgb(36, 196, 204);
inline const Colour kPaleTeal = Rgb(160, 240, 240);
inline const Colour kOrange = Rgb(255, 148, 48);
inline const Colour kEmber = Rgb(255, 92, 24);
inline const Colour kWarmWhite = Rgb(255, 238, 214);
inline const Colour kWhite = Rgb(255, 255, 255);

}  // namespace quillmoor::assets::palette
