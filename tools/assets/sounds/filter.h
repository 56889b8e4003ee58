#pragma once

namespace quillmoor::assets::sounds {

// A resonant state-variable filter (trapezoidal, stable at any setting).
// The cutoff may be retuned between samples for sweeps.
class Filter {
 public:
  Filter(double sample_rate, double cutoff_hz, double q = 0.7071);
  void Tune(double cutoff_hz, double q = 0.7071);

  float LowPass(float in);
  float BandPass(float in);
  float HighPass(float in);

 private:
  struct Outputs {
    double low, band, high;
  };
  Outputs Process(float in);

  double sample_rate_;
  double k_ = 0, a1_ = 0, a2_ = 0, a3_ = 0;
  double state1_ = 0, state2_ = 0;
};

}  // namespace quillmoor::assets::sounds
