// The controls file: any bytes give bindings, with the bad lines named, and
// what is written back reads back the same.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/controls.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillmoor;
  const ControlsRead read =
      ParseControls({reinterpret_cast<const char*>(data), size}, "quillmoor.ini");
  const ControlsRead again =
      ParseControls(ControlsText(read.bindings, read.options), "quillmoor.ini");
  if (!again.problems.empty() || !(again.bindings == read.bindings) ||
      !(again.options == read.options)) {
    std::abort();
  }
  return 0;
}
