#include "frame/motion_blur.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "frame/scene_painter.h"
#include "frame/scene_race.h"
#include "frame/scene_states.h"
#include "state/game.h"
#include "state/single_precision.h"

namespace quillmoor {

namespace {

constexpr std::array<int, 4> kLayerAlphas = {160, 120, 80, 40};

// The sprite arithmetic is 16-bit: 800 + 2k and 600 + 2k must fit.
bool MarginFits(float k) {
  return std::isfinite(k) && 800 + 2 * double(k) <= INT16_MAX && 600 + 2 * double(k) >= INT16_MIN;
}

}  // namespace

void KeepSceneForBlur(Game& game) {
  if (game.shell.MotionBlur) game.graphics.Device->KeepPicture();
}

void RenderToTexSub(Game& game) {
  GraphicsDevice& device = *game.graphics.Device;
  if (device.CopyKeptPicture(game.graphics.BlurRender.target)) return;
  device.BeginRenderTarget(game.graphics.BlurRender.target);
  device.Clear(clear::Target | clear::ZBuffer, game.graphics.ClearColor, 1.0f, 0);
  SetSceneStates(device);
  // The race scene only: the menu's models stay out of the texture.
  ScenePainter painter(game);
  DrawRaceSceneBack(painter);
  DrawRaceSceneFront(painter);
  device.EndRenderTarget();
}

void SpeedBlur(Game& game) {
  const GraphicsState& g = game.graphics;
  const float s = Single(double(game.sim.Speed) * 5.5);
  const float width = g.ScreenWidth, height = g.ScreenHeight;
  std::int16_t k = 0;
  for (int alpha : kLayerAlphas) {
    // Each margin grows by s from the last, rounded half to even; a layer
    // too large for the arithmetic ends the blur.
    const float next = std::nearbyint(float(k) + s);
    if (!MarginFits(next)) return;
    k = static_cast<std::int16_t>(next);
    const float sx = float(800 + 2 * int(k)) / 800.0f * 800.0f / width;
    const float sy = float(600 + 2 * int(k)) / 600.0f * 600.0f / height;
    SpriteDraw layer;
    layer.texture = g.BlurRender.texture;
    layer.source = TexelRect{0, 0, g.ScreenWidth, g.ScreenHeight};
    layer.scaling = {sx, sy};
    layer.rotationCentre = Vector2{width / 2 * sx, height / 2 * sy};
    layer.rotation = 0;
    layer.translation = {float(-k), float(-k)};
    layer.colour = PackArgb(alpha, 255, 255, 255);
    game.graphics.Device->DrawSprite(layer);
  }
}

}  // namespace quillmoor
