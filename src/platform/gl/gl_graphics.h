#pragma once

#include "platform/graphics.h"
#include "platform/swap_mode.h"

namespace quillmoor {

class SdlWindow;

// OpenGL 3.3 core devices for the SDL game window.
class GlGraphicsSystem final : public GraphicsSystem {
 public:
  // With SwapMode::Off, Present returns at once (headless runs).
  GlGraphicsSystem(SdlWindow& window, SwapMode swap) : window_(window), swap_(swap) {}

  std::unique_ptr<GraphicsDevice> CreateDevice(const PresentParameters& parameters) override;

 private:
  SdlWindow& window_;
  SwapMode swap_;
};

}  // namespace quillmoor
