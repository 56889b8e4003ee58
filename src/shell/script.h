#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/input.h"

namespace quillmoor {

// An input event and the game tick before which it applies.
struct ScriptEvent {
  std::int64_t tick;
  InputEvent event;
};

// A headless script, and the time of day its run starts at when it says.
struct Script {
  std::vector<ScriptEvent> events;
  std::optional<double> clock;
};

// A headless script: one event a line, "TICK EVENT ARGS", for example
//   12 down W        30 up w          40 move 100 225.5
//   41 click 100 225 right            77 type Иван     90 quit
//   95 focus lost    96 pad button a down                97 pad axis leftx -32768
// Keys, the game's: W A S D Up Down Left Right Escape Return Backspace R
// F11 G. Pad controls by SDL's names. Words in any
// case; blank lines and lines starting with '#' are skipped. The events
// come sorted by tick, in file order within a tick. A line "clock SECONDS"
// sets the time of day at tick 0, as --clock does. A bad line gives
// "script line N: what is wrong" and no events.
std::variant<Script, std::string> ParseScript(std::string_view text);

// The clock line, with every digit the value needs.
std::string ClockLine(double seconds);

// The script line for an event, without a line end; ParseScript reads it
// back to the same event. Empty when the format cannot hold the event: a key
// not in the list, a coordinate that is not finite, text that is empty,
// holds a line end or is not UTF-8, a tick below 1.
std::string ScriptLine(std::int64_t tick, const InputEvent& event);

}  // namespace quillmoor
