// map.res: any bytes give a track or a FatalError, never a crash.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/fatal_error.h"
#include "shell/map_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillmoor;
  try {
    const MapState map = ParseMap({reinterpret_cast<const char*>(data), size}, "map.res");
    if (map.MapObjectCount > 0 && map.MapObjects.size() != std::size_t(map.MapObjectCount) + 1) {
      __builtin_trap();
    }
  } catch (const FatalError&) {
  }
  return 0;
}
