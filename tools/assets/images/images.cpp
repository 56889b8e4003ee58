#include "assets/images/images.h"

namespace quillmoor::assets {

void WriteModelTextures(const std::filesystem::path&) {}
void WriteInterfaceImages(const std::filesystem::path&) {}

}  // namespace quillmoor::assets
