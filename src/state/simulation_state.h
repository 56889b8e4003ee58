#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "state/placement.h"
#include "state/random_source.h"

namespace quillmoor {

namespace game_state {
constexpr std::uint8_t Race = 2, Menu = 4;
}

// The menu items by number.
namespace menu_item {
constexpr int Continue = 0, NewGame = 1, BestTimes = 2, Credits = 3, Exit = 4;
}

// What MenuItemState holds for an item.
namespace item_state {
constexpr std::uint8_t Normal = 0, UnderPointer = 1, Chosen = 2;
}

inline constexpr float kFinishLine = 10000;
inline constexpr int kMaxVisibleObjects = 200;
// What lies this far behind the craft to this far ahead of it is drawn.
inline constexpr float kDrawBehind = 1, kDrawAhead = 90;

struct Point3 {
  float X = 0, Y = 0, Z = 0;
};

// Start values that the start-up, a new race or the menu set again.
inline constexpr Point3 kFlyerStart{10, 6, -14};  // and again once it has flown past
inline constexpr Point3 kStationStart{-1, 5.8f, -9};
inline constexpr std::array<float, 6> kTunnelStart{0, 0, 30, 60, 90, 120};  // 1..5
inline constexpr float kCycleStep = 0.0001f;

// The race, the menu, the cameras and the ambient motion: everything the
// game tick moves.
struct SimulationState {
  // Game flow
  std::uint8_t GameState = game_state::Menu;
  std::uint8_t CameraMode = 2;  // 2: the view rolls with the craft; 3: it does not
  std::uint8_t CanContinue = 0;
  bool MenuVisible = true;
  std::array<std::uint8_t, 5> MenuItemState{};
  bool ShowRaceResult = false;
  bool HintActive = false;
  std::int32_t HintTicks = 0;
  bool Exiting = false;
  float ExitTicks = 0;
  bool IntroActive = true;
  std::int32_t IntroTicks = 0;
  std::string CaretText = " ";
  std::int16_t CaretTicks = 0;
  bool HoverSoundDue = false;
  std::array<bool, 256> KeyLatch{};

  // Race physics
  float Speed = 0;
  float Acceleration = 0;  // ResetRace gives this and AngleLimit their race values
  float Throttle = 0;
  std::uint8_t ThrottleState = 0;  // 0 coast, 1 accelerating, 2 braking
  float CraftAngle = 0;
  float CraftAngleSigned = 0;
  float AngleLimit = 0;
  float TurnRate = 0;
  bool AtTopSpeed = false;
  float Distance = 0;
  float RaceTime = 0;
  float LiftOffset = 0;
  std::array<float, 6> TunnelSegZ = kTunnelStart;
  float Flicker = 0;
  bool FlickerFalling = false;
  std::int16_t BlinkCounter = 0;
  bool BlinkOn = false;

  // Pads, asteroid and pickup
  std::int32_t VisibleCount = 0;
  std::array<float, kMaxVisibleObjects + 1> VisibleObjects{};  // 1..VisibleCount
  bool GreenContact = false;
  bool RedContact = false;
  bool AsteroidActive = false;
  float AsteroidX = 0;
  float AsteroidZ = 0;
  bool PickupActive = false;
  float PickupZ = 0;  // with PickupAngleNorm, from ResetRace; nothing sets them before
  float PickupAngle = 0;
  float PickupAngleNorm = 0;
  bool TintActive = false;
  std::int16_t TintTicks = 0;
  bool GreenPadSoundLatch = false;
  bool RedPadSoundLatch = false;

  // Cameras and ambient motion
  float ChaseAngle = 0;
  bool MenuViewParked = false;
  Point3 FlyerPos = kFlyerStart;
  Point3 StationPos = kStationStart;
  float StationSpin = 0;  // radians
  float MenuPulse = 0;
  bool MenuPulseFalling = false;
  std::uint8_t TintPhase = 1;
  float CycleRed = 1, CycleGreen = 1, CycleBlue = 1;
  float CycleStep = kCycleStep;

  RandomSource Random;

  std::array<Placement, 10> ObjectSlots{};  // 3 is the craft
  std::array<Placement, 6> TunnelSlots{};
};

}  // namespace quillmoor
