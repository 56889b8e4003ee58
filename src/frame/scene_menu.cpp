#include "frame/scene_menu.h"

#include "frame/scene_painter.h"
#include "graphics/angles.h"
#include "state/game.h"
#include "state/single_precision.h"

namespace quillmoor {

namespace {

// The cycling colour, dimmed and pulsing.
void ApplyMenuTint(ScenePainter& painter) {
  const SimulationState& s = painter.game().sim;
  const double pulse = s.MenuPulse;
  painter.ApplyColour(Single(s.CycleRed - 0.3 + pulse), Single(s.CycleGreen - 0.3 + pulse),
                      Single(s.CycleBlue - 0.3 + pulse), 1);
}

double BlinkGrey(const SimulationState& s) { return s.BlinkOn ? 1.0 : 0.2; }

Matrix LightSize() { return Scaling(Single(0.04), Single(0.04), 1); }

}  // namespace

void StationLights(ScenePainter& painter) {
  SimulationState& s = painter.game().sim;
  const Matrix spin = RotationY(Single(s.StationSpin + 0.2)), tilt = RotationX(Radians(15));
  const Matrix at = Translation(s.StationPos.X, s.StationPos.Y, s.StationPos.Z);
  const float up = Single(0.29), out = Single(0.8);
  const Matrix lights[4] = {
      Chain(LightSize(), RotationX(Radians(-70)), Translation(0, up, out), spin, tilt, at),
      Chain(LightSize(), RotationX(Radians(70)), Translation(0, up, -out), spin, tilt, at),
      Chain(LightSize(), RotationX(Radians(90)), RotationZ(Radians(-20)), Translation(out, up, 0),
            spin, tilt, at),
      Chain(LightSize(), RotationX(Radians(90)), RotationZ(Radians(20)), Translation(-out, up, 0),
            spin, tilt, at),
  };
  for (const Matrix& light : lights) {
    s.ObjectSlots[7].World = light;
    painter.ApplyGrey(BlinkGrey(s));
    painter.Quad(s.ObjectSlots[7].World);
  }
}

void FlyerLights(ScenePainter& painter) {
  SimulationState& s = painter.game().sim;
  const Matrix turn = RotationY(Radians(288));
  const Matrix at = Translation(s.FlyerPos.X, s.FlyerPos.Y, s.FlyerPos.Z);
  for (double side : {0.35, -0.35}) {
    s.ObjectSlots[7].World =
        Chain(LightSize(), RotationX(Radians(90)),
              Translation(Single(side), Single(-0.07565), Single(-0.26)), turn, at);
    painter.ApplyGrey(BlinkGrey(s));
    painter.Quad(s.ObjectSlots[7].World);
  }
}

void DrawMenuModels(ScenePainter& painter) {
  const SimulationState& s = painter.game().sim;
  if (s.GameState != game_state::Menu) return;
  ApplyMenuTint(painter);
  painter.ColourPass(5, s.ObjectSlots[6]);
  ApplyMenuTint(painter);
  painter.ColourPass(9, s.ObjectSlots[9]);
  StationLights(painter);
}

void DrawMenuPanelAndLights(ScenePainter& painter) {
  SimulationState& s = painter.game().sim;
  if (s.GameState != game_state::Menu) return;
  if (s.MenuViewParked) {
    s.ObjectSlots[7].World =
        Chain(Scaling(22, 22, 1), RotationY(Radians(90)), Translation(8, 6, -9));
    ApplyMenuTint(painter);
    painter.Quad(s.ObjectSlots[7].World, painter.game().graphics.ImageTextures[10]);
  }
  FlyerLights(painter);
}

}  // namespace quillmoor
