#pragma once

#include <array>
#include <filesystem>
#include <string_view>

#include "assets/models/model_mesh.h"

namespace quillmoor::assets {

// The file names of the ten models, in the game's slot order.
inline constexpr std::array<std::string_view, 10> kModelFileNames = {
    "nebo.x", "plat.X",  "truba.X",  "Fly.X",    "aster.X",
    "kr.X",   "ochki.X", "truba2.X", "truba3.X", "spst.X"};

// The model written under that file name. Throws std::invalid_argument for
// a name not in kModelFileNames.
ModelMesh BuildModel(std::string_view fileName);

// The ten .X models of the game, under their names in the Data folder.
void WriteModels(const std::filesystem::path& data);

}  // namespace quillmoor::assets
