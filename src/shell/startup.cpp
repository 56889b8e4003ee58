#include "shell/startup.h"

#include <iostream>
#include <system_error>

#include "besttimes/best_times.h"
#include "ghost/ghost_race.h"
#include "graphics/device_setup.h"
#include "graphics/resources.h"
#include "graphics/vertex_buffer.h"
#include "platform/files.h"
#include "settings/config_file.h"
#include "shell/map_file.h"
#include "simulation/game_tick.h"
#include "simulation/race_control.h"
#include "sound/sound_setup.h"
#include "state/game.h"
#include "state/single_precision.h"

namespace quillmoor {

void ReadConfiguration(Game& game) {
  const std::optional<ConfigText> config =
      ReadConfigText(ConfigFileToRead(game.shell.Places));
  if (!config) return;

  const ConfigText& c = *config;
  if (c.Has(1)) game.shell.DisplayMode = c.Byte(1);
  if (c.Has(2)) game.net.Port = c.Int16(2);
  if (c.Has(3)) game.net.HostAddress = c.Text(3);
  if (c.Has(4)) game.shell.OverlayOn = c.Byte(4);
  if (c.Has(5)) game.shell.MusicOn = c.Byte(5);
  if (c.Has(6)) {
    const double blur = c.Double(6);
    if (blur == 0) game.shell.MotionBlur = false;
    if (blur == 1) game.shell.MotionBlur = true;
  }
  // A display mode the game has no picture for starts in a window.
  if (game.shell.DisplayMode != display_mode::FullScreen) {
    game.shell.DisplayMode = display_mode::Window;
  }
}

// The player's keys and pad controls; a line that makes no sense is named
// and keeps its default.
void ReadControls(Game& game) {
  ControlsRead controls = ReadControlsFile(ControlsFileIn(game.shell.Places.config));
  for (const std::string& problem : controls.problems) std::cerr << problem << '\n';
  game.input.Controls = controls.bindings;
  game.shell.Interpolation = controls.options.interpolation;
  game.ghost.Enabled = controls.options.ghost;
}

void ReadMap(Game& game) {
  const std::filesystem::path path = DataFilePath(game.shell.Places.data, "map.res");
  const std::optional<std::string> text = ReadFileBytes(path, file_limit::Map);
  if (!text) throw FatalError("Файл карты не найден", MessageIcon::Critical);
  game.map = ParseMap(*text, path);
  LoadTrackGhost(game, *text);
}

void Form_Load(Game& game) {
  // 1. The data folder, before anything else.
  std::error_code error;
  if (!std::filesystem::exists(std::filesystem::symlink_status(game.shell.Places.data, error))) {
    throw FatalError("Не найдена рабочая директория", MessageIcon::Critical);
  }
  game.shell.StartTimeOfDay = game.platform.clock.TimeOfDay();
  // 2. The graphics libraries are linked in: there is nothing to register.
  // 3. Defaults: every state struct starts at them.
  // 4. Configuration.
  ReadConfiguration(game);
  ReadControls(game);
  // 5. The track.
  ReadMap(game);
  // 6. The best-times table.
  LoadBestTimes(game);
  // 7. Camera and 8. menu state: at their start values.
  // 9. The menu scene.
  InitScene(game);
  // 10. Window state.
  if (game.shell.DisplayMode == display_mode::FullScreen) game.platform.window.Maximize();
  {
    // The models and images are read while the device is made.
    const ResourceFilesAhead ahead(game);
    // 11. Device.
    if (!InitD3d(game, game.shell.DisplayMode)) {
      throw FatalError("Невозможно инициализировать Direct3d.", MessageIcon::None);
    }
    // 12. Models and images.
    LoadResources(game);
  }
  // 13. The shared vertex buffer.
  if (!InitVB(game.graphics)) {
    throw FatalError("Невозможно инициализировать буфер вершин.", MessageIcon::None);
  }
  // 14. Sound.
  if (!InitSound(game)) throw FatalError("Невозможно инициализировать звук.", MessageIcon::None);
  LoadSounds(game);
  // 15. Show the window.
  game.platform.window.Show();
  // 16. The listener, at the camera.
  PlaceListener(game);
  // 17. View size.
  GraphicsState& g = game.graphics;
  if (game.shell.DisplayMode == display_mode::Window) {
    g.ViewWidth = 1024;
    g.ViewHeight = 768;
  } else {
    g.ViewWidth = g.FullScreenWidth;
    g.ViewHeight = g.FullScreenHeight;
  }
  g.AspectRatio = Single(double(g.ViewWidth) / double(g.ViewHeight));
  // 18. One menu tick before the first frame.
  MenuTick(game);
  // 19. Matrices.
  SetupMatrices(game);
  // 20. The frame timer starts; from now on the timers drive the game.
  game.shell.Timer1Enabled = true;
}

}  // namespace quillmoor
