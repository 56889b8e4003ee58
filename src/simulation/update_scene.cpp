#include "simulation/update_scene.h"

#include "graphics/angles.h"
#include "state/game.h"
#include "state/single_precision.h"

namespace quillmoor {

namespace {

// The exhaust glow's size: larger at full throttle, flickering, fixed at rest.
Matrix GlowScaling(const SimulationState& s) {
  if (s.Speed == 0) return Scaling(0.9f, 0.5f, 1);
  const double flicker = s.Flicker;
  if (s.ThrottleState == 1) return Scaling(Single(1.1 - flicker), Single(0.8 - flicker), 1);
  return Scaling(Single(0.9 - flicker), Single(0.6 - flicker), 1);
}

}  // namespace

void UpdateScene(Game& game) {
  SimulationState& s = game.sim;
  const float timer = Single(game.platform.clock.TimeOfDay());
  const Placement& craft = s.ObjectSlots[3];
  const Matrix roll = RotationZ(Radians(craft.Angle));
  const float y3 = craft.Y;

  // 1. The tunnel pieces scroll in the race and stand still in the menu.
  for (int j = 1; j <= 5; ++j) {
    const float z = s.GameState == game_state::Race ? s.TunnelSegZ[j] : 30.0f * float(j - 1);
    s.TunnelSlots[j].World = Translation(0, 0, z);
  }
  // 2. The craft, on the wall at its angle.
  s.ObjectSlots[3].World = Chain(Scaling(0.015f, 0.015f, 0.015f), Translation(0, y3, 0), roll);
  // 3. The sky.
  s.TunnelSlots[0].World = Translation(0, 0, 40);
  // 4. The exhaust glow behind the craft.
  s.ObjectSlots[0].World =
      Chain(GlowScaling(s), Translation(0, y3, Single(-0.27)), roll);
  // 5. The marker lights either side of it.
  const Matrix lightSize = Chain(Scaling(0.006f, 0.006f, 1), RotationX(Radians(70)));
  const float lightY = Single(double(y3) - 0.018);
  const float lightX = Single(0.135), lightZ = Single(-0.187);
  s.ObjectSlots[2].World = Chain(lightSize, Translation(lightX, lightY, lightZ), roll);
  s.ObjectSlots[4].World = Chain(lightSize, Translation(-lightX, lightY, lightZ), roll);
  // 6. The asteroid, one turn a radian a second.
  s.ObjectSlots[5].World = Chain(Scaling(0.05f, 0.05f, 0.05f), RotationZ(timer),
                                  Translation(s.AsteroidX, 4, s.AsteroidZ));
  // 7. The menu flyer.
  s.ObjectSlots[6].World = Chain(Scaling(0.05f, 0.05f, 0.05f), RotationY(Radians(288)),
                                  Translation(s.FlyerPos.X, s.FlyerPos.Y, s.FlyerPos.Z));
  // 8. The wall pickup, spinning on the wall at its angle and distance.
  s.ObjectSlots[8].World =
      Chain(Scaling(0.04f, 0.04f, 0.04f), RotationY(timer),
             Translation(0, Single(-2.6), 0), RotationZ(Radians(s.PickupAngleNorm)),
             Translation(0, 0, s.PickupZ));
  // 9. The station, stood up, turning slowly, tilted.
  s.StationSpin = timer / 6;
  s.ObjectSlots[9].World =
      Chain(Scaling(0.05f, 0.05f, 0.05f), RotationX(Single(-1.57075)),
             RotationY(s.StationSpin), RotationX(Radians(15)),
             Translation(s.StationPos.X, s.StationPos.Y, s.StationPos.Z));
}

}  // namespace quillmoor
