// Image files: any bytes give a picture or nothing, never a crash.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/image_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<quillmoor::Image> image =
      quillmoor::DecodeImage({reinterpret_cast<const char*>(data), size});
  if (image && image->rgba.size() != std::size_t(image->width) * image->height * 4) {
    __builtin_trap();
  }
  return 0;
}
