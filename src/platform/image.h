#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quillmoor {

// Top row first, four bytes per pixel: red, green, blue, alpha.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;
};

// The picture as PNG bytes, with or without its alpha; empty when it cannot
// be encoded.
std::string EncodePng(const Image& image, bool keepAlpha);

// Writes the picture as an opaque RGB PNG; throws FatalError when it cannot.
void WritePng(const std::filesystem::path& path, const Image& image);

}  // namespace quillmoor
