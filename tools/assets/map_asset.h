#pragma once

#include <string>

namespace quillmoor::assets {

// The track: map.res as the game reads it.
std::string MapText();

}  // namespace quillmoor::assets
