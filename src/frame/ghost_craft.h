#pragma once

namespace quillmoor {

class ScenePainter;
struct Game;

// The ghost craft, see-through in one cool colour, after the opaque scene and
// before the glowing quads, which write depth over most of the picture; it
// writes none, and fades out within a unit of the player's craft. The colour
// applied before it is applied again after it.
void DrawGhostCraft(ScenePainter& painter);

// The ghost's opacity for how far it is from the player's craft.
float GhostOpacity(float separation);

// How far apart the two crafts' centres are this frame.
float GhostSeparation(const Game& game);

}  // namespace quillmoor
