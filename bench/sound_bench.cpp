// Loading the ten sounds, mixing a race's sounds on the loopback output for
// one tick, and the share of a core the mixer thread of a real output takes
// during a race (OpenAL Soft's null output: the same mixing, no card).

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "cpu_seconds.h"
#include "platform/files.h"
#include "platform/openal/loopback_mix.h"
#include "platform/openal/openal_sound.h"
#include "sound/sound_files.h"

namespace quillmoor {
namespace {

using quillmoor::bench::CpuSeconds;

void LoadAll(OpenAlSound& sound) {
  for (const sound_file::Entry& entry : sound_file::kAll) {
    sound.Load(entry.file, DataFilePath(QUILLMOOR_DATA_DIR, entry.file), entry.control);
  }
}

// What plays in a race at speed: the music, the engine and a pad.
void PlayARace(OpenAlSound& sound) {
  sound.Play(sound_file::RaceMusic, true);
  sound.SetVolume(sound_file::RaceMusic, -400);
  sound.Play(sound_file::Engine, true);
  sound.SetFrequency(sound_file::Engine, 24000);
  sound.Play(sound_file::GreenPad, false);
}

void LoadSounds(benchmark::State& state) {
  OpenAlSound sound(OpenAlSound::Output::Loopback);
  if (!sound.Open()) return state.SkipWithError("no loopback output");
  for (auto _ : state) LoadAll(sound);
}

void MixOneTick(benchmark::State& state) {
  OpenAlSound sound(OpenAlSound::Output::Loopback);
  if (!sound.Open()) return state.SkipWithError("no loopback output");
  LoadAll(sound);
  LoopbackMix mix(sound);
  for (auto _ : state) {
    // Keep the one-shot pad sound going too.
    if (state.iterations() % 20 == 0) sound.Rewind(sound_file::GreenPad);
    PlayARace(sound);
    mix.Tick();
  }
}


// The main thread sleeps: the process's CPU time is the mixer's.
void MixerThreadDuringARace(benchmark::State& state) {
  OpenAlSound sound(OpenAlSound::Output::Device);
  if (!sound.Open()) return state.SkipWithError("no null output");
  LoadAll(sound);
  PlayARace(sound);
  double cpu = 0, wall = 0;
  for (auto _ : state) {
    const double cpuBefore = CpuSeconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    cpu += CpuSeconds() - cpuBefore;
    wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
  }
  state.counters["mixer CPU share %"] = 100 * cpu / wall;
}

BENCHMARK(LoadSounds)->Unit(benchmark::kMillisecond);
BENCHMARK(MixOneTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(MixerThreadDuringARace)->Unit(benchmark::kMillisecond)->Iterations(8)->UseRealTime();

}  // namespace
}  // namespace quillmoor

// OpenAL Soft reads its drivers once, at its first call.
int main(int argc, char** argv) {
  setenv("ALSOFT_DRIVERS", "null", 1);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
