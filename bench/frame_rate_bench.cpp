// Frames of the game at 800 x 600 on the real OpenGL device, against the
// floor program (one full-screen textured layer a frame): the menu, the
// race and the race with motion blur headless, and the race in a real
// window when there is an X display. Each game frame ends with glFinish,
// as the floor program's do. The floor runs again before each headless
// screen, so every "of floor" ratio compares two rates measured moments
// apart. The same frames on the recording device give the game's own CPU
// time, without the GL driver.

#include <benchmark/benchmark.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "cpu_seconds.h"
#include "platform/gl/silent_gl_platform.h"
#include "platform/recording/recording_platform.h"
#include "shell/frame_tick.h"
#include "shell/startup.h"
#include "simulation/game_tick.h"
#include "simulation/race_control.h"
#include "state/game.h"

namespace quillmoor {
namespace {

using quillmoor::bench::CpuSeconds;

enum class Screen { Menu, Race, BlurredRace };

// The floor program's last rate and CPU seconds a frame, and the headless
// race's rate.
double floorRate = 0, floorCpu = 0, headlessRaceRate = 0;

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

// Times frames of the screen: their frames per second, also as a counter,
// with the CPU time a frame.
double Frames(benchmark::State& state, Platform& platform, Screen screen,
              const std::function<void()>& afterFrame) {
  Game game(platform, QUILLMOOR_DATA_DIR);
  Form_Load(game);
  Show(game, screen);
  const auto start = std::chrono::steady_clock::now();
  const double cpuStart = CpuSeconds();
  for (auto _ : state) {
    Timer1_Timer(game);
    afterFrame();
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double frames = double(std::max<benchmark::IterationCount>(state.iterations(), 1));
  const double rate = frames / seconds;
  state.counters["frames per second"] = rate;
  state.counters["CPU ms a frame"] = (CpuSeconds() - cpuStart) / frames * 1000;
  return rate;
}

void Ratio(benchmark::State& state, const char* name, double rate, double of) {
  if (of > 0) state.counters[name] = rate / of;
}

// Runs the floor program for three seconds: its frames per second.
void Floor(benchmark::State& state) {
  for (auto _ : state) {
    std::FILE* run = popen(QUILLMOOR_FLOOR_PROGRAM " 3", "r");
    long frames = 0;
    double seconds = 0, cpu = 0;
    const bool read = run && std::fscanf(run, "%ld %lf %lf", &frames, &seconds, &cpu) == 3;
    const bool clean = run && pclose(run) == 0;
    if (!read || !clean || frames <= 0 || seconds <= 0) {
      state.SkipWithError("the floor program did not run");
      return;
    }
    state.SetIterationTime(seconds / double(frames));
    floorRate = double(frames) / seconds;
    floorCpu = cpu / double(frames);
  }
  state.counters["frames per second"] = floorRate;
  state.counters["CPU ms a frame"] = floorCpu * 1000;
}

void Headless(benchmark::State& state, Screen screen) {
  SilentGlPlatform headless;
  const double rate = Frames(state, headless.platform, screen, [] { glFinish(); });
  if (screen == Screen::Race) headlessRaceRate = rate;
  Ratio(state, "of floor", rate, floorRate);
  // The same by CPU time, which other work on the machine disturbs less.
  Ratio(state, "of floor by CPU", floorCpu * 1000, state.counters["CPU ms a frame"]);
}

// The race in a window of the X display, presented without vsync.
void InWindow(benchmark::State& state) {
  if (!std::getenv("DISPLAY")) {
    state.SkipWithError("no X display: run under xvfb-run");
    return;
  }
  SilentGlPlatform windowed(SdlWindow::Driver::Native);
  const double rate = Frames(state, windowed.platform, Screen::Race, [] { glFinish(); });
  Ratio(state, "of floor", rate, floorRate);
  Ratio(state, "of headless race", rate, headlessRaceRate);
}

void OnRecordingDevice(benchmark::State& state, Screen screen) {
  RecordingPlatform services;
  Frames(state, services.platform, screen, [&] { services.log.Clear(); });
}

// The floor again before each headless screen.
BENCHMARK(Floor)->Name("Floor/Menu")->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Headless, Menu, Screen::Menu)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();
BENCHMARK(Floor)->Name("Floor/Race")->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Headless, Race, Screen::Race)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();
BENCHMARK(InWindow)->Name("InWindow/Race")->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();
BENCHMARK(Floor)->Name("Floor/BlurredRace")->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Headless, BlurredRace, Screen::BlurredRace)
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
