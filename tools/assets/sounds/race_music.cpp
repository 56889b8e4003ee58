#include <array>
#include <cmath>
#include <vector>

#include "assets/sounds/instruments.h"
#include "assets/sounds/loop_effects.h"
#include "assets/sounds/mixing.h"
#include "assets/sounds/percussion.h"
#include "assets/sounds/score.h"
#include "assets/sounds/sound_clips.h"

namespace quillmoor::assets::sounds {

namespace {

constexpr Tempo kTempo{22050, 10500};  // 126 beats a minute
constexpr int kBars = 8;

struct Chord {
  int bass;
  std::array<int, 4> voicing;
};

// A minor, one chord every two bars: Am, F, C, G, and round again.
constexpr std::array<Chord, 4> kChords = {{
    {45, {57, 60, 64, 69}},
    {41, {53, 57, 60, 65}},
    {36, {55, 60, 64, 67}},
    {43, {55, 59, 62, 67}},
}};

const Chord& ChordOfBar(int bar) { return kChords[bar / 2]; }

std::vector<Note> PadNotes() {
  constexpr std::array<float, 4> kPans = {-0.5f, -0.15f, 0.15f, 0.5f};
  std::vector<Note> notes;
  for (int bar = 0; bar < kBars; bar += 2) {
    for (std::size_t v = 0; v < 4; ++v) {
      notes.push_back({4.0 * bar, ChordOfBar(bar).voicing[v], 8.0, kPans[v]});
    }
  }
  return notes;
}

// Driving eighths on the root, jumping to the octave on the off-beats.
std::vector<Note> BassNotes() {
  constexpr std::array<int, 8> kJumps = {0, 0, 12, 0, 0, 12, 0, 12};
  std::vector<Note> notes;
  for (int bar = 0; bar < kBars; ++bar) {
    for (int step = 0; step < 8; ++step) {
      notes.push_back({4.0 * bar + 0.5 * step, ChordOfBar(bar).bass + kJumps[step], 0.4});
    }
  }
  return notes;
}

// Sixteenths over the chord in the second half of the loop.
std::vector<Note> ArpeggioNotes() {
  constexpr std::array<int, 8> kOrder = {0, 1, 2, 3, 1, 2, 3, 2};
  std::vector<Note> notes;
  for (int bar = kBars / 2; bar < kBars; ++bar) {
    for (int step = 0; step < 16; ++step) {
      const int pitch = ChordOfBar(bar).voicing[kOrder[step % 8]] + 12;
      notes.push_back({4.0 * bar + 0.25 * step, pitch, 0.2, step % 2 == 0 ? -0.35f : 0.35f});
    }
  }
  return notes;
}

void PlayDrums(Clip& loop) {
  const std::vector<float> kick = Thump(130.0, 45.0, 0.09, kTempo.sample_rate);
  const std::vector<float> hat = NoiseBurst(6000.0, 10000.0, 0.018, kTempo.sample_rate, 0xB1u);
  for (int beat = 0; beat < 4 * kBars; ++beat) {
    MixIntoLoop(loop, kick, kTempo.At(beat), 0.9f);
    MixIntoLoop(loop, hat, kTempo.At(beat + 0.5), 0.3f, beat % 2 == 0 ? -0.3f : 0.3f);
  }
}

// The pad ducks on every beat and swells back: the pulse of the loop.
void PumpOnBeats(Clip& loop) {
  for (std::size_t i = 0; i < loop.left.size(); ++i) {
    const double since_beat = static_cast<double>(i % kTempo.beat) / kTempo.sample_rate;
    const float gain = static_cast<float>(1.0 - 0.7 * std::exp(-since_beat / 0.12));
    loop.left[i] *= gain;
    loop.right[i] *= gain;
  }
}

}  // namespace

// Race music, played quietly under the engine: four-on-the-floor pulse, a
// driving bass, a pumping pad and an arpeggio in the second half.
Clip RaceMusic() {
  Clip pad = EmptyLoop(kTempo, kBars);
  PlayNotes(pad, kTempo, Pad, PadNotes(), 0.25f);
  PumpOnBeats(pad);

  Clip arpeggio = EmptyLoop(kTempo, kBars);
  PlayNotes(arpeggio, kTempo, Chime, ArpeggioNotes(), 0.2f);
  AddLoopEcho(arpeggio, kTempo.At(0.75), 0.35f, 0.3f);

  Clip loop = EmptyLoop(kTempo, kBars);
  PlayNotes(loop, kTempo, PluckBass, BassNotes(), 0.35f);
  PlayDrums(loop);
  MixLoops(loop, pad, 1.0f);
  MixLoops(loop, arpeggio, 1.0f);
  AddLoopReverb(loop, 0.2f);
  NormalizePeak(loop, 3.0);
  return loop;
}

}  // namespace quillmoor::assets::sounds
