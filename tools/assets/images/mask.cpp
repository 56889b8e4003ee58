#include "assets/images/mask.h"

#include <algorithm>

namespace quillmoor::assets {

namespace {

// One running-sum box blur along rows (step 1) or columns (step width).
void BoxBlurLines(std::vector<float>& values, int lines, int length, int lineStep, int step,
                  int radius) {
  std::vector<float> line(static_cast<std::size_t>(length));
  for (int l = 0; l < lines; ++l) {
    const std::size_t start = std::size_t(l) * lineStep;
    for (int i = 0; i < length; ++i) line[i] = values[start + std::size_t(i) * step];
    float sum = 0;
    for (int i = -radius; i <= radius; ++i) sum += (i >= 0 && i < length) ? line[i] : 0;
    for (int i = 0; i < length; ++i) {
      values[start + std::size_t(i) * step] = sum / float(2 * radius + 1);
      const int leaving = i - radius, entering = i + radius + 1;
      if (leaving >= 0) sum -= line[leaving];
      if (entering < length) sum += line[entering];
    }
  }
}

}  // namespace

Mask Framed(const Mask& mask, int margin) {
  Mask framed{mask.width + 2 * margin, mask.height + 2 * margin, {}};
  framed.coverage.assign(std::size_t(framed.width) * framed.height, 0.0f);
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x) framed.at(x + margin, y + margin) = mask.at(x, y);
  }
  return framed;
}

Mask Blurred(const Mask& mask, int radius) {
  Mask blurred = mask;
  for (int pass = 0; pass < 3; ++pass) {
    BoxBlurLines(blurred.coverage, mask.height, mask.width, mask.width, 1, radius);
    BoxBlurLines(blurred.coverage, mask.width, mask.height, 1, mask.width, radius);
  }
  return blurred;
}

void PaintMask(Canvas& canvas, const Mask& mask, int left, int top, Colour colour) {
  PaintMask(canvas, mask, left, top, [&](float, float) { return colour; });
}

void AddMaskLight(Canvas& canvas, const Mask& mask, int left, int top, Colour light,
                  float strength) {
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x) {
      AddLight(canvas, left + x, top + y, light, strength * mask.at(x, y));
    }
  }
}

}  // namespace quillmoor::assets
