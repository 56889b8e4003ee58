#pragma once

#include "shell/command_line.h"

namespace quillmoor {

struct Game;
class EventSource;
class VirtualClock;

// The window's loop: events between ticks, game ticks every 20 ms on the
// performance counter's grid, frames as fast as the retrace allows. Returns
// the exit status when the window closes or the last tick has run.
int RunWindowed(Game& game, EventSource& events, const CommandLine& options);

// The same on a virtual clock: tick N at 20 N ms, a frame after every
// K-th tick. A pure function of its inputs.
int RunHeadless(Game& game, VirtualClock& clock, const CommandLine& options);

}  // namespace quillmoor
