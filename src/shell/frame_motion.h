#pragma once

#include <array>
#include <cstdint>

#include "state/graphics_state.h"
#include "state/simulation_state.h"

namespace quillmoor {

struct Game;

// What a frame draws that moves from tick to tick.
struct MotionSample {
  std::uint8_t GameState = 0;
  std::uint8_t CameraMode = 0;
  bool MenuVisible = false;
  bool AsteroidActive = false;
  bool PickupActive = false;
  bool GhostPresent = false;
  float RaceTime = 0;
  CameraPoints Camera;
  float FieldOfView = 0;
  float CraftAngle = 0;
  float CraftY = 0;
  float Distance = 0;
  std::array<float, 6> TunnelZ{};
  float AsteroidX = 0, AsteroidZ = 0;
  float PickupZ = 0, PickupAngle = 0;
  Point3 Flyer;
  float GhostDistance = 0, GhostAngle = 0;
};

MotionSample CaptureMotion(const Game& game);

// The motion carried on past the last tick by the fraction of a tick the
// clock has moved since: last + fraction * (last - previous), each value on
// its own, except across a jump (a new race or state, a tunnel piece moved
// to the back, a new asteroid or pickup, the flyer's return), which shows
// the last tick as it is. The craft's angle turns the short way.
MotionSample BlendMotion(const MotionSample& previous, const MotionSample& last, float fraction);

// Puts a sample into the game for one frame, the view matrices with it;
// the tick's own values and matrices come back when it goes.
class MotionOverride {
 public:
  MotionOverride(Game& game, const MotionSample& shown);
  ~MotionOverride();
  MotionOverride(const MotionOverride&) = delete;
  MotionOverride& operator=(const MotionOverride&) = delete;

 private:
  Game& game_;
  MotionSample saved_;
  Matrix savedView_, savedRoll_;
  float savedRollAngle_;
};

}  // namespace quillmoor
