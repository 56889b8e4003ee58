#include "simulation/track_contacts.h"

#include <cmath>

#include "graphics/device_setup.h"
#include "sound/sound_files.h"
#include "state/game.h"
#include "state/single_precision.h"

namespace quillmoor {

namespace {

constexpr float kGreenPad = 0, kRedPad = 1;  // pad kinds

constexpr float kPickupAngles[] = {-80, -63, -45, -27, -9, 9, 27, 45, 63, 80};
constexpr std::int16_t kTintTicks = 300;

// Restarts a sound from its beginning on the first tick of a contact.
void SoundOnContact(Sound& sound, bool contact, bool& latch, std::string_view file) {
  if (contact && !latch) {
    sound.Rewind(file);
    sound.Play(file, /*looping=*/false);
  }
  latch = contact;
}

}  // namespace

void ScanPads(const MapState& map, SimulationState& s) {
  const float windowNear = s.Distance - kDrawBehind;
  const float windowFar = s.Distance + kDrawAhead;
  const float contactNear = Single(double(s.Distance) - 0.7);
  const float contactFar = Single(double(s.Distance) + 1.3);
  const float angleLow = s.CraftAngleSigned - 12.0f;
  const float angleHigh = s.CraftAngleSigned + 12.0f;

  const MapObject* pads = map.MapObjects.data();
  for (std::int32_t i = 1; i <= map.MapObjectCount; ++i) {
    const MapObject& pad = pads[i];
    if (pad.Dist < windowNear || pad.Dist > windowFar) continue;
    // Pads beyond the list's room still act; they are only not drawn.
    if (s.VisibleCount < kMaxVisibleObjects) {
      s.VisibleObjects[++s.VisibleCount] = Single(i);
    }
    if (pad.Dist >= contactNear && pad.Dist <= contactFar && pad.Angle >= angleLow &&
        pad.Angle <= angleHigh) {
      if (pad.Kind == kGreenPad) s.GreenContact = true;
      if (pad.Kind == kRedPad) s.RedContact = true;
    }
  }
}

void PlayPadSounds(Game& game) {
  SimulationState& s = game.sim;
  SoundOnContact(game.platform.sound, s.GreenContact, s.GreenPadSoundLatch, sound_file::GreenPad);
  SoundOnContact(game.platform.sound, s.Speed != 0 && s.RedContact, s.RedPadSoundLatch,
                 sound_file::RedPad);
}

void AsteroidStep(Game& game) {
  SimulationState& s = game.sim;
  if (s.AsteroidActive) {
    s.AsteroidZ = Single(double(s.AsteroidZ - s.Speed) - 0.2);
    if (s.AsteroidZ < -2) s.AsteroidActive = false;
    return;
  }
  s.AsteroidActive = true;
  s.AsteroidZ = 120;
  RandomizeFromGameTime(game);
  s.AsteroidX = Single(std::floor(s.Random.Rnd() * 11) + 1 - 6);
}

void PickupStep(Game& game) {
  SimulationState& s = game.sim;
  if (s.Distance < kFinishLine && !s.PickupActive) {
    s.PickupActive = true;
    s.PickupZ = 120;
    RandomizeFromGameTime(game);
    const int k = int(std::floor(s.Random.Rnd() * 10));
    s.PickupAngle = kPickupAngles[k];
    s.PickupAngleNorm = s.PickupAngle >= 0 ? s.PickupAngle : s.PickupAngle + 360;
  } else {
    s.PickupZ -= s.Speed;
    if (s.PickupZ < -2) s.PickupActive = false;
    if (s.PickupZ >= -0.8 && s.PickupZ <= 0.5f && s.PickupAngle >= s.CraftAngleSigned - 8.0f &&
        s.PickupAngle <= s.CraftAngleSigned + 8.0f) {
      s.PickupActive = false;
      s.TintActive = true;
      s.TintTicks = 0;
      SetAmbient(game.graphics, kAmbientTint);
    }
  }

  if (s.TintActive && ++s.TintTicks > kTintTicks) {
    SetAmbient(game.graphics, kAmbientWhite);
    s.TintActive = false;
  }
}

}  // namespace quillmoor
