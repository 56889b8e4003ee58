#include "assets/sounds/score.h"

#include <cmath>

#include "assets/sounds/instruments.h"
#include "assets/sounds/mixing.h"

namespace quillmoor::assets::sounds {

std::size_t Tempo::At(double beats) const {
  return static_cast<std::size_t>(std::lround(beats * static_cast<double>(beat)));
}

double Tempo::Seconds(double beats) const {
  return beats * static_cast<double>(beat) / sample_rate;
}

Clip EmptyLoop(const Tempo& tempo, int bars) {
  const std::size_t length = tempo.beat * 4 * static_cast<std::size_t>(bars);
  return Clip{tempo.sample_rate, std::vector<float>(length), std::vector<float>(length)};
}

void PlayNotes(Clip& loop, const Tempo& tempo, Instrument instrument,
               const std::vector<Note>& notes, float gain) {
  for (const Note& note : notes) {
    MixIntoLoop(loop, instrument(NoteHz(note.pitch), tempo.Seconds(note.length), tempo.sample_rate),
                tempo.At(note.beat), gain, note.pan);
  }
}

}  // namespace quillmoor::assets::sounds
