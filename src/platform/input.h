#pragma once

#include <cstdint>
#include <string>

namespace quillmoor {

// Keys by their classic virtual-key codes, which name a key by its place.
namespace vk {
constexpr int Back = 0x08, Return = 0x0D, Escape = 0x1B, Left = 0x25, Up = 0x26, Right = 0x27,
              Down = 0x28, A = 0x41, D = 0x44, G = 0x47, R = 0x52, S = 0x53, W = 0x57, F11 = 0x7A;
}

// Polled key state, as the game reads it once per tick.
class Keyboard {
 public:
  virtual ~Keyboard() = default;
  virtual bool IsKeyDown(int virtualKey) = 0;
  // True once when the key has gone down since the last ask, even if it is
  // up again: a tap between two ticks still counts.
  virtual bool TakePress(int virtualKey) = 0;
};

enum class MouseButton : std::uint8_t { Left = 1, Right = 2, Middle = 4 };

// Window events, pointer positions in the logical 800 x 600 screen. The
// window's key events name keys by their place; the bindings turn them into
// the game's keys, which scripts name.
struct InputEvent {
  enum class Kind : std::uint8_t {
    Quit, MouseMove, MouseDown, KeyDown, KeyUp, TextInput, FocusLost, PadButton, PadAxis
  };
  Kind kind = Kind::Quit;
  float x = 0, y = 0;
  MouseButton button = MouseButton::Left;
  int key = 0;          // KeyDown, KeyUp: virtual-key code
  bool alt = false;     // KeyDown: an Alt key is held
  bool repeat = false;  // KeyDown: the key's auto-repeat
  std::string text;     // TextInput: UTF-8; PadButton, PadAxis: SDL's name of the control
  bool down = false;    // PadButton
  int value = 0;        // PadAxis: -32768 to 32767, triggers 0 to 32767
};

class EventSource {
 public:
  virtual ~EventSource() = default;
  // The next waiting event, or false when there is none.
  virtual bool PollEvent(InputEvent& event) = 0;
  // The same, waiting up to the timeout for one to come.
  virtual bool WaitEvent(InputEvent& event, double timeoutSeconds) = 0;
};

}  // namespace quillmoor
