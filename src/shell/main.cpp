// quillmoor: the game. Wires the platform backends to the game and runs it.

#include <SDL.h>

#include <exception>
#include <functional>
#include <iostream>
#include <string>
#include <variant>

#include "platform/files.h"
#include "platform/gl/gl_graphics.h"
#include "platform/headless/console_dialogs.h"
#include "platform/headless/held_keys.h"
#include "platform/headless/virtual_clock.h"
#include "platform/sdl/sdl_clock.h"
#include "platform/sdl/sdl_dialogs.h"
#include "platform/sdl/sdl_window.h"
#include "shell/command_line.h"
#include "shell/game.h"
#include "shell/main_loop.h"
#include "shell/startup.h"

namespace quillmoor {
namespace {

std::filesystem::path DefaultDataDirectory() {
  std::filesystem::path programDirectory = ".";
  if (char* base = SDL_GetBasePath()) {
    programDirectory = base;
    SDL_free(base);
  }
  return DataFilePath(programDirectory, "Data");
}

// Start-up, then the loop; a fatal error is shown and ends the run with 1.
int Run(Platform& platform, const std::filesystem::path& data,
        const std::function<int(Game&)>& loop) {
  try {
    Game game(platform, data);
    Form_Load(game);
    return loop(game);
  } catch (const FatalError& error) {
    platform.dialogs.ShowMessage(kProgramTitle, error.what(), error.icon());
  } catch (const std::exception& error) {
    platform.dialogs.ShowMessage(kProgramTitle, std::string("Внутренняя ошибка: ") + error.what(),
                                 MessageIcon::Critical);
  }
  return 1;
}

int RunInWindow(const std::filesystem::path& data, const CommandLine& options) {
  SdlWindow window(SdlWindow::Driver::Native);
  SdlClock clock(options.clock);
  SdlDialogs dialogs(window);
  GlGraphicsSystem graphics(window, /*vsync=*/true);
  Platform platform{window, window, clock, dialogs, graphics};
  return Run(platform, data, [&](Game& game) { return RunWindowed(game, window, options); });
}

int RunWithoutScreen(const std::filesystem::path& data, const CommandLine& options) {
  SdlWindow window(SdlWindow::Driver::Offscreen);
  VirtualClock clock(options.clock.value_or(0.0));
  HeldKeys keyboard;
  ConsoleDialogs dialogs;
  GlGraphicsSystem graphics(window, /*vsync=*/false);
  Platform platform{window, keyboard, clock, dialogs, graphics};
  return Run(platform, data, [&](Game& game) { return RunHeadless(game, clock, options); });
}

}  // namespace
}  // namespace quillmoor

int main(int argc, char** argv) {
  using namespace quillmoor;
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const auto parsed = ParseCommandLine(args);
  if (const auto* error = std::get_if<std::string>(&parsed)) {
    std::cerr << "quillmoor: " << *error << "\n\n" << kUsage;
    return 2;
  }
  const CommandLine& options = std::get<CommandLine>(parsed);
  if (options.help) {
    std::cout << kUsage;
    return 0;
  }
  if (options.version) {
    std::cout << kVersionText;
    return 0;
  }
  const std::filesystem::path data =
      options.dataDirectory ? *options.dataDirectory : DefaultDataDirectory();
  return options.headless ? RunWithoutScreen(data, options) : RunInWindow(data, options);
}
