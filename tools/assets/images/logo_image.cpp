#include <algorithm>
#include <cmath>

#include "assets/images/palette.h"
#include "assets/images/pictures.h"
#include "assets/images/text.h"
#include "assets/images/title.h"

namespace quillmoor::assets {

namespace {

constexpr int kWidth = 512, kHeight = 256;
// The menu draws the logo at three quarters of its height: the letters are
// set that much taller so that they show in their true shape.
constexpr float kStretch = 4.0f / 3.0f;
constexpr float kTextWidth = 440, kTextLeft = 36, kTextTop = 52;

}  // namespace

// White, since the menu tints it red: the name with a soft halo, a slit cut
// through the letters and a bar beneath that fades to the right.
Canvas LogoImage(const TextSetter& text) {
  const char kName[] = "QUILLMOOR";
  const Mask probe = text.Set(kName, 64, 64 * kStretch, 6);
  const float em = 64 * kTextWidth / probe.width;
  const Mask letters = text.Set(kName, em, em * kStretch, 6 * em / 64);
  const int left = int(kTextLeft), top = int(kTextTop);
  Canvas logo(kWidth, kHeight);

  PaintTitle(logo, letters, left, top, palette::kWhite, Rgb(196, 196, 196),
             WithAlpha(palette::kWhite, 0.3f));

  PaintTitleBar(logo, left, left + int(kTextWidth), top + letters.height + 24.0f, 3,
                palette::kWhite, 0, [](float t) { return std::clamp((1 - t) / 0.55f, 0.0f, 1.0f); });
  return logo;
}

}  // namespace quillmoor::assets
