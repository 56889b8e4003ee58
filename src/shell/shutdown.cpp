#include "shell/shutdown.h"

#include "net/net_link.h"
#include "sound/sound_files.h"
#include "state/game.h"

namespace quillmoor {

namespace {

void ReleaseTexture(GraphicsDevice& device, TextureId texture) {
  if (texture) device.ReleaseTexture(texture);
}

}  // namespace

void Form_Unload(Game& game) {
  if (game.shell.CleanedUp) return;
  game.shell.Unloaded = true;
  CloseNetwork(game);
  Cleanup(game);
}

void Cleanup(Game& game) {
  if (game.shell.CleanedUp) return;
  game.shell.CleanedUp = true;
  ShowPointer(game.platform.window);

  // The looping sounds stop, the music whatever MusicOn says; then every
  // sound goes, in load order, and the output after them.
  Sound& sound = game.platform.sound;
  sound.Stop(sound_file::MenuMusic);
  sound.Stop(sound_file::Engine);
  for (const sound_file::Entry& entry : sound_file::kAll) sound.Release(entry.file);
  sound.Close();

  GraphicsState& g = game.graphics;
  if (!g.Device) return;
  GraphicsDevice& device = *g.Device;
  if (g.VertexBuffer) device.ReleaseVertexBuffer(g.VertexBuffer);
  for (const TextureId image : g.ImageTextures) ReleaseTexture(device, image);
  ReleaseTexture(device, g.BlurRender.texture);
  for (int slot = 0; slot <= g.LastMesh && slot < kMeshSlots; ++slot) {
    MeshRecord& model = g.Meshes[slot];
    for (const TextureId texture : model.Textures) ReleaseTexture(device, texture);
    model.Textures.clear();
    model.Materials.clear();
    if (model.Mesh) device.ReleaseMesh(model.Mesh);
  }
  g.Device.reset();
}

}  // namespace quillmoor
