// quillmoor-assets: writes the game's default Data folder.

#include <exception>
#include <filesystem>
#include <iostream>

#include "assets/best_times_asset.h"
#include "assets/images/images.h"
#include "assets/map_asset.h"
#include "assets/models/models.h"
#include "assets/sounds/sounds.h"
#include "platform/files.h"

int main(int argc, char** argv) {
  using namespace quillmoor;
  if (argc != 2) {
    std::cerr << "Usage: quillmoor-assets DATA_DIR\n";
    return 2;
  }
  const std::filesystem::path data = argv[1];
  try {
    std::filesystem::create_directories(data);
    assets::WriteModels(data);
    assets::WriteModelTextures(data);
    assets::WriteInterfaceImages(data);
    assets::WriteSounds(data);
    WriteFileAtomically(data / "map.res", assets::MapText());
    WriteFileAtomically(data / "Ch1.res", assets::BestNamesFile());
    WriteFileAtomically(data / "Ch2.res", assets::BestTimesFile());
  } catch (const std::exception& error) {
    std::cerr << "quillmoor-assets: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
