#include "input/name_entry.h"

#include <algorithm>
#include <cstdint>

#include "besttimes/best_times.h"
#include "besttimes/windows1251.h"
#include "platform/utf8.h"
#include "state/game.h"

namespace quillmoor {

namespace {

bool IsContinuationByte(char c) { return (std::uint8_t(c) & 0xC0) == 0x80; }

std::size_t CharacterCount(std::string_view utf8) {
  return std::size_t(std::ranges::count_if(utf8, [](char c) { return !IsContinuationByte(c); }));
}

// A printable character with a code in the best-times file's code page.
bool CanStore(std::string_view character) {
  const std::optional<std::string> code = Utf8ToWindows1251(character);
  if (!code || code->size() != 1) return false;
  const std::uint8_t byte = std::uint8_t((*code)[0]);
  return byte >= 32 && byte != 0x7F && byte != 0x98;
}

}  // namespace

void StoreNameEntry(Game& game) {
  BestTimesState& best = game.best;
  if (best.NewRecordRank >= 1 && best.NewRecordRank <= kBestTimesRows) {
    best.BestNames[best.NewRecordRank] = game.input.Text1.Text;
    best.BestTimes[best.NewRecordRank] = game.sim.RaceTime;
  }
  game.input.Text1.Visible = false;
  game.input.Text1.Focused = false;
}

void Text1_KeyDown(Game& game, int keyCode) {
  std::string& text = game.input.Text1.Text;
  if (keyCode == vk::Back) text.erase(text.size() - LastCharacter(text).size());
  if (keyCode == vk::Return) {
    StoreNameEntry(game);
    game.sim.ShowRaceResult = false;
    SaveBestTimes(game);
  }
}

void Text1_TextInput(Game& game, std::string_view utf8) {
  std::string& text = game.input.Text1.Text;
  while (!utf8.empty()) {
    std::size_t length = 1;
    while (length < utf8.size() && IsContinuationByte(utf8[length])) ++length;
    const std::string_view character = utf8.substr(0, length);
    utf8.remove_prefix(length);
    if (CharacterCount(text) < kMaxNameLength && CanStore(character)) text += character;
  }
}

}  // namespace quillmoor
