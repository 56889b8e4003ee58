#include "platform/image_file.h"

#include <stb_image.h>

#include <cstring>
#include <limits>

#include "platform/dds_image.h"
#include "platform/fatal_error.h"
#include "platform/files.h"

namespace quillmoor {

namespace {

constexpr int kMaxSide = 16384;

std::optional<Image> DecodeWithStb(std::string_view bytes) {
  if (bytes.size() > std::size_t(std::numeric_limits<int>::max())) return std::nullopt;
  const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
  int width = 0, height = 0, channels = 0;
  if (!stbi_info_from_memory(data, int(bytes.size()), &width, &height, &channels) ||
      width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
    return std::nullopt;
  }
  stbi_uc* pixels = stbi_load_from_memory(data, int(bytes.size()), &width, &height, &channels, 4);
  if (!pixels) return std::nullopt;
  Image image{width, height, {}};
  image.rgba.assign(pixels, pixels + std::size_t(width) * std::size_t(height) * 4);
  stbi_image_free(pixels);
  return image;
}

}  // namespace

std::optional<Image> DecodeImage(std::string_view bytes) {
  if (IsDds(bytes)) return DecodeDds(bytes);
  return DecodeWithStb(bytes);
}

std::optional<Image> ReadImageFile(const std::filesystem::path& file) {
  try {
    const std::optional<std::string> bytes = ReadFileBytes(file);
    if (!bytes) return std::nullopt;
    return DecodeImage(*bytes);
  } catch (const FatalError&) {
    return std::nullopt;
  }
}

}  // namespace quillmoor
