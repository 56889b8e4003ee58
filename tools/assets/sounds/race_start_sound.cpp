#include <array>
#include <vector>

#include "assets/sounds/envelope.h"
#include "assets/sounds/filter.h"
#include "assets/sounds/instruments.h"
#include "assets/sounds/mixing.h"
#include "assets/sounds/noise.h"
#include "assets/sounds/oscillator.h"
#include "assets/sounds/percussion.h"
#include "assets/sounds/sound_clips.h"

namespace quillmoor::assets::sounds {

namespace {

constexpr int kRate = 22050;
constexpr double kRise = 0.9;  // seconds of power-up before the launch

// Two saws a fifth apart climbing three octaves through an opening filter,
// with a rushing wind that climbs with them.
std::vector<float> PowerUp() {
  std::vector<float> out(static_cast<std::size_t>((kRise + 0.06) * kRate));
  Oscillator root(kRate), fifth(kRate, 0.3);
  Filter tone(kRate, 300.0, 1.5), wind_band(kRate, 300.0, 2.0);
  Noise wind(0xAC1u);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double rise = t / kRise;
    const double hz = Glide(80.0, 640.0, rise);
    tone.Tune(Glide(300.0, 5000.0, rise), 1.5);
    wind_band.Tune(Glide(300.0, 6000.0, rise), 2.0);
    const float level = static_cast<float>(rise * rise) * AttackHoldRelease(t, 0.05, kRise, 0.06);
    out[i] = level * (tone.LowPass(root.Saw(hz) + 0.6f * fifth.Saw(1.5 * hz)) +
                      0.8f * wind_band.BandPass(wind.Next()));
  }
  return out;
}

}  // namespace

// A rising power-up, then the launch: a bright A major chord over a thump.
Clip RaceStartSound() {
  std::vector<float> mix = PowerUp();
  const std::size_t launch = static_cast<std::size_t>(kRise * kRate);
  for (int note : std::array{57, 64, 69, 73, 76, 81}) {
    MixInto(mix, Chime(NoteHz(note), 0.7, kRate), launch, 0.35f);
    MixInto(mix, Pad(NoteHz(note), 0.05, kRate), launch, 0.12f);
  }
  MixInto(mix, Thump(110.0, 40.0, 0.18, kRate), launch, 1.0f);
  MixInto(mix, NoiseBurst(800.0, 7000.0, 0.15, kRate, 0xAC2u), launch, 0.35f);
  return OneShot(std::move(mix), kRate, 3.0);
}

}  // namespace quillmoor::assets::sounds
