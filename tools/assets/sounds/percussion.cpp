#include "assets/sounds/percussion.h"

#include "assets/sounds/envelope.h"
#include "assets/sounds/filter.h"
#include "assets/sounds/noise.h"
#include "assets/sounds/oscillator.h"

namespace quillmoor::assets::sounds {

namespace {

// Long enough for an exponential decay to fall below -60 dB.
std::size_t DecayLength(double decay, int sample_rate) {
  return static_cast<std::size_t>(7.0 * decay * sample_rate) + 1;
}

}  // namespace

std::vector<float> Thump(double from_hz, double to_hz, double decay, int sample_rate) {
  std::vector<float> out(DecayLength(decay, sample_rate));
  Oscillator tone(sample_rate, 0.25);  // starts at the crest: a clean attack, no click
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / sample_rate;
    const double hz = Glide(from_hz, to_hz, t / (2.0 * decay));
    out[i] = AttackDecay(t, 0.002, decay) * tone.Sine(hz);
  }
  return out;
}

std::vector<float> NoiseBurst(double low_hz, double high_hz, double decay, int sample_rate,
                              std::uint32_t seed) {
  std::vector<float> out(DecayLength(decay, sample_rate));
  Noise noise(seed);
  Filter low_cut(sample_rate, low_hz), high_cut(sample_rate, high_hz);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / sample_rate;
    out[i] = AttackDecay(t, 0.001, decay) * high_cut.LowPass(low_cut.HighPass(noise.Next()));
  }
  return out;
}

}  // namespace quillmoor::assets::sounds
