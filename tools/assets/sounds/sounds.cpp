#include "assets/sounds/sounds.h"

namespace quillmoor::assets {

void WriteSounds(const std::filesystem::path&) {}

}  // namespace quillmoor::assets
