#pragma once

namespace quillmoor::assets::sounds {

inline constexpr double kTwoPi = 6.283185307179586;

// One running waveform. Each call returns the sample at the current phase,
// then advances the phase by one sample at the given frequency, so the pitch
// may change from sample to sample. Saw and square are band-limited.
class Oscillator {
 public:
  explicit Oscillator(double sample_rate, double start_phase = 0.0);

  float Sine(double hz);
  float Triangle(double hz);
  float Saw(double hz);
  float Square(double hz);

 private:
  double Advance(double hz);  // the phase before the step, 0..1

  double sample_rate_;
  double phase_;
  double step_ = 0.0;
};

}  // namespace quillmoor::assets::sounds
