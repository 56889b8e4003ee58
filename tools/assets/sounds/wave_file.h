#pragma once

#include <string>

#include "assets/sounds/clip.h"

namespace quillmoor::assets::sounds {

// The clip as a 16-bit PCM WAV file: a 44-byte RIFF header, then the samples.
std::string WaveFileBytes(const Clip& clip);

}  // namespace quillmoor::assets::sounds
