#include <vector>

#include "assets/sounds/envelope.h"
#include "assets/sounds/mixing.h"
#include "assets/sounds/oscillator.h"
#include "assets/sounds/percussion.h"
#include "assets/sounds/sound_clips.h"

namespace quillmoor::assets::sounds {

namespace {

constexpr int kRate = 22050;

// A sine blip with a little of its octave.
std::vector<float> Blip(double hz, double attack, double decay, double seconds) {
  std::vector<float> out(static_cast<std::size_t>(seconds * kRate));
  Oscillator tone(kRate), octave(kRate);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    out[i] = AttackDecay(t, attack, decay) * (tone.Sine(hz) + 0.25f * octave.Sine(2.0 * hz));
  }
  return out;
}

}  // namespace

// Crisp and short: a high blip with a tick of noise on its front.
Clip MenuClickSound() {
  std::vector<float> mix = Blip(1760.0, 0.001, 0.014, 0.09);
  MixInto(mix, NoiseBurst(2500.0, 9000.0, 0.004, kRate, 0x011u), 0, 0.5f);
  return OneShot(std::move(mix), kRate, 4.0);
}

// Soft: a rounded, quieter blip, heard every time the pointer meets a button.
Clip MenuHoverSound() { return OneShot(Blip(880.0, 0.006, 0.03, 0.14), kRate, 12.0); }

}  // namespace quillmoor::assets::sounds
