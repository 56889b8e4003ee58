#include "shell/frame_motion.h"

#include <cmath>

#include "graphics/device_setup.h"
#include "state/game.h"
#include "state/single_precision.h"

namespace quillmoor {

namespace {

// Further than any value moves in one tick: a piece or object put back.
constexpr float kJump = 10;

float Ahead(float previous, float last, float fraction) {
  return Single(double(last) + double(fraction) * (double(last) - double(previous)));
}

// The same, left as it is across a jump.
float AheadUnlessJump(float previous, float last, float fraction) {
  return std::fabs(last - previous) > kJump ? last : Ahead(previous, last, fraction);
}

// Degrees, the short way round.
float AheadAngle(float previous, float last, float fraction) {
  double turn = double(last) - double(previous);
  turn = std::remainder(turn, 360.0);
  return Single(double(last) + double(fraction) * turn);
}

// Each moving value in the game beside its place in a sample; copy takes
// them in that order, so one list serves both directions.
template <typename G, typename S, typename Copy>
void PairMovingValues(G& game, S& m, Copy copy) {
  auto& s = game.sim;
  copy(game.graphics.Camera, m.Camera);
  copy(game.graphics.FieldOfView, m.FieldOfView);
  copy(s.ObjectSlots[3].Angle, m.CraftAngle);
  copy(s.ObjectSlots[3].Y, m.CraftY);
  copy(s.Distance, m.Distance);
  copy(s.TunnelSegZ, m.TunnelZ);
  copy(s.AsteroidX, m.AsteroidX);
  copy(s.AsteroidZ, m.AsteroidZ);
  copy(s.PickupZ, m.PickupZ);
  copy(s.PickupAngleNorm, m.PickupAngle);
  copy(s.FlyerPos, m.Flyer);
  copy(game.ghost.ShownDistance, m.GhostDistance);
  copy(game.ghost.ShownAngle, m.GhostAngle);
}

void Apply(Game& game, const MotionSample& m) {
  PairMovingValues(game, m, [](auto& inGame, const auto& sampled) { inGame = sampled; });
}

}  // namespace

MotionSample CaptureMotion(const Game& game) {
  const SimulationState& s = game.sim;
  MotionSample m;
  m.GameState = s.GameState;
  m.CameraMode = s.CameraMode;
  m.MenuVisible = s.MenuVisible;
  m.AsteroidActive = s.AsteroidActive;
  m.PickupActive = s.PickupActive;
  m.GhostPresent = game.ghost.Present;
  m.RaceTime = s.RaceTime;
  PairMovingValues(game, m, [](const auto& inGame, auto& sampled) { sampled = inGame; });
  return m;
}

MotionSample BlendMotion(const MotionSample& previous, const MotionSample& last, float fraction) {
  const bool sameScene = previous.GameState == last.GameState &&
                         previous.CameraMode == last.CameraMode &&
                         previous.MenuVisible == last.MenuVisible &&
                         last.RaceTime >= previous.RaceTime &&
                         last.Distance >= previous.Distance;
  if (fraction <= 0 || !sameScene) return last;

  MotionSample m = last;
  const auto ahead = [&](float MotionSample::*field) {
    m.*field = Ahead(previous.*field, last.*field, fraction);
  };
  m.Camera = {Ahead(previous.Camera.EyeX, last.Camera.EyeX, fraction),
              Ahead(previous.Camera.EyeY, last.Camera.EyeY, fraction),
              Ahead(previous.Camera.EyeZ, last.Camera.EyeZ, fraction),
              Ahead(previous.Camera.AtX, last.Camera.AtX, fraction),
              Ahead(previous.Camera.AtY, last.Camera.AtY, fraction),
              Ahead(previous.Camera.AtZ, last.Camera.AtZ, fraction)};
  ahead(&MotionSample::FieldOfView);
  ahead(&MotionSample::CraftY);
  ahead(&MotionSample::Distance);
  m.CraftAngle = AheadAngle(previous.CraftAngle, last.CraftAngle, fraction);
  for (std::size_t j = 0; j < m.TunnelZ.size(); ++j) {
    m.TunnelZ[j] = AheadUnlessJump(previous.TunnelZ[j], last.TunnelZ[j], fraction);
  }
  if (previous.AsteroidActive == last.AsteroidActive) {
    m.AsteroidX = AheadUnlessJump(previous.AsteroidX, last.AsteroidX, fraction);
    m.AsteroidZ = AheadUnlessJump(previous.AsteroidZ, last.AsteroidZ, fraction);
  }
  if (previous.PickupActive == last.PickupActive &&
      std::fabs(last.PickupZ - previous.PickupZ) <= kJump) {
    m.PickupZ = Ahead(previous.PickupZ, last.PickupZ, fraction);
    m.PickupAngle = AheadAngle(previous.PickupAngle, last.PickupAngle, fraction);
  }
  if (std::fabs(last.Flyer.X - previous.Flyer.X) <= kJump) {
    m.Flyer = {Ahead(previous.Flyer.X, last.Flyer.X, fraction),
               Ahead(previous.Flyer.Y, last.Flyer.Y, fraction),
               Ahead(previous.Flyer.Z, last.Flyer.Z, fraction)};
  }
  if (previous.GhostPresent && last.GhostPresent) {
    m.GhostDistance = Ahead(previous.GhostDistance, last.GhostDistance, fraction);
    m.GhostAngle = AheadAngle(previous.GhostAngle, last.GhostAngle, fraction);
  }
  return m;
}

MotionOverride::MotionOverride(Game& game, const MotionSample& shown)
    : game_(game),
      saved_(CaptureMotion(game)),
      savedView_(game.graphics.ViewMatrix),
      savedRoll_(game.graphics.RollMatrix),
      savedRollAngle_(game.graphics.RollAngle) {
  Apply(game_, shown);
  SetupMatrices(game_);
}

MotionOverride::~MotionOverride() {
  Apply(game_, saved_);
  SetupMatrices(game_);
  game_.graphics.ViewMatrix = savedView_;
  game_.graphics.RollMatrix = savedRoll_;
  game_.graphics.RollAngle = savedRollAngle_;
}

}  // namespace quillmoor
