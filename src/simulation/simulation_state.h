#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "simulation/placement.h"

namespace quillmoor {

namespace game_state {
constexpr std::uint8_t Race = 2, Menu = 4;
}

struct SimulationState {
  std::uint8_t GameState = game_state::Menu;
  std::uint8_t CameraMode = 2;  // 2: the view rolls with the craft; 3: it does not
  std::string CaretText = " ";
  std::int32_t IntroTicks = 0;
  bool IntroActive = true;
  std::uint8_t CanContinue = 0;

  std::array<Placement, 10> ObjectSlots{};  // 3 is the craft
  std::array<Placement, 6> TunnelSlots{};
};

}  // namespace quillmoor
