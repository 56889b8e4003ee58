// quillmoor: the game. Wires the platform backends to the game and runs it.

#include <malloc.h>

#include <exception>
#include <functional>
#include <iostream>
#include <string>
#include <variant>

#include "platform/files.h"
#include "platform/gl/gl_graphics.h"
#include "platform/headless/console_dialogs.h"
#include "platform/headless/virtual_clock.h"
#include "platform/held_keys.h"
#include "platform/openal/loopback_mix.h"
#include "platform/openal/openal_sound.h"
#include "platform/posix/tcp_socket.h"
#include "platform/sdl/sdl_clock.h"
#include "platform/sdl/sdl_dialogs.h"
#include "platform/sdl/sdl_window.h"
#include "shell/command_line.h"
#include "shell/ghost_option.h"
#include "shell/main_loop.h"
#include "shell/script.h"
#include "shell/session_recorder.h"
#include "shell/shutdown.h"
#include "shell/startup.h"
#include "shell/trace.h"
#include "state/game.h"

namespace quillmoor {
namespace {

using Loop = std::function<int(Game&, RunOutputs)>;

// Start-up, then the loop; a fatal error is shown and ends the run with 1.
int Run(Platform& platform, const FilePlaces& places, const CommandLine& options,
        const Loop& loop) {
  try {
    std::optional<TraceWriter> trace;
    std::optional<FrameTraceWriter> frameTrace;
    std::optional<SessionRecorder> session;
    if (options.trace) trace.emplace(*options.trace);
    if (options.frameTrace) frameTrace.emplace(*options.frameTrace);
    Game game(platform, places);
    Form_Load(game);
    if (options.ghost) RaceAgainstGhostFile(game, *options.ghost);
    if (options.record) session.emplace(*options.record, game.shell.StartTimeOfDay);
    RunOutputs outputs;
    outputs.trace = trace ? &*trace : nullptr;
    outputs.frameTrace = frameTrace ? &*frameTrace : nullptr;
    outputs.session = session ? &*session : nullptr;
    const int status = loop(game, outputs);
    Form_Unload(game);
    if (trace) trace->Close();
    if (frameTrace) frameTrace->Close();
    if (session) session->Close();
    return status;
  } catch (const FatalError& error) {
    platform.dialogs.ShowMessage(kProgramTitle, error.what(), error.icon());
  } catch (const std::exception& error) {
    platform.dialogs.ShowMessage(kProgramTitle, std::string("Внутренняя ошибка: ") + error.what(),
                                 MessageIcon::Critical);
  }
  return 1;
}

int RunInWindow(const FilePlaces& places, const CommandLine& options) {
  SdlWindow window(SdlWindow::Driver::Native);
  HeldKeys keyboard;
  SdlClock clock(options.clock);
  SdlDialogs dialogs(window);
  GlGraphicsSystem graphics(window, options.vsync);
  OpenAlSound sound(OpenAlSound::Output::Device);
  TcpSocket socket;
  Platform platform{window, keyboard, clock, dialogs, graphics, sound, socket};
  return Run(platform, places, options, [&](Game& game, RunOutputs outputs) {
    return RunWindowed(game, window, keyboard, options, outputs);
  });
}

int RunWithoutScreen(const FilePlaces& places, const CommandLine& options,
                     const Script& script) {
  SdlWindow window(SdlWindow::Driver::Offscreen);
  VirtualClock clock(options.clock.value_or(script.clock.value_or(0.0)));
  HeldKeys keyboard;
  ConsoleDialogs dialogs;
  GlGraphicsSystem graphics(window, SwapMode::Off);
  OpenAlSound sound(OpenAlSound::Output::Loopback);
  TcpSocket socket;
  Platform platform{window, keyboard, clock, dialogs, graphics, sound, socket};
  return Run(platform, places, options, [&](Game& game, RunOutputs outputs) {
    // The mix is rendered only for someone to hear; the game never asks
    // what its sounds are doing.
    std::optional<LoopbackMix> mix;
    if (options.audioOut) {
      mix.emplace(sound, *options.audioOut);
      outputs.afterTick = [&] { mix->Tick(); };
    }
    const int status = RunHeadless(game, clock, keyboard, script.events, options, outputs);
    if (mix) mix->Close();
    return status;
  });
}

// The script's events, or the reason there are none.
std::variant<Script, std::string> ReadScript(const CommandLine& options) {
  if (!options.script) return Script{};
  std::optional<std::string> text;
  try {
    text = ReadFileBytes(*options.script, file_limit::Script);
  } catch (const FatalError& error) {
    return std::string(error.what());
  }
  if (!text) return "--script: no file " + options.script->string();
  return ParseScript(*text);
}

}  // namespace
}  // namespace quillmoor

int main(int argc, char** argv) {
  using namespace quillmoor;
  // Big buffers (decoded pictures, sounds) come from the system and go back when freed.
  mallopt(M_MMAP_THRESHOLD, 2 * 1024 * 1024);
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
  const FilePlaces places = FilePlacesFor(options, ProgramFolder(), CurrentUserEnvironment());
  const auto script = ReadScript(options);
  if (const auto* error = std::get_if<std::string>(&script)) {
    std::cerr << "quillmoor: " << *error << '\n';
    return 2;
  }
  return options.headless
             ? RunWithoutScreen(places, options, std::get<Script>(script))
             : RunInWindow(places, options);
}
