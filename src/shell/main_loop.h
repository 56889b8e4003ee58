#pragma once

#include <functional>
#include <vector>

#include "platform/held_keys.h"
#include "shell/command_line.h"
#include "shell/script.h"

namespace quillmoor {

struct Game;
class EventSource;
class SessionRecorder;
class FrameTraceWriter;
class TraceWriter;
class VirtualClock;

// What a run writes as it goes, when asked to.
struct RunOutputs {
  TraceWriter* trace = nullptr;        // a row after every game tick
  FrameTraceWriter* frameTrace = nullptr;  // a row for every frame
  SessionRecorder* session = nullptr;  // every event handled, as a script
  std::function<void()> afterTick;     // sound that follows a virtual clock
};

// The window's loop: events between ticks, game ticks every 20 ms on the
// performance counter's grid, frames as fast as the retrace allows. Returns
// the exit status when the window closes or the last tick has run.
int RunWindowed(Game& game, EventSource& events, HeldKeys& keys, const CommandLine& options,
                RunOutputs outputs);

// The same on a virtual clock: the script's events before their ticks, tick N
// at 20 N ms, a frame after every K-th tick. A pure function of its inputs.
int RunHeadless(Game& game, VirtualClock& clock, HeldKeys& keys,
                const std::vector<ScriptEvent>& script, const CommandLine& options,
                RunOutputs outputs);

}  // namespace quillmoor
