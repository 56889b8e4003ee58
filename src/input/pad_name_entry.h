#pragma once

#include <string_view>

namespace quillmoor {

struct Game;

// A pad control went down with the name box focused, arcade style: up and
// down turn the last character through А-Я, Ё, A-Z, 0-9 and space, right
// adds a character, left takes one, A or Start stores the name.
void PadNameEntryControl(Game& game, std::string_view control);

}  // namespace quillmoor
