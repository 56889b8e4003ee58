#pragma once

#include <filesystem>

namespace quillmoor::assets {

// The ten sounds of the game as 16-bit PCM WAV files (s-*.res).
void WriteSounds(const std::filesystem::path& data);

}  // namespace quillmoor::assets
