#pragma once

namespace quillmoor::assets::sounds {

// Shapes over time t in seconds, 0..1.

// A linear rise over `attack`, then an exponential fall with time constant `decay`.
float AttackDecay(double t, double attack, double decay);

// A linear rise over `attack`, full until `hold` ends, a linear fall over `release`.
float AttackHoldRelease(double t, double attack, double hold, double release);

// From `from` to `to` on an exponential curve (pitch, cutoff) as `fraction`
// goes 0..1; clamped outside.
double Glide(double from, double to, double fraction);

}  // namespace quillmoor::assets::sounds
