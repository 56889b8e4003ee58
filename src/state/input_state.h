#pragma once

#include <array>
#include <string>

#include "settings/controls.h"
#include "state/pad_state.h"

namespace quillmoor {

// Text1: the hidden one-line box that takes a name for the best-times table.
struct NameBox {
  std::string Text = "Имя";  // UTF-8, at most 10 characters
  bool Visible = false;
  bool Focused = false;

  // Shown with the keyboard focus; the caret always sits at the end of the
  // text, so typing appends.
  void Open() { Visible = Focused = true; }
};

struct InputState {
  std::array<bool, 5> MenuHoverLatch{};
  NameBox Text1;
  // The player's keys and pad controls, from the controls file.
  Bindings Controls = DefaultBindings();
  PadState Pad;
  // The window lost the keyboard: a race pauses on the next tick.
  bool FocusLost = false;
};

}  // namespace quillmoor
