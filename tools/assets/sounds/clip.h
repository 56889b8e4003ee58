#pragma once

#include <vector>

namespace quillmoor::assets::sounds {

// A sound as the generators make it: samples in -1..1, one or two channels.
struct Clip {
  int sample_rate = 22050;
  std::vector<float> left;
  std::vector<float> right;  // empty for mono

  bool stereo() const { return !right.empty(); }
};

}  // namespace quillmoor::assets::sounds
