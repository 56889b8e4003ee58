// Config.ini as the game reads it: any bytes give values or a FatalError.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/fatal_error.h"
#include "settings/config_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillmoor;
  ConfigText config{"Config.ini", SplitLines({reinterpret_cast<const char*>(data), size})};
  for (int line = 1; line <= 6 && config.Has(line); ++line) {
    try {
      line == 2 ? (void)config.Int16(line) : line == 6 ? (void)config.Double(line) : (void)config.Byte(line);
    } catch (const FatalError&) {
    }
  }
  return 0;
}
