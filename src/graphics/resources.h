#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>

namespace quillmoor {

struct Game;
class ModelFilesAhead;
class ImageFilesAhead;

// The files LoadResources reads, read on threads of their own from now on,
// so that they are ready when it asks: made before the device, kept until
// LoadResources is done. A file that cannot be read is named only when
// LoadResources asks for it, as ever.
class ResourceFilesAhead {
 public:
  explicit ResourceFilesAhead(const Game& game);
  ~ResourceFilesAhead();
  ResourceFilesAhead(const ResourceFilesAhead&) = delete;
  ResourceFilesAhead& operator=(const ResourceFilesAhead&) = delete;

 private:
  std::unique_ptr<ModelFilesAhead> models_;
  std::unique_ptr<ImageFilesAhead> images_;
};

// Every model with its texture and materials, the twelve interface images,
// the motion blur's render target; then the craft at its start. A model that
// cannot be loaded ends the program with its slot's message; an interface
// image that cannot be read ends it naming the file.
void LoadResources(Game& game);

// One model into slot Number, its materials lit by their diffuse colour,
// every subset with the texture strTexName (a file in Data; empty: none). A
// texture that cannot be read leaves the model untextured. False when the
// model cannot be loaded.
bool InitGeometry(Game& game, const std::filesystem::path& FileName, std::uint8_t Number,
                  std::string_view strTexName);

}  // namespace quillmoor
