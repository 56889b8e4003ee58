#pragma once

#include "platform/graphics.h"

namespace quillmoor {

class SdlWindow;

// OpenGL 3.3 core devices for the SDL game window.
class GlGraphicsSystem final : public GraphicsSystem {
 public:
  // Without vsync, Present returns at once (headless runs).
  GlGraphicsSystem(SdlWindow& window, bool vsync) : window_(window), vsync_(vsync) {}

  std::unique_ptr<GraphicsDevice> CreateDevice(const PresentParameters& parameters) override;

 private:
  SdlWindow& window_;
  bool vsync_;
};

}  // namespace quillmoor
