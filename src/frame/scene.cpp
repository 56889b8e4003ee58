#include "frame/scene.h"

#include "frame/ghost_craft.h"
#include "frame/scene_menu.h"
#include "frame/scene_painter.h"
#include "frame/scene_race.h"

namespace quillmoor {

void DrawScene(Game& game) {
  ScenePainter painter(game);
  DrawRaceSceneBack(painter);
  DrawMenuModels(painter);
  DrawRaceSceneFront(painter);
  DrawMenuPanelAndLights(painter);
  DrawGhostCraft(painter);  // last: it writes no depth
}

}  // namespace quillmoor
