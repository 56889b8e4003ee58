// .X files: any bytes give a model or nothing, never a crash or a hang. What
// comes back has passed the reply check that model_reply_fuzz works on. One
// reader serves every input, as in the game.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/model_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static quillmoor::XFileReader reader;
  reader.ReadBytes({reinterpret_cast<const char*>(data), size});
  return 0;
}
