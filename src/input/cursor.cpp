#include "input/cursor.h"

#include "state/game.h"

namespace quillmoor {

void HideMouseCursor(Game& game) {
  while (game.platform.window.ShowCursor(false) >= 0) {
  }
}

void ShowMouseCursor(Game& game) {
  while (game.platform.window.ShowCursor(true) < 0) {
  }
}

}  // namespace quillmoor
