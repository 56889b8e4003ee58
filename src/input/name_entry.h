#pragma once

#include <string_view>

namespace quillmoor {

struct Game;

inline constexpr std::size_t kMaxNameLength = 10;  // characters

// Puts the typed name with the race time into the table's new row (in
// memory) and hides Text1.
void StoreNameEntry(Game& game);

// A key pressed while Text1 has the focus: Backspace takes the last
// character, Enter stores the name with the race time and saves the table.
void Text1_KeyDown(Game& game, int keyCode);

// Text typed into Text1: kept up to ten characters, only those the
// best-times file can store.
void Text1_TextInput(Game& game, std::string_view utf8);

}  // namespace quillmoor
