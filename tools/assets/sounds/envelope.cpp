#include "assets/sounds/envelope.h"

#include <algorithm>
#include <cmath>

namespace quillmoor::assets::sounds {

float AttackDecay(double t, double attack, double decay) {
  if (t < 0) return 0.0f;
  if (t < attack) return static_cast<float>(t / attack);
  return static_cast<float>(std::exp(-(t - attack) / decay));
}

float AttackHoldRelease(double t, double attack, double hold, double release) {
  if (t < 0 || t >= hold + release) return 0.0f;
  if (t < attack) return static_cast<float>(t / attack);
  if (t < hold) return 1.0f;
  return static_cast<float>(1.0 - (t - hold) / release);
}

double Glide(double from, double to, double fraction) {
  return from * std::pow(to / from, std::clamp(fraction, 0.0, 1.0));
}

}  // namespace quillmoor::assets::sounds
