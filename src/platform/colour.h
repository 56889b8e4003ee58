#pragma once

#include <cstdint>

namespace quillmoor {

// 32-bit colour, alpha in the top byte, then red, green, blue.
using Argb = std::uint32_t;

constexpr Argb PackArgb(int a, int r, int g, int b) {
  return (Argb(a & 0xFF) << 24) | (Argb(r & 0xFF) << 16) | (Argb(g & 0xFF) << 8) |
         Argb(b & 0xFF);
}

struct ColourValue {
  float r = 0, g = 0, b = 0, a = 0;
  bool operator==(const ColourValue&) const = default;
};

}  // namespace quillmoor
