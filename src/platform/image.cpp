#include "platform/image.h"

#include <stb_image_write.h>

#include "platform/fatal_error.h"
#include "platform/files.h"

namespace quillmoor {

std::string EncodePng(const Image& image, bool keepAlpha) {
  const int channels = keepAlpha ? 4 : 3;
  std::vector<std::uint8_t> pixels;
  if (keepAlpha) {
    pixels = image.rgba;
  } else {
    pixels.reserve(std::size_t(image.width) * image.height * 3);
    for (std::size_t i = 0; i + 3 < image.rgba.size(); i += 4) {
      pixels.insert(pixels.end(), image.rgba.begin() + i, image.rgba.begin() + i + 3);
    }
  }
  std::string png;
  auto append = [](void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), std::size_t(size));
  };
  if (!stbi_write_png_to_func(append, &png, image.width, image.height, channels, pixels.data(),
                              image.width * channels)) {
    return {};
  }
  return png;
}

void WritePng(const std::filesystem::path& path, const Image& image) {
  const std::string png = EncodePng(image, /*keepAlpha=*/false);
  if (png.empty()) throw FatalError("Не удаётся сохранить снимок " + path.string() + '.');
  WriteFileAtomically(path, png);
}

}  // namespace quillmoor
