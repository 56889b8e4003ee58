#pragma once

#include <string>

namespace quillmoor::assets {

// The table a fresh Data folder starts with: Ch1.res and Ch2.res.
std::string BestNamesFile();
std::string BestTimesFile();

}  // namespace quillmoor::assets
