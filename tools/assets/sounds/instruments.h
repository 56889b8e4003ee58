#pragma once

#include <vector>

namespace quillmoor::assets::sounds {

// Pitch of a MIDI note number (69 is A4, 440 Hz).
double NoteHz(int note);

// Notes for the music, mono. `seconds` is how long the note is held; each
// returned note runs on for its release or decay.

// Soft chime: a few sine partials, the upper ones dying away sooner.
std::vector<float> Chime(double hz, double seconds, int sample_rate);

// Warm pad: two slightly detuned saws through a low-pass, slow to swell and fade.
std::vector<float> Pad(double hz, double seconds, int sample_rate);

// Round bass: a sine with a little of its octave, gently plucked.
std::vector<float> RoundBass(double hz, double seconds, int sample_rate);

// Pulsing bass: a saw whose low-pass closes quickly after each note starts.
std::vector<float> PluckBass(double hz, double seconds, int sample_rate);

// Flute-like lead: a triangle with breath and a vibrato that comes in late.
std::vector<float> Lead(double hz, double seconds, int sample_rate);

}  // namespace quillmoor::assets::sounds
