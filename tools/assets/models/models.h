#pragma once

#include <filesystem>

namespace quillmoor::assets {

// The ten .X models of the game, under their names in the Data folder.
void WriteModels(const std::filesystem::path& data);

}  // namespace quillmoor::assets
