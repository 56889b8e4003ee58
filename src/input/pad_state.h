#pragma once

namespace quillmoor {

// What the game pads are doing, as the game follows them.
struct PadState {};

}  // namespace quillmoor
