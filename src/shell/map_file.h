#pragma once

#include <filesystem>
#include <string_view>

#include "state/map_state.h"

namespace quillmoor {

// map.res: records ended by char 30, fields split by char 31. Record 0 is
// the pad count, records 1..N hold Dist, Kind and Angle. Throws FatalError
// naming the file and the record when the text does not make a track.
MapState ParseMap(std::string_view text, const std::filesystem::path& file);

}  // namespace quillmoor
