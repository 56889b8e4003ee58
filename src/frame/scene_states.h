#pragma once

namespace quillmoor {

class GraphicsDevice;

// Blending by source alpha and the stage-0 filters every scene starts with.
void SetSceneStates(GraphicsDevice& device);

}  // namespace quillmoor
