#pragma once

#include <cmath>
#include <span>

namespace quillmoor::test {

// Root mean square of samples in [-1, 1].
inline double Level(std::span<const double> samples) {
  double sum = 0;
  for (double s : samples) sum += s * s;
  return samples.empty() ? 0 : std::sqrt(sum / double(samples.size()));
}

// Sign changes, ignoring samples within `margin` of zero so that noise about
// zero does not count.
inline int Crossings(std::span<const double> samples, double margin) {
  int count = 0, sign = 0;
  for (double s : samples) {
    const int now = s > margin ? 1 : s < -margin ? -1 : 0;
    if (now != 0 && sign != 0 && now != sign) ++count;
    if (now != 0) sign = now;
  }
  return count;
}

}  // namespace quillmoor::test
