#pragma once

#include <map>
#include <optional>
#include <set>

#include "platform/input.h"
#include "settings/controls.h"

namespace quillmoor {

// Turns the window's key events, keys by their place, into the game's key
// events through the player's bindings, before they are recorded: scripts
// and recordings name the game's keys whatever the bindings were.
class KeyTranslator {
 public:
  // The game's event for one window event, if any. Events that are not keys
  // or text pass as they are.
  std::optional<InputEvent> Translate(const InputEvent& event, const Bindings& bindings,
                                    bool nameBoxFocused);

 private:
  std::optional<InputEvent> KeyDown(const InputEvent& event, const Bindings& bindings,
                                  bool nameBoxFocused);
  std::optional<InputEvent> KeyUp(const InputEvent& event);

  std::map<int, int> heldAs_;  // a key held, and the game's key it holds (0: none)
  std::set<int> heldThroughNameBox_;  // held when the name box opened
  bool nameBoxWasFocused_ = false;
  bool swallowText_ = false;  // the text of a key held through the name box's opening
};

}  // namespace quillmoor
