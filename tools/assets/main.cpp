// quillmoor-assets: writes the game's default Data folder.

#include <exception>
#include <filesystem>
#include <iostream>

#include "best_times_asset.h"
#include "map_asset.h"
#include "platform/files.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "Usage: quillmoor-assets DATA_DIR\n";
    return 2;
  }
  const std::filesystem::path data = argv[1];
  try {
    std::filesystem::create_directories(data);
    quillmoor::WriteFileAtomically(data / "map.res", quillmoor::assets::MapText());
    quillmoor::WriteFileAtomically(data / "Ch1.res", quillmoor::assets::BestNamesFile());
    quillmoor::WriteFileAtomically(data / "Ch2.res", quillmoor::assets::BestTimesFile());
  } catch (const std::exception& error) {
    std::cerr << "quillmoor-assets: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
