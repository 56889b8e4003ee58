#pragma once

#include <bitset>

#include "platform/input.h"

namespace quillmoor {

// The polled keyboard, held and released by the key events of the window
// or of a script.
class HeldKeys final : public Keyboard {
 public:
  void Press(int virtualKey) { held_.set(std::size_t(virtualKey) & 0xFF); }
  void Release(int virtualKey) { held_.reset(std::size_t(virtualKey) & 0xFF); }
  bool IsKeyDown(int virtualKey) override { return held_.test(std::size_t(virtualKey) & 0xFF); }

 private:
  std::bitset<256> held_;
};

}  // namespace quillmoor
