#include "frame/draw_frame.h"

#include "frame/menu_screens.h"
#include "frame/motion_blur.h"
#include "frame/race_hud.h"
#include "frame/scene.h"
#include "frame/scene_states.h"
#include "state/game.h"

namespace quillmoor {

void DrawFrame(Game& game) {
  const SimulationState& s = game.sim;

  // 1. Every frame blends by source alpha and filters its textures.
  SetSceneStates(*game.graphics.Device);

  // 2. The world, on both screens. Outside the menu it is the race scene
  // alone, which the blur texture needs as it is now.
  DrawScene(game);
  if (s.GameState != game_state::Menu) KeepSceneForBlur(game);
  // 3. The race's own layers.
  if (s.GameState == game_state::Race) DrawRaceHud(game);
  // 4. to 7. The menu's.
  if (s.GameState != game_state::Menu) return;
  if (s.IntroActive) {
    DrawIntroScreen(game);
    return;
  }
  if (s.MenuVisible) DrawMenuLayer(game);
  if (game.shell.OverlayOn == 1) DrawOverlayImage(game.graphics);
}

}  // namespace quillmoor
