#include "platform/wave_writer.h"

#include <algorithm>
#include <string>

namespace quillmoor {

namespace {

void PutLittle(std::string& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes += char((value >> (8 * i)) & 0xFF);
}

// The most a RIFF size field can say.
constexpr std::uint64_t kMaxDataBytes = 0xFFFFFFFFull - 36;

}  // namespace

std::string WaveHeader(int channels, int rate, std::uint32_t dataBytes) {
  std::string bytes = "RIFF";
  PutLittle(bytes, 36 + dataBytes, 4);
  bytes += "WAVEfmt ";
  PutLittle(bytes, 16, 4);
  PutLittle(bytes, 1, 2);  // PCM
  PutLittle(bytes, std::uint32_t(channels), 2);
  PutLittle(bytes, std::uint32_t(rate), 4);
  PutLittle(bytes, std::uint32_t(rate * channels * 2), 4);
  PutLittle(bytes, std::uint32_t(channels * 2), 2);
  PutLittle(bytes, 16, 2);
  bytes += "data";
  PutLittle(bytes, dataBytes, 4);
  return bytes;
}

void AppendSample(std::string& bytes, std::int16_t sample) {
  PutLittle(bytes, std::uint16_t(sample), 2);
}

WaveWriter::WaveWriter(const std::filesystem::path& path, int channels, int rate)
    : file_(path), channels_(channels), rate_(rate) {
  file_.Write(WaveHeader(channels, rate, 0));
}

void WaveWriter::Append(std::span<const std::int16_t> samples) {
  std::string bytes;
  bytes.reserve(samples.size() * 2);
  for (const std::int16_t sample : samples) AppendSample(bytes, sample);
  // Past 4 GiB the header could not say how long it is: stop there.
  const std::uint64_t room = kMaxDataBytes - std::min(dataBytes_, kMaxDataBytes);
  if (bytes.size() > room) bytes.resize(room - room % (2 * std::size_t(channels_)));
  dataBytes_ += bytes.size();
  file_.Write(bytes);
}

void WaveWriter::Close() {
  file_.WriteAt(0, WaveHeader(channels_, rate_, std::uint32_t(dataBytes_)));
  file_.Close();
}

}  // namespace quillmoor
