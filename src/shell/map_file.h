#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
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

// map.res: records ended by char 30, fields split by char 31. Record 0 is
// the pad count, records 1..N hold Dist, Kind and Angle. Throws FatalError
// naming the file and the record when the text does not make a track.
MapState ParseMap(std::string_view text, const std::filesystem::path& file);

}  // namespace quillmoor
