#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "platform/output_file.h"

namespace quillmoor {

// The 44-byte header of a 16-bit PCM wave file with that many data bytes.
std::string WaveHeader(int channels, int rate, std::uint32_t dataBytes);
// A sample as the file stores it, little-endian.
void AppendSample(std::string& bytes, std::int16_t sample);

// A 16-bit PCM wave file written as it plays; Close sets the sizes in its
// header. Failures are FatalErrors naming the file.
class WaveWriter {
 public:
  WaveWriter(const std::filesystem::path& path, int channels, int rate);

  void Append(std::span<const std::int16_t> samples);  // interleaved
  void Close();

 private:
  OutputFile file_;
  int channels_, rate_;
  std::uint64_t dataBytes_ = 0;
};

}  // namespace quillmoor
