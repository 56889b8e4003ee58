// Frames of the game, headless at 800 x 600 on the real OpenGL device: the
// menu, the race, the race with motion blur. The same frames on the
// recording device give the game's own CPU time, without the GL driver.

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

#include "headless_platform.h"
#include "platform/recording/recording_platform.h"
#include "shell/frame_tick.h"
#include "shell/game.h"
#include "shell/startup.h"
#include "simulation/game_tick.h"
#include "simulation/race_control.h"

namespace quillmoor {
namespace {

enum class Screen { Menu, Race, BlurredRace };

// Puts a started game on the screen: the menu after the intro, or a race
// at full speed a third of the way along.
void Show(Game& game, Screen screen) {
  game.sim.IntroActive = false;
  if (screen == Screen::Menu) return;
  game.shell.MotionBlur = screen == Screen::BlurredRace;
  BeginNewRace(game);
  for (int tick = 0; tick < 140; ++tick) GameTick(game);
  game.sim.Speed = 2;
  game.sim.Distance = 3300;
  GameTick(game);
}

void Frames(benchmark::State& state, Platform& platform, Screen screen,
            const std::function<void()>& afterFrame) {
  Game game(platform, QUILLMOOR_DATA_DIR);
  Form_Load(game);
  Show(game, screen);
  for (auto _ : state) {
    Timer1_Timer(game);
    afterFrame();
  }
  state.counters["frames per second"] =
      benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

void OnOpenGl(benchmark::State& state, Screen screen) {
  bench::HeadlessPlatform headless;
  Frames(state, headless.platform, screen, [] {});
}

void OnRecordingDevice(benchmark::State& state, Screen screen) {
  RecordingPlatform services;
  Frames(state, services.platform, screen, [&] { services.log.Clear(); });
}

BENCHMARK_CAPTURE(OnOpenGl, Menu, Screen::Menu)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();
BENCHMARK_CAPTURE(OnOpenGl, Race, Screen::Race)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();
BENCHMARK_CAPTURE(OnOpenGl, BlurredRace, Screen::BlurredRace)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3)
    ->UseRealTime();
BENCHMARK_CAPTURE(OnRecordingDevice, Menu, Screen::Menu)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(OnRecordingDevice, Race, Screen::Race)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(OnRecordingDevice, BlurredRace, Screen::BlurredRace)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillmoor

BENCHMARK_MAIN();
