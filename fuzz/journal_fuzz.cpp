// The best-times journal: any bytes are a whole journal or none, and a
// whole one reads back to what was written.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "besttimes/table_journal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillmoor;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (const std::optional<JournalPair> pair = ReadJournal(bytes)) {
    if (JournalBytes(pair->names, pair->times) != bytes) std::abort();
  }
  return 0;
}
