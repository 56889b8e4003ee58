#include "icon/render_icon.h"

#include <algorithm>
#include <cmath>

#include "icon/icon_picture.h"

namespace quillmoor::icon {

namespace {

// Samples per pixel side: small sizes get more, so thin rings still blend in.
int GridFor(int size) { return std::clamp(1024 / size, 4, 16); }

std::uint8_t ToByte(float value) {
  return std::uint8_t(std::lround(std::clamp(value, 0.0f, 1.0f) * 255));
}

}  // namespace

Image RenderIcon(int size) {
  Image image{size, size, std::vector<std::uint8_t>(std::size_t(size) * size * 4)};
  const int grid = GridFor(size);
  const float scale = kIconSide / float(size * grid);
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      // Premultiplied sums, so transparent samples add no colour.
      float red = 0, green = 0, blue = 0, alpha = 0;
      for (int sy = 0; sy < grid; ++sy) {
        for (int sx = 0; sx < grid; ++sx) {
          const Colour c = IconColourAt((float(px * grid + sx) + 0.5f) * scale,
                                        (float(py * grid + sy) + 0.5f) * scale);
          red += c.red * c.alpha;
          green += c.green * c.alpha;
          blue += c.blue * c.alpha;
          alpha += c.alpha;
        }
      }
      std::uint8_t* out = &image.rgba[(std::size_t(py) * size + px) * 4];
      if (alpha > 0) {
        out[0] = ToByte(red / alpha);
        out[1] = ToByte(green / alpha);
        out[2] = ToByte(blue / alpha);
      }
      out[3] = ToByte(alpha / float(grid * grid));
    }
  }
  return image;
}

}  // namespace quillmoor::icon
