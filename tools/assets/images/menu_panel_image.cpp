#include <algorithm>
#include <cmath>

#include "assets/images/noise.h"
#include "assets/images/palette.h"
#include "assets/images/pictures.h"
#include "assets/images/shapes.h"
#include "assets/images/space.h"

namespace quillmoor::assets {

namespace {

// The panel hangs behind the station and fills the menu's view: the screen
// shows about 5 to 95 percent of its width and 26 to 95 percent of its height.
constexpr int kSize = 512;
const glm::vec2 kPlanetCentre(420, 585);
constexpr float kPlanetRadius = 215;
// The light comes from the upper left, where the menu's glow hangs.
const glm::vec2 kTowardsLight = glm::normalize(glm::vec2(-0.45f, -1));

void PaintPlanet(Canvas& panel) {
  const TiledNoise bands(90, 4, 4);
  PaintShape(
      panel, kPlanetCentre - kPlanetRadius, kPlanetCentre + kPlanetRadius,
      [](glm::vec2 p) { return DiscDistance(p, kPlanetCentre, kPlanetRadius); }, palette::kNight);
  PaintEach(panel, [&](float x, float y) {
    const glm::vec2 d = (glm::vec2(x, y) - kPlanetCentre) / kPlanetRadius;
    const float r = glm::length(d);
    if (r >= 1) return WithAlpha(palette::kNight, 0.0f);
    // Cloud bands, squeezed towards the limb like those of a sphere.
    const float z = std::sqrt(1 - r * r);
    const float band = bands(d.x / (z + 0.6f) * 2 + 8, d.y * 14 + 8);
    const float lit = std::clamp(glm::dot(d, kTowardsLight) * 1.1f + 0.15f, 0.0f, 1.0f);
    Colour surface = Mix(Rgb(12, 34, 60), Rgb(30, 92, 118), band);
    surface = Mix(Rgb(6, 12, 26), surface, lit * 0.8f + 0.1f);
    return WithAlpha(surface, EdgeCoverage((r - 1) * kPlanetRadius));
  });
  // A thin warm atmosphere on the lit limb, a teal haze beyond it.
  PaintEach(panel, [&](float x, float y) {
    const glm::vec2 d = glm::vec2(x, y) - kPlanetCentre;
    const float r = glm::length(d);
    const float facing = std::clamp(glm::dot(d / r, kTowardsLight), 0.0f, 1.0f);
    const float rim = std::exp(-std::pow((r - kPlanetRadius + 2) / 5, 2.0f));
    const float haze = r > kPlanetRadius ? std::exp(-(r - kPlanetRadius) / 22) : 0.0f;
    const Colour warm = Mix(palette::kEmber, palette::kWarmWhite, facing * facing);
    const float amount = rim * (0.15f + facing) + haze * 0.35f * (0.3f + facing);
    return WithAlpha(Mix(palette::kTeal, warm, rim / (rim + haze + 0.001f)),
                     std::min(amount, 1.0f));
  });
}

}  // namespace

// The backdrop of the menu: night sky and a great planet lit from the
// upper left. The menu tints it with its colour cycle.
Canvas MenuPanelImage() {
  Canvas panel(kSize, kSize);
  PaintNebula(panel, 91, 3, 1.0f);
  PaintStars(panel, 92, 420, 1.0f);
  PaintPlanet(panel);
  return panel;
}

}  // namespace quillmoor::assets
