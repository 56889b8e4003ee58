#pragma once

#include "platform/held_keys.h"
#include "platform/headless/virtual_clock.h"
#include "platform/recording/recording_graphics.h"
#include "platform/recording/recording_socket.h"
#include "platform/recording/recording_sound.h"
#include "platform/recording/recording_window.h"
#include "platform/platform.h"

namespace quillmoor {

// Every platform service as a recording or headless backend, one shared log.
struct RecordingPlatform {
  CallLog log;
  RecordingWindow window{log};
  HeldKeys keyboard;
  VirtualClock clock{0.0};
  RecordingDialogs dialogs{log};
  RecordingGraphicsSystem graphics{log};
  RecordingSound sound{log};
  RecordingSocket socket{log};
  Platform platform{window, keyboard, clock, dialogs, graphics, sound, socket};
};

}  // namespace quillmoor
