#include "assets/models/models.h"

namespace quillmoor::assets {

void WriteModels(const std::filesystem::path&) {}

}  // namespace quillmoor::assets
