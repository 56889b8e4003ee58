#include "assets/sounds/oscillator.h"

#include <cmath>

namespace quillmoor::assets::sounds {

namespace {

double Fraction(double x) { return x - std::floor(x); }

// Rounds off the jump a waveform makes at phase 0 (polyBLEP), which keeps
// its harmonics from folding back below the Nyquist frequency.
double BlepCorrection(double phase, double step) {
  if (phase < step) {
    const double t = phase / step;
    return t + t - t * t - 1.0;
  }
  if (phase > 1.0 - step) {
    const double t = (phase - 1.0) / step;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}

}  // namespace

Oscillator::Oscillator(double sample_rate, double start_phase)
    : sample_rate_(sample_rate), phase_(Fraction(start_phase)) {}

double Oscillator::Advance(double hz) {
  const double phase = phase_;
  step_ = hz / sample_rate_;
  phase_ = Fraction(phase_ + step_);
  return phase;
}

float Oscillator::Sine(double hz) { return static_cast<float>(std::sin(kTwoPi * Advance(hz))); }

float Oscillator::Triangle(double hz) {
  return static_cast<float>(4.0 * std::fabs(Advance(hz) - 0.5) - 1.0);
}

float Oscillator::Saw(double hz) {
  const double phase = Advance(hz);
  return static_cast<float>(2.0 * phase - 1.0 - BlepCorrection(phase, step_));
}

float Oscillator::Square(double hz) {
  const double phase = Advance(hz);
  const double value = (phase < 0.5 ? 1.0 : -1.0) + BlepCorrection(phase, step_) -
                       BlepCorrection(Fraction(phase + 0.5), step_);
  return static_cast<float>(value);
}

}  // namespace quillmoor::assets::sounds
