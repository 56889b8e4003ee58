#include "assets/sounds/wave_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace quillmoor::assets::sounds {

namespace {

void PutLittleEndian(std::string& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint16_t Pcm16(float sample) {
  const long value = std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
  return static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
}

}  // namespace

std::string WaveFileBytes(const Clip& clip) {
  if (clip.stereo() && clip.right.size() != clip.left.size()) {
    throw std::invalid_argument("the two channels of a sound differ in length");
  }
  const std::uint32_t channels = clip.stereo() ? 2 : 1;
  const std::uint32_t rate = static_cast<std::uint32_t>(clip.sample_rate);
  const std::uint32_t block = channels * 2;
  const std::uint32_t data_bytes = static_cast<std::uint32_t>(clip.left.size()) * block;

  std::string bytes = "RIFF";
  bytes.reserve(44 + data_bytes);
  PutLittleEndian(bytes, 36 + data_bytes, 4);
  bytes += "WAVEfmt ";
  PutLittleEndian(bytes, 16, 4);  // size of the format chunk
  PutLittleEndian(bytes, 1, 2);   // PCM
  PutLittleEndian(bytes, channels, 2);
  PutLittleEndian(bytes, rate, 4);
  PutLittleEndian(bytes, rate * block, 4);
  PutLittleEndian(bytes, block, 2);
  PutLittleEndian(bytes, 16, 2);  // bits per sample
  bytes += "data";
  PutLittleEndian(bytes, data_bytes, 4);
  for (std::size_t i = 0; i < clip.left.size(); ++i) {
    PutLittleEndian(bytes, Pcm16(clip.left[i]), 2);
    if (clip.stereo()) PutLittleEndian(bytes, Pcm16(clip.right[i]), 2);
  }
  return bytes;
}

}  // namespace quillmoor::assets::sounds
