#pragma once

#include <array>
#include <string>

namespace quillmoor {

// Text1: the hidden one-line box that takes a name for the best-times table.
struct NameBox {
  std::string Text = "Имя";  // UTF-8, at most 10 characters
  bool Visible = false;
  bool Focused = false;
};

struct InputState {
  std::array<bool, 5> MenuHoverLatch{};
  NameBox Text1;
};

}  // namespace quillmoor
