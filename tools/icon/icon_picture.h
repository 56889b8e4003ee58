#pragma once

namespace quillmoor::icon {

// Straight (not premultiplied) colour, each channel 0..1.
struct Colour {
  float red = 0;
  float green = 0;
  float blue = 0;
  float alpha = 0;
};

// The side of the square the icon is drawn on, as in org.quillmoor.Quillmoor.svg.
inline constexpr float kIconSide = 256;

// The icon's colour at a point of that square, y downwards; transparent
// outside the rounded tile.
Colour IconColourAt(float x, float y);

}  // namespace quillmoor::icon
