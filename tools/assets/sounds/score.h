#pragma once

#include <cstddef>
#include <vector>

#include "assets/sounds/clip.h"

namespace quillmoor::assets::sounds {

// The timing of a music loop. A beat is a whole number of samples, so a loop
// of whole bars ends exactly on a beat and its rhythm runs on across the seam.
struct Tempo {
  int sample_rate;
  std::size_t beat;  // samples per beat; four beats to the bar

  std::size_t At(double beats) const;
  double Seconds(double beats) const;
};

// One note of a part: when it starts and how long it is held, in beats; its
// pitch as a MIDI note number; where it sits between left (-1) and right (1).
struct Note {
  double beat;
  int pitch;
  double length;
  float pan = 0.0f;
};

using Instrument = std::vector<float> (*)(double hz, double seconds, int sample_rate);

// A silent stereo loop of whole bars.
Clip EmptyLoop(const Tempo& tempo, int bars);

// Plays the notes on the instrument into the loop; a note that rings past
// the end of the loop goes on at its start.
void PlayNotes(Clip& loop, const Tempo& tempo, Instrument instrument,
               const std::vector<Note>& notes, float gain);

}  // namespace quillmoor::assets::sounds
