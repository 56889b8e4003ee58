#include "support/loaded_game.h"

#include "shell/startup.h"
#include "support/data_set.h"

namespace quillmoor::test {

LoadedGame::LoadedGame(std::string_view map) {
  WriteDataSet(dir, map);
  Form_Load(game);
  services.log.Clear();
}

}  // namespace quillmoor::test
