// The model parser's replies, read in the game's own process: any bytes
// give a model that holds together, or nothing.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/model_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillmoor;
  const std::optional<ModelGeometry> model =
      ModelFromReply({reinterpret_cast<const char*>(data), size});
  if (!model) return 0;
  for (const std::uint32_t index : model->indices) {
    if (index >= model->vertices.size()) __builtin_trap();
  }
  for (const Subset& subset : model->subsets) {
    if (std::uint64_t(subset.firstIndex) + subset.indexCount > model->indices.size()) {
      __builtin_trap();
    }
  }
  return 0;
}
