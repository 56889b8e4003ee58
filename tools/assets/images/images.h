#pragma once

#include <filesystem>

namespace quillmoor::assets {

// The textures the models are drawn with (t-*.res).
void WriteModelTextures(const std::filesystem::path& data);
// The twelve interface images (i-*.res).
void WriteInterfaceImages(const std::filesystem::path& data);

}  // namespace quillmoor::assets
