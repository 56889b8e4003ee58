#include "shell/event_dispatch.h"

#include "input/mouse_input.h"
#include "input/name_entry.h"
#include "input/pad_input.h"
#include "state/game.h"

namespace quillmoor {

bool DispatchEvent(Game& game, HeldKeys& keys, const InputEvent& event) {
  const bool nameBoxFocused = game.input.Text1.Focused;
  switch (event.kind) {
    case InputEvent::Kind::Quit:
      return false;
    case InputEvent::Kind::MouseMove:
      ShowPointerHiddenByPad(game);
      Form_MouseMove(game, event.x, event.y);
      break;
    case InputEvent::Kind::MouseDown:
      Form_MouseDown(game, event.button, event.x, event.y);
      break;
    case InputEvent::Kind::KeyDown:
      if (event.key == vk::F11) {
        if (!event.repeat) game.platform.window.ToggleFullScreen();
        break;
      }
      keys.Press(event.key);
      if (nameBoxFocused) Text1_KeyDown(game, event.key);
      break;
    case InputEvent::Kind::KeyUp:
      keys.Release(event.key);
      break;
    case InputEvent::Kind::TextInput:
      if (nameBoxFocused) Text1_TextInput(game, event.text);
      break;
    case InputEvent::Kind::FocusLost:
      game.input.FocusLost = true;
      break;
    case InputEvent::Kind::PadButton:
    case InputEvent::Kind::PadAxis:
      HandlePadEvent(game, keys, event);
      break;
  }
  return true;
}

}  // namespace quillmoor
