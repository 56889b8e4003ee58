#include "assets/map_asset.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "shell/map_file.h"

namespace quillmoor {
namespace {

// Pads lie on the track where the craft can reach, and the drawing window
// (from 1 behind the craft to 90 ahead) never has more than the 200 it lists.
TEST(MapAsset, PadsAreReachableAndNoWindowHoldsMoreThan200) {
  const MapState map = ParseMap(assets::MapText(), "map.res");
  int most = 0;
  for (int first = 1; first <= map.MapObjectCount; ++first) {
    const MapObject& pad = map.MapObjects[first];
    SCOPED_TRACE(first);
    EXPECT_GE(pad.Dist, 0.0f);
    EXPECT_LE(pad.Dist, 10000.0f);
    EXPECT_TRUE(pad.Kind == 0.0f || pad.Kind == 1.0f);
    EXPECT_GE(pad.Angle, -80.0f);
    EXPECT_LE(pad.Angle, 80.0f);
    int last = first;
    while (last + 1 <= map.MapObjectCount && map.MapObjects[last + 1].Dist <= pad.Dist + 91.0f) {
      ++last;
    }
    most = std::max(most, last - first + 1);
  }
  EXPECT_LE(most, 200);
}

}  // namespace
}  // namespace quillmoor
