#include "assets/map_asset.h"

#include <vector>

namespace quillmoor::assets {

namespace {

struct Pad {
  int dist;
  int kind;  // 0 green, 1 red
  int angle;
};

// A short opening: boosts down the middle, a red trap beside each.
const std::vector<Pad> kPads = {
    {150, 0, 0},    {300, 0, -30}, {320, 1, 10},   {480, 0, 30},
    {500, 1, -10},  {700, 0, 0},   {900, 1, 45},   {1100, 0, -45},
};

}  // namespace

std::string MapText() {
  constexpr char kRecord = 30, kField = 31;
  std::string text = std::to_string(kPads.size());
  for (const Pad& pad : kPads) {
    text += kRecord;
    text += std::to_string(pad.dist) + kField + std::to_string(pad.kind) + kField +
            std::to_string(pad.angle);
  }
  return text;
}

}  // namespace quillmoor::assets
