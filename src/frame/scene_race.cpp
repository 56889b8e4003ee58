#include "frame/scene_race.h"

#include "frame/ghost_craft.h"
#include "frame/scene_painter.h"
#include "frame/track_pads.h"
#include "state/game.h"
#include "state/single_precision.h"

namespace quillmoor {

namespace {

// The pickup multiplies what lies behind it by its own colour.
void WallPickup(ScenePainter& painter) {
  GraphicsDevice& device = painter.device();
  device.SetRenderState(RenderState::SrcBlend, blend::Zero);
  device.SetRenderState(RenderState::DestBlend, blend::SrcColor);
  painter.ApplyColour(Single(0.6), 1, 1, 1);
  painter.ColourPass(6, painter.game().sim.ObjectSlots[8]);
  device.SetRenderState(RenderState::SrcBlend, blend::SrcAlpha);
  device.SetRenderState(RenderState::DestBlend, blend::InvSrcAlpha);
}

}  // namespace

ColourValue ExhaustGlowColour(const SimulationState& s, ColourValue applied) {
  const ColourValue yellow{1, 1, Single(0.8), 1}, blue{Single(0.4), Single(0.4), 1, 1},
      red{1, Single(0.4), Single(0.4), 1}, green{Single(0.4), 1, Single(0.4), 1};
  ColourValue colour = applied;
  if (s.ThrottleState == 1) colour = yellow;
  if (s.ThrottleState == 0) colour = blue;
  if (s.ThrottleState == 2 || s.AtTopSpeed) colour = red;
  if (s.Speed == 0) colour = blue;
  if (s.AtTopSpeed) colour = green;
  return colour;
}

void DrawRaceSceneBack(ScenePainter& painter) {
  const SimulationState& s = painter.game().sim;
  // The tunnel pieces; the last two wear the first one's texture.
  painter.ApplyColour(1, 1, 1, 1);
  painter.MaterialPass(2, s.TunnelSlots[1]);
  painter.MaterialPass(8, s.TunnelSlots[2]);
  painter.MaterialPass(2, s.TunnelSlots[3]);
  painter.MaterialPass(8, s.TunnelSlots[4]);
  painter.MaterialPass(7, s.TunnelSlots[5]);
  // The craft.
  painter.ApplyColour(Single(0.5), Single(0.5), Single(0.5), 1);
  painter.ColourPass(3, s.ObjectSlots[3]);
}

void DrawRaceSceneFront(ScenePainter& painter) {
  const SimulationState& s = painter.game().sim;
  // The sky in the cycling colour.
  painter.ApplyColour(s.CycleRed, s.CycleGreen, s.CycleBlue, 1);
  painter.ColourPass(0, s.TunnelSlots[0]);
  if (s.AsteroidActive) {
    painter.ApplyColour(Single(0.6), Single(0.6), Single(0.6), 1);
    painter.ColourPass(4, s.ObjectSlots[5]);
  }
  if (s.GameState == game_state::Race) TrackPads(painter);
  if (s.PickupActive) WallPickup(painter);
  DrawGhostCraft(painter);
  // The marker lights, right then left, blinking together.
  const double marker = s.BlinkOn ? 1.0 : 0.3;
  painter.ApplyGrey(marker);
  painter.Quad(s.ObjectSlots[2].World);
  painter.ApplyGrey(marker);
  painter.Quad(s.ObjectSlots[4].World);
  // The exhaust glow.
  const ColourValue glow = ExhaustGlowColour(s, painter.colour());
  painter.ApplyColour(glow.r, glow.g, glow.b, glow.a);
  painter.Quad(s.ObjectSlots[0].World, painter.game().graphics.ImageTextures[0]);
}

}  // namespace quillmoor
