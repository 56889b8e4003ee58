#include "simulation/race_physics.h"

#include "simulation/race_control.h"
#include "simulation/track_contacts.h"
#include "state/game.h"
#include "state/single_precision.h"

namespace quillmoor {

namespace {

namespace throttle {
constexpr float Coast = 0, Accelerate = 1.0f, Brake = -5.0f;
const float SoftBrake = Single(-0.7);
}  // namespace throttle

constexpr float kTopSpeed = 2;
constexpr float kMaxTurnRate = 5;
constexpr float kTunnelPiece = 30, kTunnelRing = 150;
const double kClockStep = 0.02, kFlickerStep = 0.02;

void ReadControls(Game& game) {
  SimulationState& s = game.sim;
  if (s.Distance >= kFinishLine) {
    s.Throttle = throttle::Brake;
    s.ThrottleState = 2;
    return;
  }
  Keyboard& keys = game.platform.keyboard;
  const bool forward = keys.IsKeyDown(vk::W) || keys.IsKeyDown(vk::Up);
  const bool back = keys.IsKeyDown(vk::S) || keys.IsKeyDown(vk::Down);
  const bool left = keys.IsKeyDown(vk::A) || keys.IsKeyDown(vk::Left);
  const bool right = keys.IsKeyDown(vk::D) || keys.IsKeyDown(vk::Right);

  if (forward && !back) {
    s.Throttle = throttle::Accelerate;
    s.ThrottleState = 1;
  }
  if (back && !forward) {
    // Braking over a red pad cancels the pad and drives on instead.
    if (s.RedContact) {
      s.RedContact = false;
      s.Throttle = throttle::Accelerate;
    } else {
      s.Throttle = throttle::Brake;
    }
    s.ThrottleState = 2;
  }
  const auto beyondLimit = [&] {
    return s.AngleLimit < s.CraftAngle && s.CraftAngle < 360 - s.AngleLimit;
  };
  if (left && !right && s.Speed > 0) {
    s.CraftAngle -= s.TurnRate;
    if (beyondLimit()) s.CraftAngle = 360 - s.AngleLimit;
  }
  if (right && !left && s.Speed > 0) {
    s.CraftAngle += s.TurnRate;
    if (beyondLimit()) s.CraftAngle = s.AngleLimit;
  }
}

void UpdateSpeed(SimulationState& s) {
  if (s.Speed <= 0.04f && s.Throttle == throttle::Brake) s.Throttle = throttle::SoftBrake;
  s.Speed += s.Acceleration * s.Throttle;
  if (s.GreenContact) s.Speed += s.Speed / 20;
  if (s.RedContact) s.Speed -= s.Speed / 5;
  if (s.Speed < 0.0005f) s.Speed = 0;
  s.AtTopSpeed = s.Speed > kTopSpeed;
  if (s.AtTopSpeed) s.Speed = kTopSpeed;
}

void ExhaustFlicker(SimulationState& s) {
  if (!s.FlickerFalling) s.Flicker = Single(double(s.Flicker) + kFlickerStep);
  if (s.Flicker > 0.1f) s.FlickerFalling = true;
  if (s.FlickerFalling) s.Flicker = Single(double(s.Flicker) - kFlickerStep);
  if (s.Flicker < 0) s.FlickerFalling = false;
}

}  // namespace

void WrapCraftAngle(float& CraftAngle) {
  if (CraftAngle >= 360) CraftAngle -= 360;
  if (CraftAngle < 0) CraftAngle += 360;
}

void BlinkStep(SimulationState& s) {
  ++s.BlinkCounter;
  s.BlinkOn = s.BlinkCounter >= 50;
  if (s.BlinkCounter > 51) {
    s.BlinkCounter = 0;
    s.BlinkOn = false;
  }
}

void RacePhysics(Game& game) {
  SimulationState& s = game.sim;
  s.Throttle = throttle::Coast;
  s.ThrottleState = 0;
  if (s.Distance < kFinishLine) s.RaceTime = Single(double(s.RaceTime) + kClockStep);

  s.VisibleCount = 0;
  s.GreenContact = false;
  s.RedContact = false;
  ScanPads(game.map, game.sim);

  ReadControls(game);
  s.CraftAngleSigned = s.CraftAngle > 180 ? s.CraftAngle - 360 : s.CraftAngle;
  UpdateSpeed(s);

  for (int j = 1; j <= 5; ++j) {
    s.TunnelSegZ[j] -= s.Speed;
    if (s.TunnelSegZ[j] <= -kTunnelPiece) s.TunnelSegZ[j] += kTunnelRing;
  }
  s.TurnRate = s.Speed * 3;
  if (s.TurnRate > kMaxTurnRate) s.TurnRate = kMaxTurnRate;
  s.Distance += s.Speed;
  if (s.Speed <= 0.02f) s.LiftOffset = s.Speed;
  game.graphics.FieldOfView = Single(double(s.Speed) * 3.5 + 45);

  ExhaustFlicker(s);
  BlinkStep(s);
  WrapCraftAngle(s.CraftAngle);
  AsteroidStep(game);
  PickupStep(game);

  // A craft stopped exactly on the line has finished too.
  if (s.Distance >= kFinishLine && !(s.Speed > 0)) EndRace(game);

  if (s.HintActive && ++s.HintTicks > 300) {
    s.HintTicks = 0;
    s.HintActive = false;
  }
}

}  // namespace quillmoor
