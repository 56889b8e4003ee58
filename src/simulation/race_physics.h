#pragma once

namespace quillmoor {

struct Game;
struct SimulationState;

// One 20 ms step of the race: clock, pads, controls, speed, scrolling,
// asteroid, pickup and the finish.
void RacePhysics(Game& game);

// The blinking lights: on for 2 ticks of every 52.
void BlinkStep(SimulationState& s);

// Back into [0, 360) after one turn's worth of steering.
void WrapCraftAngle(float& CraftAngle);

}  // namespace quillmoor
