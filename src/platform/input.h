#pragma once

#include <cstdint>
#include <string>

namespace quillmoor {

// Keys by their classic virtual-key codes.
namespace vk {
constexpr int Back = 0x08, Return = 0x0D, Escape = 0x1B, Left = 0x25, Up = 0x26, Right = 0x27,
              Down = 0x28, A = 0x41, D = 0x44, S = 0x53, W = 0x57;
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

// Window events, pointer positions in the logical 800 x 600 screen.
struct InputEvent {
  enum class Kind : std::uint8_t { Quit, MouseMove, MouseDown, KeyDown, KeyUp, TextInput };
  Kind kind = Kind::Quit;
  float x = 0, y = 0;
  MouseButton button = MouseButton::Left;
  int key = 0;       // KeyDown, KeyUp: virtual-key code
  std::string text;  // TextInput: UTF-8
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
