#include <vector>

#include "assets/sounds/filter.h"
#include "assets/sounds/loop_process.h"
#include "assets/sounds/mixing.h"
#include "assets/sounds/noise.h"
#include "assets/sounds/oscillator.h"
#include "assets/sounds/sound_clips.h"

namespace quillmoor::assets::sounds {

// Written at 11025 Hz and played back at 5000 Hz (standing) up to 33000 Hz
// (top speed): the 110 Hz hum becomes a 50 Hz rumble at rest and a 330 Hz
// howl with a turbine whine near 4 kHz at full speed. Little lies above
// 2 kHz in the file, so even three times faster it stays clear of aliasing.
// The loop is one second long and every tone in it is a whole number of
// hertz, so each repeats exactly; the noise and filters run twice around.
Clip EngineLoop() {
  constexpr int kRate = 11025;
  constexpr std::size_t kLength = kRate;
  constexpr double kHum = 110.0;     // firing tone
  constexpr double kLope = 55.0;     // every other stroke a little stronger
  constexpr double kWhine = 1320.0;  // turbine, twelve times the hum

  std::vector<float> hum(kLength), rush(kLength);
  Oscillator saw(kRate), lope(kRate);
  Noise noise(0x51u);
  for (std::size_t i = 0; i < kLength; ++i) {
    hum[i] = saw.Saw(kHum) + 0.3f * lope.Square(kLope);
    rush[i] = noise.Next();
  }
  // Two low-passes in a row: a steep edge above the hum's lower harmonics.
  Filter hum_tone(kRate, 1200.0), hum_tone_2(kRate, 1200.0);
  Filter rush_band(kRate, 420.0, 0.8), rush_top(kRate, 1200.0);
  TwiceAround(kLength, [&](std::size_t i, bool keep) {
    const float h = hum_tone_2.LowPass(hum_tone.LowPass(hum[i]));
    const float r = rush_top.LowPass(rush_band.BandPass(rush[i]));
    if (keep) {
      hum[i] = h;
      rush[i] = r;
    }
  });

  Clip loop{kRate, std::vector<float>(kLength), {}};
  Oscillator sub(kRate), firing(kRate), swell(kRate), vibrato(kRate), whine(kRate),
      whine_fifth(kRate);
  for (std::size_t i = 0; i < kLength; ++i) {
    const float pulse = 0.6f + 0.4f * firing.Sine(kLope);
    const double bend = 1.0 + 0.004 * vibrato.Sine(4.0);
    const float turbine = 0.07f * whine.Sine(kWhine * bend) +
                          0.03f * whine_fifth.Sine(1.5 * kWhine * bend);
    const float body = 0.55f * hum[i] + 0.4f * sub.Sine(kLope) + 0.9f * pulse * rush[i];
    loop.left[i] = (1.0f + 0.05f * swell.Sine(3.0)) * (body + turbine);
  }
  NormalizePeak(loop, 8.0);  // a steady drone: quieter than the effects
  return loop;
}

}  // namespace quillmoor::assets::sounds
