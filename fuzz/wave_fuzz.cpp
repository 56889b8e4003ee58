// Sound files: any bytes give whole 16-bit frames or a reason, never a crash.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/sdl/sdl_wave.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const quillmoor::WaveResult wave =
      quillmoor::DecodeWaveBytes({reinterpret_cast<const char*>(data), size});
  if (wave.sound && (wave.sound->channels < 1 || wave.sound->channels > 2 ||
                     wave.sound->samples.size() % std::size_t(wave.sound->channels) != 0)) {
    __builtin_trap();
  }
  return 0;
}
