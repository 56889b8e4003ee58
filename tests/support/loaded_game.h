#pragma once

#include <string_view>

#include "platform/recording/recording_platform.h"
#include "state/game.h"
#include "support/temp_dir.h"

namespace quillmoor::test {

// A game started on the recording backends with its own Data folder,
// the start-up's calls cleared from the log.
struct LoadedGame {
  explicit LoadedGame(std::string_view map = "0");

  TempDir dir;
  RecordingPlatform services;
  Game game{services.platform, dir.path() / "Data"};
};

}  // namespace quillmoor::test
