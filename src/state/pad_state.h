#pragma once

#include <bitset>
#include <functional>
#include <set>
#include <string>

#include "settings/controls.h"

namespace quillmoor {

// What the game pads are doing, as the game follows them. Several pads
// arrive already merged into one.
struct PadState {
  // The controls held: buttons, stick halves ("leftx-") and triggers, by
  // SDL's names.
  std::set<std::string, std::less<>> Held;
  // The actions whose keys the pads hold, in the order of kActions.
  std::bitset<kActionCount> ActionsHeld;
  // The pad has driven the menu: the pointer stays hidden until the mouse moves.
  bool PointerHidden = false;
};

}  // namespace quillmoor
