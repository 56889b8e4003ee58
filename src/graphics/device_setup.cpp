#include "graphics/device_setup.h"

#include "graphics/angles.h"
#include "graphics/text_drawing.h"
#include "state/game.h"

namespace quillmoor {

bool InitD3d(Game& game, std::uint8_t Rez) {
  GraphicsState& g = game.graphics;
  g.D3D = &game.platform.graphics;

  // The back buffer takes the desktop's pixel format; the backend picks it.
  PresentParameters parameters;
  if (Rez == display_mode::Window) {
    parameters.Windowed = true;
  } else if (Rez == display_mode::FullScreen) {
    game.platform.window.RemoveBorder();
    parameters.Windowed = false;
    parameters.BackBufferWidth = g.FullScreenWidth;
    parameters.BackBufferHeight = g.FullScreenHeight;
  }

  g.Device = g.D3D->CreateDevice(parameters);
  if (!g.Device) return false;

  g.Device->SetRenderState(RenderState::CullMode, cull::None);
  g.Device->SetRenderState(RenderState::ZEnable, 1);
  g.Device->SetRenderState(RenderState::AlphaBlendEnable, 1);
  SetupLights(game.graphics);
  InitFonts(game.graphics);
  // Sprites are drawn by the device itself: there is no sprite object to make.
  return true;
}

void SetupLights(GraphicsState& graphics) {
  GraphicsDevice& device = *graphics.Device;

  Light light;
  light.Type = LightType::Directional;
  light.Diffuse = {0.01f, 0.01f, 0.01f, 0.0f};
  light.Position = vec3(40, 40, 40);
  light.Direction = vec3(1, -1, 2);
  light.Range = 50;
  light.Falloff = 1;
  device.SetLight(0, light);
  device.LightEnable(0, true);

  device.SetRenderState(RenderState::Lighting, 1);
  device.SetRenderState(RenderState::Ambient, kAmbientWhite);
  graphics.ClearColor = kSkyBlue;
}

void SetAmbient(GraphicsState& graphics, Argb colour) {
  graphics.Device->SetRenderState(RenderState::Ambient, colour);
}

void SetupMatrices(Game& game) {
  GraphicsState& g = game.graphics;
  const CameraPoints& c = g.Camera;

  g.ViewMatrix = LookAtLH(vec3(c.EyeX, c.EyeY, c.EyeZ), vec3(c.AtX, c.AtY, c.AtZ), vec3(0, 1, 0));
  if (game.sim.GameState == game.sim.CameraMode) {
    g.RollAngle = Radians(360.0 - game.sim.ObjectSlots[3].Angle);
    g.RollMatrix = RotationZ(g.RollAngle);
    g.ViewMatrix = Multiply(g.ViewMatrix, g.RollMatrix);
  }
  g.Device->SetTransform(TransformType::View, g.ViewMatrix);

  Matrix projection;
  if (game.shell.DisplayMode == display_mode::Window ||
      game.shell.DisplayMode == display_mode::FullScreen) {
    projection = PerspectiveFovLH(Radians(g.FieldOfView), g.AspectRatio, 0.05f, 300.0f);
  }
  g.Device->SetTransform(TransformType::Projection, projection);
}

}  // namespace quillmoor
