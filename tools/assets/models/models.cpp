#include "assets/models/models.h"

#include <stdexcept>
#include <string>

#include "assets/models/model_builders.h"
#include "assets/models/x_file_writer.h"
#include "platform/files.h"

namespace quillmoor::assets {

ModelMesh BuildModel(std::string_view fileName) {
  using Builder = ModelMesh (*)();
  constexpr Builder kBuilders[] = {SkyModel,      PadModel,    TubeModel,   CraftModel,
                                   AsteroidModel, FlyerModel,  PickupModel, TrussTubeModel,
                                   RoofTubeModel, StationModel};
  static_assert(std::size(kBuilders) == kModelFileNames.size());
  for (std::size_t slot = 0; slot < kModelFileNames.size(); ++slot) {
    if (kModelFileNames[slot] == fileName) return kBuilders[slot]();
  }
  throw std::invalid_argument("no model is called " + std::string(fileName));
}

void WriteModels(const std::filesystem::path& data) {
  for (const std::string_view name : kModelFileNames) {
    WriteFileAtomically(data / name, XFileText(BuildModel(name)));
  }
}

}  // namespace quillmoor::assets
