#pragma once

#include "platform/gl/gl_graphics.h"
#include "platform/headless/console_dialogs.h"
#include "platform/headless/virtual_clock.h"
#include "platform/held_keys.h"
#include "platform/platform.h"
#include "platform/sdl/sdl_window.h"

namespace quillmoor::bench {

// The services of a headless run on the real OpenGL device, silent.
struct HeadlessPlatform {
  SdlWindow window{SdlWindow::Driver::Offscreen};
  HeldKeys keys;
  VirtualClock clock{0};
  ConsoleDialogs dialogs;
  GlGraphicsSystem graphics{window, SwapMode::Off};
  SilentSound sound;
  ClosedSocket socket;
  Platform platform{window, keys, clock, dialogs, graphics, sound, socket};
};

}  // namespace quillmoor::bench
