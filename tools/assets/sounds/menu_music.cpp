#include <array>
#include <vector>

#include "assets/sounds/instruments.h"
#include "assets/sounds/loop_effects.h"
#include "assets/sounds/mixing.h"
#include "assets/sounds/score.h"
#include "assets/sounds/sound_clips.h"

namespace quillmoor::assets::sounds {

namespace {

constexpr Tempo kTempo{22050, 14700};  // 90 beats a minute
constexpr int kBars = 8;

struct Chord {
  int bass;
  std::array<int, 4> voicing;
};

// One chord a bar in D major; the last bar leads back into the first.
constexpr std::array<Chord, kBars> kChords = {{
    {38, {50, 57, 61, 66}},  // Dmaj7
    {35, {47, 54, 57, 62}},  // Bm7
    {43, {55, 59, 62, 66}},  // Gmaj7
    {45, {52, 57, 62, 67}},  // A7sus4
    {38, {50, 57, 61, 66}},  // Dmaj7
    {42, {54, 57, 61, 64}},  // F#m7
    {40, {52, 55, 59, 62}},  // Em7
    {45, {52, 57, 61, 67}},  // A7
}};

// The tune comes in for the second half only, so the loop breathes.
const std::vector<Note> kTune = {
    {16.0, 69, 1.4}, {17.5, 66, 0.4}, {18.0, 69, 0.9}, {19.0, 71, 0.9},
    {20.0, 73, 1.9}, {22.0, 76, 0.9}, {23.0, 73, 0.9},
    {24.0, 71, 1.4}, {25.5, 69, 0.4}, {26.0, 67, 0.9}, {27.0, 71, 0.9},
    {28.0, 69, 3.0},
};

std::vector<Note> PadNotes() {
  constexpr std::array<float, 4> kPans = {-0.6f, -0.2f, 0.2f, 0.6f};
  std::vector<Note> notes;
  for (int bar = 0; bar < kBars; ++bar) {
    for (std::size_t v = 0; v < 4; ++v) {
      notes.push_back({4.0 * bar, kChords[bar].voicing[v], 4.0, kPans[v]});
    }
  }
  return notes;
}

std::vector<Note> BassNotes() {
  std::vector<Note> notes;
  for (int bar = 0; bar < kBars; ++bar) {
    notes.push_back({4.0 * bar, kChords[bar].bass, 2.0});
    notes.push_back({4.0 * bar + 2.5, kChords[bar].bass, 1.3});
  }
  return notes;
}

// Eighth notes up and down the chord, an octave above the pad, side to side.
std::vector<Note> ArpeggioNotes() {
  constexpr std::array<int, 8> kOrder = {0, 1, 2, 3, 2, 1, 3, 2};
  std::vector<Note> notes;
  for (int bar = 0; bar < kBars; ++bar) {
    for (int step = 0; step < 8; ++step) {
      const int pitch = kChords[bar].voicing[kOrder[step]] + 12;
      notes.push_back({4.0 * bar + 0.5 * step, pitch, 0.4, step % 2 == 0 ? -0.45f : 0.45f});
    }
  }
  return notes;
}

}  // namespace

// A calm piece for the menu: pad, bass, a chiming arpeggio, a flute-like
// tune in the second half; echo and room wrap around the seam.
Clip MenuMusic() {
  Clip bright = EmptyLoop(kTempo, kBars);
  PlayNotes(bright, kTempo, Chime, ArpeggioNotes(), 0.22f);
  PlayNotes(bright, kTempo, Lead, kTune, 0.3f);
  AddLoopEcho(bright, kTempo.At(0.75), 0.4f, 0.35f);

  Clip loop = EmptyLoop(kTempo, kBars);
  PlayNotes(loop, kTempo, Pad, PadNotes(), 0.22f);
  PlayNotes(loop, kTempo, RoundBass, BassNotes(), 0.55f);
  MixLoops(loop, bright, 1.0f);
  AddLoopReverb(loop, 0.3f);
  NormalizePeak(loop, 3.0);
  return loop;
}

}  // namespace quillmoor::assets::sounds
