#include <algorithm>
#include <cmath>

#include "assets/images/palette.h"
#include "assets/images/pictures.h"
#include "assets/images/shapes.h"
#include "assets/images/space.h"
#include "assets/images/text.h"
#include "assets/images/title.h"

namespace quillmoor::assets {

namespace {

// The intro is drawn 800 pixels square, 130 pixels above the top of the
// screen: rows 166 to 934 of the image show, centred on row 550.
constexpr int kSize = 1024;
constexpr float kShownTop = 166, kShownBottom = 934;
// Where the track vanishes: a little below the middle of the screen.
const glm::vec2 kVanishingPoint(512, 600);
constexpr float kNearRadius = 560;
constexpr float kPi = 3.14159265f;

// A ring gate of the track at depth z (1 is the nearest).
float GateRadius(float z) { return kNearRadius / z; }

void PaintGates(Canvas& intro) {
  for (int k = 13; k >= 0; --k) {
    const float z = 1 + k * 0.6f;
    const float r = GateRadius(z);
    const float near = 1 / z;
    const float fade = std::clamp(1.2f - z / 10, 0.25f, 1.0f);
    DrawRing(intro, kVanishingPoint, r, 22 * near + 2, WithAlpha(palette::kTeal, 0.18f * fade),
             30 * near + 4);
    DrawRing(intro, kVanishingPoint, r, 5 * near + 1, WithAlpha(palette::kTeal, 0.9f * fade));
    DrawRing(intro, kVanishingPoint, r, 1.5f * near + 0.5f,
             WithAlpha(palette::kPaleTeal, 0.8f * fade));
    for (int i = 0; i < 12; ++i) {
      const float angle = (i + 0.5f) * kPi / 6;
      const glm::vec2 at = kVanishingPoint + glm::vec2(std::cos(angle), std::sin(angle)) * r;
      AddGlow(intro, at, 9 * near + 1.5f, palette::kOrange, 0.9f * fade);
      FillDisc(intro, at, 3 * near + 0.6f, palette::kWarmWhite);
    }
  }
}

// The track along the bottom of the gates: a faint lane with boost pads.
void PaintTrack(Canvas& intro) {
  const float laneNear = GateRadius(0.85f) * 0.34f;
  for (const float side : {-1.0f, 1.0f}) {
    const glm::vec2 far = kVanishingPoint;
    const glm::vec2 near = kVanishingPoint + glm::vec2(side * laneNear, GateRadius(0.85f) * 0.94f);
    DrawLine(intro, far, near, 10, WithAlpha(palette::kTeal, 0.15f), 14);
    DrawLine(intro, far, near, 2.5f, WithAlpha(palette::kPaleTeal, 0.7f));
  }
  for (int k = 9; k >= 0; --k) {
    const float z = 1.3f + k * 0.6f;
    const float r = GateRadius(z);
    const glm::vec2 centre = kVanishingPoint + glm::vec2(0, r * 0.93f);
    const glm::vec2 half(r * 0.16f, r * 0.035f);
    const bool red = k == 3 || k == 7;
    const Colour light = red ? Rgb(255, 64, 48) : Rgb(70, 255, 150);
    FillBox(intro, centre - half * 1.5f, centre + half * 1.5f, half.y, WithAlpha(light, 0.25f),
            half.y * 2);
    FillBox(intro, centre - half, centre + half, half.y * 0.6f, WithAlpha(light, 0.9f));
  }
}

void PaintName(Canvas& intro, const TextSetter& text) {
  const char kName[] = "QUILLMOOR";
  const float width = 780;
  const Mask probe = text.Set(kName, 100, 100, 12);
  const float em = 100 * width / probe.width;
  const Mask letters = text.Set(kName, em, em, 12 * em / 100);
  const int left = (kSize - letters.width) / 2, top = 300;
  // A shadow first, so that the letters stand out from the gates behind.
  const int spread = letters.height / 3;
  PaintMask(intro, Blurred(Framed(letters, spread), spread / 3), left - spread, top - spread + 6,
            WithAlpha(palette::kNight, 0.85f));
  PaintTitle(intro, letters, left, top, palette::kWhite, palette::kPaleTeal,
             WithAlpha(palette::kTeal, 0.55f));
  // A warm bar beneath, fading out to both sides.
  PaintTitleBar(intro, left, left + letters.width, top + letters.height + 34.0f, 2.5f,
                palette::kOrange, 0.3f, [](float t) { return std::sin(t * kPi); });
}

}  // namespace

Canvas IntroImage(const TextSetter& text) {
  Canvas intro(kSize, kSize);
  PaintNebula(intro, 80, 4, 1.0f);
  PaintStars(intro, 81, 900, 1.0f);
  // Light pouring in from the far end of the track.
  AddGlow(intro, kVanishingPoint, 300, palette::kEmber, 0.3f);
  AddGlow(intro, kVanishingPoint, 110, palette::kOrange, 0.7f);
  AddGlow(intro, kVanishingPoint, 30, palette::kWarmWhite, 1.0f);
  PaintGates(intro);
  PaintTrack(intro);
  // Darker towards the edges of what shows, to hold the eye in the middle.
  PaintEach(intro, [](float x, float y) {
    const float dx = (x - kSize / 2.0f) / (kSize / 2.0f);
    const float dy = (y - (kShownTop + kShownBottom) / 2) / ((kShownBottom - kShownTop) / 2);
    const float d = std::sqrt(dx * dx + dy * dy);
    return WithAlpha(palette::kNight, std::clamp((d - 0.7f) * 0.9f, 0.0f, 0.75f));
  });
  PaintName(intro, text);
  return intro;
}

}  // namespace quillmoor::assets
