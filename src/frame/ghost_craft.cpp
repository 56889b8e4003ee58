#include "frame/ghost_craft.h"

#include <algorithm>

#include <glm/geometric.hpp>

#include "frame/scene_painter.h"
#include "graphics/angles.h"
#include "state/game.h"

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

// The centre of a craft this far from the tube's axis, turned round it.
Vector3 OnTheWall(float y, float z, float degrees) {
  return TransformCoord(vec3(0, y, z), RotationZ(Radians(degrees)));
}

}  // namespace

float GhostOpacity(float separation) { return kOpacity * std::clamp(separation, 0.0f, 1.0f); }

float GhostSeparation(const Game& game) {
  const Placement& craft = game.sim.ObjectSlots[3];
  const float ahead = game.ghost.ShownDistance - game.sim.Distance;
  return glm::distance(OnTheWall(craft.Y, 0, craft.Angle),
                       OnTheWall(kGhostY, ahead, game.ghost.ShownAngle));
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
