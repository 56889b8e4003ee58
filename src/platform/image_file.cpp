#include "platform/image_file.h"

#include <stb_image.h>

#include <cstring>
#include <limits>
#include <utility>

#include "platform/dds_image.h"
#include "platform/files.h"

namespace quillmoor {

namespace {

constexpr int kMaxSide = 16384;

// Pictures decoded ahead and not yet asked for, at most: each can take
// megabytes, and the heap keeps what they took.
constexpr std::size_t kDecodedAhead = 4;

std::optional<Image> DecodeWithStb(std::string_view bytes) {
  if (bytes.size() > std::size_t(std::numeric_limits<int>::max())) return std::nullopt;
  const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
  int width = 0, height = 0, channels = 0;
  if (!stbi_info_from_memory(data, int(bytes.size()), &width, &height, &channels)) {
    return std::nullopt;
  }
  // A BMP stored top row first says so with a negative height.
  if (height < 0 && height > -kMaxSide) height = -height;
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return std::nullopt;
  stbi_uc* pixels = stbi_load_from_memory(data, int(bytes.size()), &width, &height, &channels, 4);
  if (!pixels) return std::nullopt;
  Image image{width, height, {}};
  image.rgba.assign(pixels, pixels + std::size_t(width) * std::size_t(height) * 4);
  stbi_image_free(pixels);
  return image;
}

ImageRead DecodeFile(const std::filesystem::path& file) {
  const FileBytes read = ReadFileOrSayWhy(file, "нет такого файла");
  if (!read.bytes) return {std::nullopt, read.problem};
  std::optional<Image> image = DecodeImage(*read.bytes);
  if (!image) return {std::nullopt, "формат не распознан или файл повреждён"};
  return {std::move(image), {}};
}

}  // namespace

std::optional<Image> DecodeImage(std::string_view bytes) {
  if (IsDds(bytes)) return DecodeDds(bytes);
  return DecodeWithStb(bytes);
}

std::optional<Image> ReadImageFile(const std::filesystem::path& file) {
  std::optional<ImageRead> read = ReadAhead<ImageRead>::Take(file);
  if (!read) read = DecodeFile(file);
  if (!read->image) ReportUnreadFile("Картинка", file, read->problem);
  return std::move(read->image);
}

ImageFilesAhead::ImageFilesAhead(std::vector<std::filesystem::path> files)
    : batch_(std::move(files), DecodeFile, kDecodedAhead) {}


}  // namespace quillmoor
