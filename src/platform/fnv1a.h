#pragma once

#include <cstdint>
#include <string_view>

namespace quillmoor {

// The 64-bit FNV-1a hash: the checksum of the game's own files.
constexpr std::uint64_t Fnv1a64(std::string_view bytes) {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

}  // namespace quillmoor
