#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/image.h"

namespace quillmoor {

// An image known by its content, whatever the file is called: PNG, BMP,
// JPEG, TGA or DDS (uncompressed, DXT1, DXT3, DXT5; the top level). Nothing
// when the bytes are none of these or are broken.
std::optional<Image> DecodeImage(std::string_view bytes);

// The same from a file; nothing when it is missing or cannot be read.
std::optional<Image> ReadImageFile(const std::filesystem::path& file);

}  // namespace quillmoor
