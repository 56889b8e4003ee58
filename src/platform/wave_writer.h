#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "platform/output_file.h"

namespace quillmoor {

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
