#pragma once

#include <cstdint>
#include <vector>

namespace quillmoor {

// One pad of the track.
struct MapObject {
  float Dist = 0;       // along the track
  float Kind = 0;       // 0 green, 1 red
  float Angle = 0;      // degrees about the tube axis, signed, 0 at the bottom
  float AngleNorm = 0;  // Angle + 360 when negative: turns the pad's model
};

inline constexpr std::int32_t kMaxMapObjects = 20000;

struct MapState {
  std::vector<MapObject> MapObjects{1};  // row 0 is never used
  std::int32_t MapObjectCount = 0;
};

}  // namespace quillmoor
