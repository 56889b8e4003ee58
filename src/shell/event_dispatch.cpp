#include "shell/event_dispatch.h"

#include "input/mouse_input.h"
#include "input/name_entry.h"
#include "shell/game.h"

namespace quillmoor {

bool DispatchEvent(Game& game, HeldKeys& keys, const InputEvent& event) {
  const bool nameBoxFocused = game.input.Text1.Focused;
  switch (event.kind) {
    case InputEvent::Kind::Quit:
      return false;
    case InputEvent::Kind::MouseMove:
      Form_MouseMove(game, event.x, event.y);
      break;
    case InputEvent::Kind::MouseDown:
      Form_MouseDown(game, event.button, event.x, event.y);
      break;
    case InputEvent::Kind::KeyDown:
      keys.Press(event.key);
      if (nameBoxFocused) Text1_KeyDown(game, event.key);
      break;
    case InputEvent::Kind::KeyUp:
      keys.Release(event.key);
      break;
    case InputEvent::Kind::TextInput:
      if (nameBoxFocused) Text1_TextInput(game, event.text);
      break;
  }
  return true;
}

}  // namespace quillmoor
