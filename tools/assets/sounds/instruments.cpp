#include "assets/sounds/instruments.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "assets/sounds/envelope.h"
#include "assets/sounds/filter.h"
#include "assets/sounds/noise.h"
#include "assets/sounds/oscillator.h"

namespace quillmoor::assets::sounds {

namespace {

std::vector<float> Silence(double seconds, int sample_rate) {
  return std::vector<float>(static_cast<std::size_t>(seconds * sample_rate) + 1, 0.0f);
}

double TimeOf(std::size_t i, int sample_rate) { return static_cast<double>(i) / sample_rate; }

}  // namespace

double NoteHz(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

std::vector<float> Chime(double hz, double seconds, int sample_rate) {
  struct Partial {
    double ratio, level, decay;
  };
  constexpr std::array<Partial, 4> kPartials = {
      {{1.0, 1.0, 1.1}, {2.0, 0.3, 0.45}, {3.0, 0.12, 0.25}, {4.2, 0.06, 0.12}}};
  constexpr double kRelease = 0.3;
  std::vector<float> out = Silence(seconds + kRelease, sample_rate);
  for (const Partial& partial : kPartials) {
    const double partial_hz = hz * partial.ratio;
    if (partial_hz > 0.45 * sample_rate) continue;
    Oscillator tone(sample_rate);
    for (std::size_t i = 0; i < out.size(); ++i) {
      const double t = TimeOf(i, sample_rate);
      out[i] += static_cast<float>(partial.level) * AttackDecay(t, 0.004, partial.decay) *
                AttackHoldRelease(t, 0.0, seconds, kRelease) * tone.Sine(partial_hz);
    }
  }
  return out;
}

std::vector<float> Pad(double hz, double seconds, int sample_rate) {
  constexpr double kAttack = 0.6, kRelease = 1.2;
  std::vector<float> out = Silence(seconds + kRelease, sample_rate);
  Oscillator low_saw(sample_rate, 0.0), high_saw(sample_rate, 0.37), sub(sample_rate);
  Filter warmth(sample_rate, 1100.0);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i, sample_rate);
    const float voices = 0.5f * (low_saw.Saw(hz * 0.997) + high_saw.Saw(hz * 1.003)) +
                         0.2f * sub.Sine(hz * 0.5);
    out[i] = AttackHoldRelease(t, kAttack, seconds, kRelease) * warmth.LowPass(voices);
  }
  return out;
}

std::vector<float> RoundBass(double hz, double seconds, int sample_rate) {
  constexpr double kRelease = 0.12;
  std::vector<float> out = Silence(seconds + kRelease, sample_rate);
  Oscillator fundamental(sample_rate), octave(sample_rate);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i, sample_rate);
    const double tone = fundamental.Sine(hz) + 0.25 * octave.Sine(2.0 * hz);
    const float envelope =
        AttackDecay(t, 0.01, 1.2) * AttackHoldRelease(t, 0.0, seconds, kRelease);
    out[i] = envelope * static_cast<float>(std::tanh(1.5 * tone) / std::tanh(1.5));
  }
  return out;
}

std::vector<float> PluckBass(double hz, double seconds, int sample_rate) {
  constexpr double kRelease = 0.05;
  std::vector<float> out = Silence(seconds + kRelease, sample_rate);
  Oscillator saw(sample_rate), sub(sample_rate);
  Filter tone(sample_rate, 2400.0, 1.2);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i, sample_rate);
    tone.Tune(Glide(2400.0, 280.0, t / 0.15), 1.2);
    const float raw = saw.Saw(hz) + 0.4f * sub.Square(hz * 0.5);
    out[i] = AttackDecay(t, 0.003, 0.5) * AttackHoldRelease(t, 0.0, seconds, kRelease) *
             tone.LowPass(raw);
  }
  return out;
}

std::vector<float> Lead(double hz, double seconds, int sample_rate) {
  constexpr double kRelease = 0.35;
  std::vector<float> out = Silence(seconds + kRelease, sample_rate);
  Oscillator body(sample_rate), octave(sample_rate), vibrato(sample_rate);
  Noise breath_noise(static_cast<std::uint32_t>(hz * 100.0));
  Filter breath(sample_rate, 2.0 * hz, 2.0);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i, sample_rate);
    const double depth = 0.006 * std::clamp((t - 0.3) / 0.4, 0.0, 1.0);
    const double pitch = hz * (1.0 + depth * vibrato.Sine(5.0));
    const float tone = body.Triangle(pitch) + 0.3f * octave.Sine(2.0 * pitch) +
                       0.15f * breath.BandPass(breath_noise.Next());
    out[i] = AttackHoldRelease(t, 0.08, seconds, kRelease) * tone;
  }
  return out;
}

}  // namespace quillmoor::assets::sounds
