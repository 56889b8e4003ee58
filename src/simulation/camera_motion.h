#pragma once

#include <cstdint>

namespace quillmoor {

struct Game;
struct SimulationState;

// Pi as a single, for PolarOffset.
inline constexpr double kSinglePi = 3.14159275180032;

struct Polar {
  double p1, p2;
};

// p1 = b1 + d cos a, p2 = b2 - d sin a, a in degrees (0 <= a < 360), in
// double; 0, 90, 180 and 270 degrees are exact.
Polar PolarOffset(double d, double a, double b1, double b2);

// The camera behind the craft, on its ray about the tube axis.
void PlaceChaseCamera(Game& game);
// The camera where the menu looks at the station.
void PlaceMenuCamera(Game& game);
// One step from the menu towards the race; true when the camera has arrived.
bool FlyInStep(Game& game);

void MenuFlyerStep(SimulationState& sim);
void MenuPulseStep(SimulationState& sim);

// Sets TintPhase and the colour it starts with.
void StartColourCycle(SimulationState& sim, std::uint8_t phase);
void CycleColour(SimulationState& sim);

}  // namespace quillmoor
