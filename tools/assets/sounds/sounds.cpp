#include "assets/sounds/sounds.h"

#include <array>

#include "assets/sounds/sound_clips.h"
#include "assets/sounds/wave_file.h"
#include "platform/files.h"

namespace quillmoor::assets {

void WriteSounds(const std::filesystem::path& data) {
  struct SoundFile {
    const char* name;
    sounds::Clip (*make)();
  };
  constexpr std::array<SoundFile, 10> kFiles = {{
      {"s-ac.res", sounds::RaceStartSound},
      {"s-zel.res", sounds::GreenPadSound},
      {"s-krasn.res", sounds::RedPadSound},
      {"s-s1.res", sounds::EngineLoop},
      {"s-zap1.res", sounds::ZapSound},
      {"s-01.res", sounds::MenuClickSound},
      {"s-dm1.res", sounds::MenuHoverSound},
      {"s-razg.res", sounds::RevUpSound},
      {"s-myz.res", sounds::MenuMusic},
      {"s-br01.res", sounds::RaceMusic},
  }};
  for (const SoundFile& file : kFiles) {
    WriteFileAtomically(data / file.name, sounds::WaveFileBytes(file.make()));
  }
}

}  // namespace quillmoor::assets
