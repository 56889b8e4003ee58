#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "platform/openal/openal_sound.h"
#include "platform/wave_writer.h"

namespace quillmoor {

// Plays a loopback output in step with a virtual clock: every tick renders
// the next 20 ms of the mix, 882 frames, and writes it to a wave file when
// one is given.
class LoopbackMix {
 public:
  static constexpr int kFramesPerTick = OpenAlSound::kLoopbackRate / 50;

  LoopbackMix(OpenAlSound& sound, const std::optional<std::filesystem::path>& file = {});

  void Tick();
  // Finishes the wave file, if any.
  void Close();

 private:
  OpenAlSound& sound_;
  std::optional<WaveWriter> file_;
  std::vector<std::int16_t> frames_;
};

}  // namespace quillmoor
