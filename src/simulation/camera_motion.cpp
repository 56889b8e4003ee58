#include "simulation/camera_motion.h"

#include <cmath>

#include "state/game.h"
#include "state/single_precision.h"

namespace quillmoor {

Polar PolarOffset(double d, double a, double b1, double b2) {
  double cosine = 0, sine = 0;
  if (a == 0) {
    cosine = 1;
  } else if (a == 90) {
    sine = 1;
  } else if (a == 180) {
    cosine = -1;
  } else if (a == 270) {
    sine = -1;
  } else {
    const double radians = a / 180 * kSinglePi;
    cosine = std::cos(radians);
    sine = std::sin(radians);
  }
  return {b1 + d * cosine, b2 - d * sine};
}

void PlaceChaseCamera(Game& game) {
  CameraPoints& c = game.graphics.Camera;
  c.EyeZ = Single(-0.85);
  c.AtZ = 0;
  game.sim.ChaseAngle = game.sim.CraftAngle;
  const Polar p = PolarOffset(-2.4, game.sim.ChaseAngle, 0, 0);
  c.EyeY = c.AtY = Single(p.p1);
  c.EyeX = c.AtX = Single(p.p2);
}

void PlaceMenuCamera(Game& game) {
  game.graphics.Camera = CameraPoints{-10, 7, -9, 1, 5, -9};
  game.sim.MenuViewParked = true;
}

bool FlyInStep(Game& game) {
  CameraPoints& c = game.graphics.Camera;
  constexpr double kTubeY = -2.4, kArrivalZ = -0.8;
  game.sim.MenuViewParked = false;
  c.EyeX = Single(double(c.EyeX) + 0.1);
  if (c.EyeX >= 0) c.EyeX = 0;
  c.EyeY = Single(double(c.EyeY) - 0.1);
  if (c.EyeY <= kTubeY) c.EyeY = Single(kTubeY);
  c.EyeZ = Single(double(c.EyeZ) + 0.06);
  if (c.EyeZ >= kArrivalZ) {
    c.EyeZ = Single(kArrivalZ);
    return true;
  }
  c.AtX = 0;
  c.AtY = Single(double(c.AtY) - 0.2);
  if (c.AtY <= kTubeY) c.AtY = Single(kTubeY);
  c.AtZ = Single(double(c.AtZ) + 0.2);
  if (c.AtZ >= 1) c.AtZ = 1;
  return false;
}

void MenuFlyerStep(SimulationState& sim) {
  Point3& flyer = sim.FlyerPos;
  const Polar p = PolarOffset(0.02, 198, flyer.X, flyer.Z);
  flyer.X = Single(p.p1);
  flyer.Z = Single(p.p2);
  if (flyer.X < -12) flyer = kFlyerStart;
}

void MenuPulseStep(SimulationState& sim) {
  if (!sim.MenuPulseFalling) {
    sim.MenuPulse = Single(double(sim.MenuPulse) + 0.003);
    if (sim.MenuPulse > 0.3) {
      sim.MenuPulse = Single(double(sim.MenuPulse) - 0.006);
      sim.MenuPulseFalling = true;
    }
  } else {
    sim.MenuPulse = Single(double(sim.MenuPulse) - 0.003);
    if (sim.MenuPulse < 0) {
      sim.MenuPulse = Single(double(sim.MenuPulse) + 0.006);
      sim.MenuPulseFalling = false;
    }
  }
}

void StartColourCycle(SimulationState& sim, std::uint8_t phase) {
  struct Colour {
    double red, green, blue;
  };
  static constexpr Colour kPhaseColours[] = {
      {1, 1, 1}, {1, 1, 0.8}, {1, 1, 0.6}, {1, 1, 0.4}, {1, 0.8, 0.4}, {0.6, 1, 0.4},
  };
  const Colour& colour = kPhaseColours[phase - 1];
  sim.TintPhase = phase;
  sim.CycleRed = Single(colour.red);
  sim.CycleGreen = Single(colour.green);
  sim.CycleBlue = Single(colour.blue);
}

void CycleColour(SimulationState& sim) {
  const float step = sim.CycleStep;
  float& red = sim.CycleRed;
  float& green = sim.CycleGreen;
  float& blue = sim.CycleBlue;
  std::uint8_t& phase = sim.TintPhase;

  // Each phase runs down one channel to its threshold; reaching it moves on
  // to the next phase's step in the same call.
  const auto fall = [&](float& channel, float threshold) {
    channel -= step;
    if (channel > threshold) return false;
    channel = threshold;
    ++phase;
    return true;
  };
  const auto rise_to_one = [&](float& channel) {
    if (channel < 1) channel += step;
    if (channel >= 1) channel = 1;
  };

  if (phase == 1 && !fall(blue, 0.8f)) return;
  if (phase == 2 && !fall(blue, 0.6f)) return;
  if (phase == 3 && !fall(blue, 0.4f)) return;
  if (phase == 4 && !fall(green, 0.8f)) return;
  if (phase == 5) {
    rise_to_one(green);
    if (!fall(red, 0.6f)) return;
  }
  if (phase == 6) {
    rise_to_one(red);
    blue += step;
    if (blue >= 1) {
      phase = 1;
      blue = 1;
    }
  }
}

}  // namespace quillmoor
