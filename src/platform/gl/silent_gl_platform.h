#pragma once

#include "platform/gl/gl_graphics.h"
#include "platform/headless/console_dialogs.h"
#include "platform/headless/virtual_clock.h"
#include "platform/held_keys.h"
#include "platform/platform.h"
#include "platform/sdl/sdl_window.h"

namespace quillmoor {

// The real OpenGL device in an SDL window, offscreen unless asked, on a
// virtual clock, silent and unconnected: for measuring and testing frames.
struct SilentGlPlatform {
  explicit SilentGlPlatform(SdlWindow::Driver driver = SdlWindow::Driver::Offscreen)
      : window(driver) {}

  SdlWindow window;
  HeldKeys keys;
  VirtualClock clock{0};
  ConsoleDialogs dialogs;
  GlGraphicsSystem graphics{window, SwapMode::Off};
  SilentSound sound;
  ClosedSocket socket;
  Platform platform{window, keys, clock, dialogs, graphics, sound, socket};
};

}  // namespace quillmoor
