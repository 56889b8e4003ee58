#include "assets/map_asset.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "shell/map_file.h"

namespace quillmoor {
namespace {

MapState DesignedMap() { return ParseMap(assets::MapText(), "map.res"); }

TEST(MapAsset, PadsLieOnTheTrackWhereTheCraftCanReach) {
  const MapState map = DesignedMap();
  for (int i = 1; i <= map.MapObjectCount; ++i) {
    const MapObject& pad = map.MapObjects[i];
    SCOPED_TRACE(i);
    EXPECT_GE(pad.Dist, 0.0f);
    EXPECT_LE(pad.Dist, 10000.0f);
    EXPECT_TRUE(pad.Kind == 0.0f || pad.Kind == 1.0f);
    EXPECT_GE(pad.Angle, -80.0f);
    EXPECT_LE(pad.Angle, 80.0f);
  }
}

// The drawing window reaches from 1 behind the craft to 90 ahead and lists
// at most 200 pads.
TEST(MapAsset, NoWindowHoldsMoreThan200Pads) {
  const MapState map = DesignedMap();
  int most = 0;
  for (int first = 1; first <= map.MapObjectCount; ++first) {
    int last = first;
    while (last + 1 <= map.MapObjectCount &&
           map.MapObjects[last + 1].Dist <= map.MapObjects[first].Dist + 91.0f) {
      ++last;
    }
    most = std::max(most, last - first + 1);
  }
  EXPECT_LE(most, 200);
}

}  // namespace
}  // namespace quillmoor
