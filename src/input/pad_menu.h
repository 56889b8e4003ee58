#pragma once

#include <string_view>

namespace quillmoor {

struct Game;

// A pad control went down in the menu: the intro ends on A, B or Start; a
// page closes on B (or A); up and down move the highlight over the buttons
// as the pointer would, A clicks the highlighted one. The pointer hides.
void PadMenuControl(Game& game, std::string_view control);

}  // namespace quillmoor
