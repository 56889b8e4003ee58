#include "frame/scene.h"

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
}

}  // namespace quillmoor
