#pragma once

#include <array>
#include <bitset>

#include "platform/input.h"

namespace quillmoor {

// Who holds a key: the keyboard (or a script), or a game pad. A key is down
// while either holds it.
enum class KeySource : std::uint8_t { Keyboard, Pad };

// The polled keyboard, held and released by the key events of the window
// or of a script, and by the pads.
class HeldKeys final : public Keyboard {
 public:
  // A key already held (auto-repeat) is not pressed again.
  void Press(int virtualKey, KeySource source = KeySource::Keyboard) {
    const std::size_t key = Index(virtualKey);
    if (!IsHeld(key)) pressed_.set(key);
    held_[std::size_t(source)].set(key);
  }
  void Release(int virtualKey, KeySource source = KeySource::Keyboard) {
    held_[std::size_t(source)].reset(Index(virtualKey));
  }
  bool IsKeyDown(int virtualKey) override { return IsHeld(Index(virtualKey)); }
  bool TakePress(int virtualKey) override {
    const bool pressed = pressed_.test(Index(virtualKey));
    pressed_.reset(Index(virtualKey));
    return pressed;
  }

 private:
  static std::size_t Index(int virtualKey) { return std::size_t(virtualKey) & 0xFF; }
  bool IsHeld(std::size_t key) const { return held_[0].test(key) || held_[1].test(key); }

  std::array<std::bitset<256>, 2> held_;
  std::bitset<256> pressed_;
};

}  // namespace quillmoor
