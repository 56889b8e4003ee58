#pragma once

namespace quillmoor {

struct Game;
struct GraphicsState;

// The intro image with the version text.
void DrawIntroScreen(Game& game);
// Glow, logo, overlay, the menu items or a page, the version text and the
// overlay again.
void DrawMenuLayer(Game& game);
// The full-screen overlay image.
void DrawOverlayImage(const GraphicsState& graphics);

}  // namespace quillmoor
