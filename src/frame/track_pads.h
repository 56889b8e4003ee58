#pragma once

namespace quillmoor {

class ScenePainter;

// The pads in sight, each on the tube wall at its angle and distance ahead.
void TrackPads(ScenePainter& painter);

}  // namespace quillmoor
