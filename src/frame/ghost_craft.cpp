#include "frame/ghost_craft.h"

#include <algorithm>
#include <cmath>

#include "frame/scene_painter.h"
#include "graphics/angles.h"
#include "state/game.h"
#include "state/single_precision.h"

namespace quillmoor {

namespace {

constexpr float kGhostY = -2.57f;  // on the wall, as the craft sits without lift
constexpr float kOpacity = 0.45f;
constexpr float kRed = 0.35f, kGreen = 0.75f, kBlue = 1.0f;

bool GhostShown(const Game& game) {
  const GhostState& ghost = game.ghost;
  return game.sim.GameState == game_state::Race && ghost.Enabled && ghost.Visible &&
         ghost.Present;
}

}  // namespace

float GhostOpacity(float separation) { return kOpacity * std::clamp(separation, 0.0f, 1.0f); }

float GhostSeparation(const Game& game) {
  const Placement& craft = game.sim.ObjectSlots[3];
  // A point (0, y) turned by a about the tube axis lies at (-y sin a, y cos a).
  const double craftAngle = Radians(craft.Angle), ghostAngle = Radians(game.ghost.ShownAngle);
  const double dx = -double(craft.Y) * std::sin(craftAngle) + kGhostY * std::sin(ghostAngle);
  const double dy = double(craft.Y) * std::cos(craftAngle) - kGhostY * std::cos(ghostAngle);
  const double dz = double(game.ghost.ShownDistance) - double(game.sim.Distance);
  return float(std::sqrt(dx * dx + dy * dy + dz * dz));
}

void DrawGhostCraft(ScenePainter& painter) {
  const Game& game = painter.game();
  if (!GhostShown(game)) return;
  const float ahead = game.ghost.ShownDistance - game.sim.Distance;
  if (ahead < -kDrawBehind || ahead > kDrawAhead) return;
  const float opacity = GhostOpacity(GhostSeparation(game));
  if (opacity <= 0) return;

  const Matrix world = Chain(Scaling(0.015f, 0.015f, 0.015f), Translation(0, kGhostY, ahead),
                             RotationZ(Radians(game.ghost.ShownAngle)));
  GraphicsDevice& device = painter.device();
  const ColourValue before = painter.colour();
  device.SetRenderState(RenderState::ZWriteEnable, 0);
  painter.ApplyColour(kRed, kGreen, kBlue, opacity);
  painter.TintPass(3, world);
  device.SetRenderState(RenderState::ZWriteEnable, 1);
  painter.ApplyColour(before.r, before.g, before.b, before.a);
}

}  // namespace quillmoor
