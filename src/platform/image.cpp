#include "platform/image.h"

#include <string>

#include <stb_image_write.h>

#include "platform/fatal_error.h"
#include "platform/files.h"

namespace quillmoor {

void WritePng(const std::filesystem::path& path, const Image& image) {
  std::vector<std::uint8_t> rgb;
  rgb.reserve(std::size_t(image.width) * image.height * 3);
  for (std::size_t i = 0; i + 3 < image.rgba.size(); i += 4) {
    rgb.insert(rgb.end(), image.rgba.begin() + i, image.rgba.begin() + i + 3);
  }
  std::string png;
  auto append = [](void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), std::size_t(size));
  };
  if (!stbi_write_png_to_func(append, &png, image.width, image.height, 3, rgb.data(),
                              image.width * 3)) {
    throw FatalError("Не удаётся сохранить снимок " + path.string() + '.');
  }
  WriteFileAtomically(path, png);
}

}  // namespace quillmoor
