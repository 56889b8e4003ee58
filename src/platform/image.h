#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace quillmoor {

// Top row first, four bytes per pixel: red, green, blue, alpha.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;
};

// Writes the picture as an opaque RGB PNG; throws FatalError when it cannot.
void WritePng(const std::filesystem::path& path, const Image& image);

}  // namespace quillmoor
