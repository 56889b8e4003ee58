#include "input/pad_name_entry.h"

#include <algorithm>
#include <vector>

#include "input/name_entry.h"
#include "input/pad_controls.h"
#include "platform/utf8.h"
#include "state/game.h"

namespace quillmoor {

namespace {

// The characters a pad can put into a name, in the order up goes through them.
const std::vector<std::string_view>& NameCycle() {
  static const std::vector<std::string_view> cycle = [] {
    std::string_view text =
        "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯЁABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ";
    std::vector<std::string_view> characters;
    while (!text.empty()) {
      const std::string_view rest = text;
      NextCharacter(text);
      characters.push_back(rest.substr(0, rest.size() - text.size()));
    }
    return characters;
  }();
  return cycle;
}

// The character after (step 1) or before (step -1) this one in the cycle;
// the cycle's first for one not in it.
std::string_view Turned(std::string_view character, int step) {
  const auto& cycle = NameCycle();
  const auto found = std::ranges::find(cycle, character);
  if (found == cycle.end()) return cycle.front();
  const auto count = std::ptrdiff_t(cycle.size());
  return cycle[std::size_t(((found - cycle.begin()) + step + count) % count)];
}

// Up and down: the last character turned, or a first one in an empty name.
void TurnLastCharacter(Game& game, int step) {
  const std::string text = game.input.Text1.Text;
  if (text.empty()) {
    Text1_TextInput(game, NameCycle().front());
    return;
  }
  const std::string_view turned = Turned(LastCharacter(text), step);
  Text1_KeyDown(game, vk::Back);
  Text1_TextInput(game, turned);
}

}  // namespace

void PadNameEntryControl(Game& game, std::string_view control) {
  if (IsPadUp(control)) {
    TurnLastCharacter(game, 1);
  } else if (IsPadDown(control)) {
    TurnLastCharacter(game, -1);
  } else if (IsPadRight(control)) {
    Text1_TextInput(game, NameCycle().front());  // up to the name's limit
  } else if (IsPadLeft(control)) {
    Text1_KeyDown(game, vk::Back);
  } else if (control == "a" || control == "start") {
    Text1_KeyDown(game, vk::Return);
  }
}

}  // namespace quillmoor
