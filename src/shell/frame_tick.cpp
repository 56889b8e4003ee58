#include "shell/frame_tick.h"

#include "frame/draw_frame.h"
#include "frame/motion_blur.h"
#include "simulation/update_scene.h"
#include "state/game.h"

namespace quillmoor {

void Timer1_Timer(Game& game) {
  UpdateScene(game);
  Render(game);
  if (game.shell.MotionBlur) RenderToTexSub(game);
}

void Render(Game& game) {
  GraphicsDevice& device = *game.graphics.Device;
  device.Clear(clear::Target | clear::ZBuffer, game.graphics.ClearColor, 1.0f, 0);
  device.BeginScene();
  DrawFrame(game);
  device.EndScene();
  device.Present();
}

}  // namespace quillmoor
