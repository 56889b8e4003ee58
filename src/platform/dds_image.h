#pragma once

#include <optional>
#include <string_view>

#include "platform/image.h"

namespace quillmoor {

// Bytes that start like a DDS file.
bool IsDds(std::string_view bytes);

// The top level of a DDS image: uncompressed RGB or RGBA with bit masks of
// 16, 24 or 32 bits a pixel, or DXT1, DXT3, DXT5 blocks. Nothing for any
// other kind or a broken file.
std::optional<Image> DecodeDds(std::string_view bytes);

}  // namespace quillmoor
