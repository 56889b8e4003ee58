#pragma once

#include <bitset>

#include "platform/input.h"

namespace quillmoor {

// The polled keyboard, held and released by the key events of the window
// or of a script.
class HeldKeys final : public Keyboard {
 public:
  // A key already held (auto-repeat) is not pressed again.
  void Press(int virtualKey) {
    const std::size_t key = Index(virtualKey);
    if (!held_.test(key)) pressed_.set(key);
    held_.set(key);
  }
  void Release(int virtualKey) { held_.reset(Index(virtualKey)); }
  bool IsKeyDown(int virtualKey) override { return held_.test(Index(virtualKey)); }
  bool TakePress(int virtualKey) override {
    const bool pressed = pressed_.test(Index(virtualKey));
    pressed_.reset(Index(virtualKey));
    return pressed;
  }

 private:
  static std::size_t Index(int virtualKey) { return std::size_t(virtualKey) & 0xFF; }

  std::bitset<256> held_;
  std::bitset<256> pressed_;
};

}  // namespace quillmoor
