// Arbitrary bytes as both best-times files: a table, a decoding error or a
// FatalError, never a crash. Names that decode and encode again come back;
// times that decode can always be stored.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "besttimes/best_times_file.h"
#include "platform/fatal_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    const auto names = quillmoor::DecodeNames(bytes, "Ch1.res");
    if (names) {
      const auto again = quillmoor::EncodeNames(*names);
      if (again && quillmoor::DecodeNames(*again, "Ch1.res") != names) __builtin_trap();
    }
  } catch (const quillmoor::FatalError&) {
  }
  try {
    const auto times = quillmoor::DecodeTimes(bytes, "Ch2.res");
    if (times && !quillmoor::EncodeTimes(*times)) __builtin_trap();
  } catch (const quillmoor::FatalError&) {
  }
  return 0;
}
