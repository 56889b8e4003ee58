#include "assets/images/title.h"

namespace quillmoor::assets {

void PaintTitle(Canvas& canvas, const Mask& letters, int left, int top, Colour topColour,
                Colour bottomColour, Colour halo) {
  const int spread = letters.height / 4;
  PaintMask(canvas, Blurred(Framed(letters, spread), spread / 3), left - spread, top - spread,
            halo);
  const float slitTop = top + letters.height * 0.62f;
  const float slitBottom = slitTop + letters.height / 16.0f;
  PaintMask(canvas, letters, left, top, [&](float, float y) {
    if (y > slitTop && y < slitBottom) return WithAlpha(topColour, 0.0f);
    return Mix(topColour, bottomColour, (y - top) / letters.height);
  });
}

}  // namespace quillmoor::assets
