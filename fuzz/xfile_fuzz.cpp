// .X files: any bytes give a model or nothing, never a crash or a hang; what
// comes back holds together. One reader serves every input, as in the game.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/model_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillmoor;
  static XFileReader reader;
  const std::optional<ModelGeometry> model =
      reader.ReadBytes({reinterpret_cast<const char*>(data), size});
  if (!model) return 0;
  for (const std::uint32_t index : model->indices) {
    if (index >= model->vertices.size()) __builtin_trap();
  }
  for (const Subset& subset : model->subsets) {
    if (std::uint64_t(subset.firstIndex) + subset.indexCount > model->indices.size()) {
      __builtin_trap();
    }
  }
  if (!model->materials.empty() && model->materials.size() != model->subsets.size()) {
    __builtin_trap();
  }
  return 0;
}
