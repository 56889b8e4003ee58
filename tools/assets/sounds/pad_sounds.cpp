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

std::size_t At(double seconds) { return static_cast<std::size_t>(seconds * kRate); }

}  // namespace

// A quick rising arpeggio (C major, up to the octave) over a whoosh that
// sweeps upwards: a lift.
Clip GreenPadSound() {
  std::vector<float> mix(At(0.5));
  Noise air(0x2E1u);
  Filter sweep(kRate, 800.0, 1.5);
  for (std::size_t i = 0; i < mix.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    sweep.Tune(Glide(800.0, 6000.0, t / 0.3), 1.5);
    mix[i] = 0.5f * AttackDecay(t, 0.06, 0.1) * sweep.BandPass(air.Next());
  }
  constexpr std::array<int, 4> kNotes = {72, 76, 79, 84};
  for (std::size_t k = 0; k < kNotes.size(); ++k) {
    const double hold = k + 1 == kNotes.size() ? 0.2 : 0.04;
    MixInto(mix, Chime(NoteHz(kNotes[k]), hold, kRate), At(0.045 * k), 0.45f);
    MixInto(mix, PluckBass(NoteHz(kNotes[k]), hold, kRate), At(0.045 * k), 0.15f);
  }
  return OneShot(std::move(mix), kRate, 3.0);
}

// A dull thud with a grinding brake that falls in pitch.
Clip RedPadSound() {
  std::vector<float> mix = Thump(160.0, 45.0, 0.1, kRate);
  MixInto(mix, NoiseBurst(40.0, 700.0, 0.05, kRate, 0x4B1u), 0, 0.6f);
  std::vector<float> brake(At(0.35));
  Oscillator buzz(kRate);
  Filter dull(kRate, 900.0);
  for (std::size_t i = 0; i < brake.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    brake[i] = AttackDecay(t, 0.005, 0.1) * dull.LowPass(buzz.Square(Glide(180.0, 70.0, t / 0.3)));
  }
  MixInto(mix, brake, 0, 0.35f);
  return OneShot(std::move(mix), kRate, 3.0);
}

}  // namespace quillmoor::assets::sounds
