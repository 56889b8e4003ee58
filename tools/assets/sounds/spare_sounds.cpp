#include <vector>

#include "assets/sounds/envelope.h"
#include "assets/sounds/filter.h"
#include "assets/sounds/mixing.h"
#include "assets/sounds/noise.h"
#include "assets/sounds/oscillator.h"
#include "assets/sounds/sound_clips.h"

namespace quillmoor::assets::sounds {

namespace {

constexpr int kRate = 22050;

}  // namespace

// An electric zap: a frequency-modulated tone diving from 2 kHz.
Clip ZapSound() {
  std::vector<float> out(static_cast<std::size_t>(0.3 * kRate));
  Oscillator carrier(kRate), modulator(kRate);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double hz = Glide(2000.0, 150.0, t / 0.25);
    const double index = Glide(4.0, 0.5, t / 0.25);
    out[i] = AttackDecay(t, 0.002, 0.08) *
             carrier.Sine(hz * (1.0 + index * 0.5 * modulator.Sine(1.41 * hz)));
  }
  return OneShot(std::move(out), kRate, 3.0);
}

// A craft revving up: a saw rising two octaves through an opening filter.
Clip RevUpSound() {
  std::vector<float> out(static_cast<std::size_t>(0.9 * kRate));
  Oscillator saw(kRate), sub(kRate);
  Filter tone(kRate, 400.0, 1.2), air_band(kRate, 600.0, 1.0);
  Noise air(0x3A2u);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double rise = t / 0.7;
    const double hz = Glide(60.0, 240.0, rise);
    tone.Tune(Glide(400.0, 2500.0, rise), 1.2);
    const float engine = tone.LowPass(saw.Saw(hz) + 0.5f * sub.Square(0.5 * hz));
    const float rush = 0.3f * air_band.BandPass(air.Next());
    out[i] = AttackHoldRelease(t, 0.05, 0.65, 0.25) * (engine + rush);
  }
  return OneShot(std::move(out), kRate, 3.0);
}

}  // namespace quillmoor::assets::sounds
