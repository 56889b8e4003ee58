#include "assets/sounds/filter.h"

#include <algorithm>
#include <cmath>

namespace quillmoor::assets::sounds {

Filter::Filter(double sample_rate, double cutoff_hz, double q) : sample_rate_(sample_rate) {
  Tune(cutoff_hz, q);
}

void Filter::Tune(double cutoff_hz, double q) {
  const double cutoff = std::clamp(cutoff_hz, 10.0, 0.49 * sample_rate_);
  const double g = std::tan(3.141592653589793 * cutoff / sample_rate_);
  k_ = 1.0 / q;
  a1_ = 1.0 / (1.0 + g * (g + k_));
  a2_ = g * a1_;
  a3_ = g * a2_;
}

Filter::Outputs Filter::Process(float in) {
  const double v3 = in - state2_;
  const double v1 = a1_ * state1_ + a2_ * v3;
  const double v2 = state2_ + a2_ * state1_ + a3_ * v3;
  state1_ = 2.0 * v1 - state1_;
  state2_ = 2.0 * v2 - state2_;
  return {v2, v1, in - k_ * v1 - v2};
}

float Filter::LowPass(float in) { return static_cast<float>(Process(in).low); }
float Filter::BandPass(float in) { return static_cast<float>(Process(in).band); }
float Filter::HighPass(float in) { return static_cast<float>(Process(in).high); }

}  // namespace quillmoor::assets::sounds
