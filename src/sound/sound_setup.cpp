#include "sound/sound_setup.h"

#include "platform/files.h"
#include "sound/sound_files.h"
#include "state/game.h"

namespace quillmoor {

bool InitSound(Game& game) { return game.platform.sound.Open(); }

void LoadSounds(Game& game) {
  for (const sound_file::Entry& sound : sound_file::kAll) {
    game.platform.sound.Load(sound.file, DataFilePath(game.shell.Places.data, sound.file),
                             sound.control);
  }
}

void PlaceListener(Game& game) {
  const CameraPoints& camera = game.graphics.Camera;
  // The front is the point looked at, taken as a direction as it is.
  game.platform.sound.PlaceListener(vec3(camera.EyeX, camera.EyeY, camera.EyeZ),
                                    vec3(camera.AtX, camera.AtY, camera.AtZ), vec3(0, 1, 0));
}

}  // namespace quillmoor
