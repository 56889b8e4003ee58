#include "input/pad_input.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "input/pad_menu.h"
#include "input/pad_name_entry.h"
#include "state/game.h"

namespace quillmoor {

namespace {

// A stick half holds beyond the press mark and lets go back inside the
// release mark, so a stick resting near one does not flutter.
constexpr int kStickPress = 12000, kStickRelease = 8000;
constexpr int kTriggerPress = 8000, kTriggerRelease = 4000;

bool IsTrigger(std::string_view axis) { return axis == "lefttrigger" || axis == "righttrigger"; }

// Marks the control held or not; a control that goes down joins pressed.
void SetHeld(PadState& pad, const std::string& control, bool held,
             std::vector<std::string>& pressed) {
  if (!held) {
    pad.Held.erase(control);
  } else if (pad.Held.insert(control).second) {
    pressed.push_back(control);
  }
}

bool Beyond(const PadState& pad, const std::string& control, int amount, int press,
            int release) {
  return amount >= (pad.Held.contains(control) ? release : press);
}

void FollowAxis(PadState& pad, const std::string& axis, int value,
                std::vector<std::string>& pressed) {
  if (IsTrigger(axis)) {
    SetHeld(pad, axis, Beyond(pad, axis, value, kTriggerPress, kTriggerRelease), pressed);
    return;
  }
  const std::string minus = axis + "-", plus = axis + "+";
  SetHeld(pad, minus, Beyond(pad, minus, -value, kStickPress, kStickRelease), pressed);
  SetHeld(pad, plus, Beyond(pad, plus, value, kStickPress, kStickRelease), pressed);
}

// Each action's game key is held while any of its pad controls is; full
// screen toggles instead.
void HoldActionKeys(Game& game, HeldKeys& keys) {
  PadState& pad = game.input.Pad;
  for (std::size_t i = 0; i < kActionCount; ++i) {
    const auto& controls = game.input.Controls[i].pad;
    const bool held = std::ranges::any_of(
        controls, [&](const std::string& control) { return pad.Held.contains(control); });
    if (held == pad.ActionsHeld[i]) continue;
    pad.ActionsHeld[i] = held;
    const Action action = kActions[i];
    if (action == Action::FullScreen) {
      if (held) game.platform.window.ToggleFullScreen();
    } else if (held) {
      keys.Press(ActionGameKey(action), KeySource::Pad);
    } else {
      keys.Release(ActionGameKey(action), KeySource::Pad);
    }
  }
}

}  // namespace

void HandlePadEvent(Game& game, HeldKeys& keys, const InputEvent& event) {
  PadState& pad = game.input.Pad;
  std::vector<std::string> pressed;
  if (event.kind == InputEvent::Kind::PadButton) {
    SetHeld(pad, event.text, event.down, pressed);
  } else if (event.kind == InputEvent::Kind::PadAxis) {
    FollowAxis(pad, event.text, event.value, pressed);
  }
  HoldActionKeys(game, keys);
  for (const std::string& control : pressed) {
    if (game.input.Text1.Focused) {
      PadNameEntryControl(game, control);
    } else {
      PadMenuControl(game, control);
    }
  }
}

void ShowPointerHiddenByPad(Game& game) {
  if (!std::exchange(game.input.Pad.PointerHidden, false)) return;
  const SimulationState& s = game.sim;
  if (s.GameState == game_state::Menu && s.MenuItemState[menu_item::NewGame] != item_state::Chosen) {
    ShowPointer(game.platform.window);
  }
}

}  // namespace quillmoor
