// One race tick on a full 20000-pad track, throttle held, on the recording
// backends. The race starts over, untimed, once the craft passes the finish.

#include <benchmark/benchmark.h>

#include <random>

#include "graphics/device_setup.h"
#include "platform/recording/recording_platform.h"
#include "simulation/race_control.h"
#include "simulation/race_physics.h"
#include "state/game.h"

namespace quillmoor {
namespace {

// The longest track: pads two to a unit from 0 to the finish, green and red,
// anywhere across the tube.
MapState FullTrack() {
  std::minstd_rand random(2024);
  std::uniform_int_distribution<int> kind(0, 1), angle(-80, 80);
  MapState map;
  map.MapObjectCount = kMaxMapObjects;
  map.MapObjects.resize(kMaxMapObjects + 1);
  for (std::int32_t i = 1; i <= kMaxMapObjects; ++i) {
    MapObject& pad = map.MapObjects[i];
    pad.Dist = kFinishLine * float(i) / float(kMaxMapObjects);
    pad.Kind = float(kind(random));
    pad.Angle = float(angle(random));
    pad.AngleNorm = pad.Angle < 0 ? pad.Angle + 360 : pad.Angle;
  }
  return map;
}

void StartOver(Game& game, CallLog& log) {
  ResetRace(game);
  game.sim.GameState = game_state::Race;
  log.Clear();
}

void RaceTick(benchmark::State& state) {
  RecordingPlatform services;
  Game game{services.platform, "Data"};
  if (!InitD3d(game, display_mode::Window)) {
    state.SkipWithError("no device");
    return;
  }
  game.map = FullTrack();
  services.keyboard.Press(vk::W);
  StartOver(game, services.log);

  for (auto _ : state) {
    RacePhysics(game);
    if (game.sim.Distance > kFinishLine) {
      state.PauseTiming();
      StartOver(game, services.log);
      state.ResumeTiming();
    }
  }
}

BENCHMARK(RaceTick)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace quillmoor

BENCHMARK_MAIN();
