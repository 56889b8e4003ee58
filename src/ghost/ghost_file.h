#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <variant>

#include "platform/fnv1a.h"
#include "state/ghost_state.h"

namespace quillmoor {

// A ghost file, little-endian throughout:
//   8 bytes  "QMGHOST" and 0x1A
//   u32      format version, 1
//   u64      track hash: FNV-1a of the map file's bytes
//   u32      tick count N, 1 .. kMaxGhostTicks
//   f32      the race clock at the finish
//   N times  f32 Distance, f32 CraftAngle, f32 CraftAngleSigned, f32 Speed,
//            u8 ThrottleState
//   u64      FNV-1a of every byte before it
inline constexpr std::string_view kGhostMagic{"QMGHOST\x1a", 8};
inline constexpr std::uint32_t kGhostVersion = 1;

std::string EncodeGhost(const GhostRun& run);

// The run, or why the bytes are not a ghost of this track.
std::variant<GhostRun, std::string> DecodeGhost(std::string_view bytes,
                                                std::uint64_t trackHash);

bool LooksLikeGhost(std::string_view bytes);

// The track's ghost in the player's folder: one file per map.
std::filesystem::path GhostFileIn(const std::filesystem::path& folder, std::uint64_t trackHash);

}  // namespace quillmoor
