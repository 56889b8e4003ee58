#pragma once

#include "platform/colour.h"

namespace quillmoor {

class ScenePainter;
struct SimulationState;

// The race scene drawn on every screen and into the blur texture: the
// tunnel and the craft, then the sky, asteroid, pads, pickup, the ghost
// and the craft's lights. The menu's models go between the two halves.
void DrawRaceSceneBack(ScenePainter& painter);
void DrawRaceSceneFront(ScenePainter& painter);

// Pale yellow accelerating, blue coasting or standing, red braking, green
// at top speed; with no rule met, the colour already applied stays.
ColourValue ExhaustGlowColour(const SimulationState& s, ColourValue applied);

}  // namespace quillmoor
