#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmoor {

// A decoded wave file: interleaved signed 16-bit samples.
struct PcmSound {
  int channels = 0;
  int rate = 0;  // frames a second
  std::vector<std::int16_t> samples;
};

// Reads a wave file through SDL (PCM of 8 to 32 bits, float, IMA and MS
// ADPCM); the reason when it cannot.
struct WaveResult {
  std::optional<PcmSound> sound;
  std::string error;
};
WaveResult DecodeWave(const std::filesystem::path& file);
// The same from the file's bytes.
WaveResult DecodeWaveBytes(std::string_view bytes);

}  // namespace quillmoor
