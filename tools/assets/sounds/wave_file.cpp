#include "assets/sounds/wave_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "platform/wave_writer.h"

namespace quillmoor::assets::sounds {

namespace {

std::int16_t Pcm16(float sample) {
  return static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f));
}

}  // namespace

std::string WaveFileBytes(const Clip& clip) {
  if (clip.stereo() && clip.right.size() != clip.left.size()) {
    throw std::invalid_argument("the two channels of a sound differ in length");
  }
  const int channels = clip.stereo() ? 2 : 1;
  const auto data_bytes = static_cast<std::uint32_t>(clip.left.size() * channels * 2);
  std::string bytes = WaveHeader(channels, clip.sample_rate, data_bytes);
  bytes.reserve(44 + data_bytes);
  for (std::size_t i = 0; i < clip.left.size(); ++i) {
    AppendSample(bytes, Pcm16(clip.left[i]));
    if (clip.stereo()) AppendSample(bytes, Pcm16(clip.right[i]));
  }
  return bytes;
}

}  // namespace quillmoor::assets::sounds
