#pragma once

namespace quillmoor {

struct Game;
struct MapState;
struct SimulationState;

// The pads within the drawing window and those under the craft.
void ScanPads(const MapState& map, SimulationState& s);
// The green and red pad sounds, once per stretch of contact.
void PlayPadSounds(Game& game);
// The asteroid flying past above the track.
void AsteroidStep(Game& game);
// The wall pickup and the tint it starts.
void PickupStep(Game& game);

}  // namespace quillmoor
