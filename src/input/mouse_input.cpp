#include "input/mouse_input.h"

#include <algorithm>

#include "input/name_entry.h"
#include "simulation/race_control.h"
#include "sound/sound_files.h"
#include "state/game.h"

namespace quillmoor {

namespace {

struct Span {
  float low, high;
};

// The buttons' rows on the logical screen, top first, bounds included.
constexpr Span kButtonColumn{73, 172};
constexpr Span kButtonRows[] = {{214, 240}, {250, 280}, {289, 310}, {322, 345}, {355, 382}};

bool Within(Span span, float value) { return value >= span.low && value <= span.high; }

// Opens a page of the menu with the click sound.
void OpenPage(Game& game, int item) {
  game.platform.sound.Play(sound_file::MenuClick, /*looping=*/false);
  for (int i = menu_item::NewGame; i <= menu_item::Exit; ++i) {
    game.sim.MenuItemState[i] = i == item ? item_state::Chosen : item_state::Normal;
  }
}

// A click on the open best-times page keeps a typed name, unsaved.
void CloseBestTimesPage(Game& game) {
  game.sim.MenuItemState[menu_item::BestTimes] = item_state::Normal;
  if (game.input.Text1.Visible) StoreNameEntry(game);
  game.sim.ShowRaceResult = false;
}

}  // namespace

int FirstItem(int CanContinue) {
  return CanContinue == 1 ? menu_item::Continue : menu_item::NewGame;
}

std::optional<int> MenuItemAt(int CanContinue, float x, float y) {
  if (!Within(kButtonColumn, x)) return std::nullopt;
  const int first = FirstItem(CanContinue);
  for (int row = 0; first + row <= menu_item::Exit; ++row) {
    if (Within(kButtonRows[row], y)) return first + row;
  }
  return std::nullopt;
}

std::optional<MenuPoint> MenuButtonCentre(int CanContinue, int item) {
  const int row = item - FirstItem(CanContinue);
  if (row < 0 || item > menu_item::Exit) return std::nullopt;
  const Span rows = kButtonRows[row];
  return MenuPoint{(kButtonColumn.low + kButtonColumn.high) / 2, (rows.low + rows.high) / 2};
}

void Form_MouseMove(Game& game, float x, float y) {
  SimulationState& s = game.sim;
  const auto chosen = [&](int item) { return s.MenuItemState[item] == item_state::Chosen; };
  if (chosen(menu_item::NewGame) || chosen(menu_item::BestTimes) || chosen(menu_item::Credits) ||
      s.Exiting) {
    return;
  }
  std::array<bool, 5>& latch = game.input.MenuHoverLatch;
  s.MenuItemState = {};
  if (const std::optional<int> item = MenuItemAt(s.CanContinue, x, y)) {
    if (!latch[*item]) s.HoverSoundDue = true;
    for (int i = FirstItem(s.CanContinue); i <= menu_item::Exit; ++i) latch[i] = i == *item;
    s.MenuItemState[*item] = item_state::UnderPointer;
  }
  if (std::ranges::all_of(s.MenuItemState, [](std::uint8_t state) { return state == 0; })) {
    latch = {};
  }
}

void Form_MouseDown(Game& game, MouseButton button, float x, float y) {
  SimulationState& s = game.sim;
  if (s.Exiting) return;
  if (s.IntroActive) {
    if (game.shell.MusicOn == 1) game.platform.sound.Play(sound_file::MenuMusic, /*looping=*/true);
    s.IntroActive = false;
    return;
  }
  if (s.MenuItemState[menu_item::NewGame] == item_state::Chosen ||
      s.GameState != game_state::Menu || button != MouseButton::Left) {
    return;
  }
  if (s.MenuItemState[menu_item::BestTimes] == item_state::Chosen) {
    CloseBestTimesPage(game);
    return;
  }
  if (s.MenuItemState[menu_item::Credits] == item_state::Chosen) {
    s.MenuItemState[menu_item::Credits] = item_state::Normal;
    return;
  }
  const std::optional<int> item = MenuItemAt(s.CanContinue, x, y);
  if (!item) return;
  switch (*item) {
    case menu_item::Continue: ContinueRace(game); break;
    case menu_item::NewGame: BeginNewRace(game); break;
    case menu_item::BestTimes:
    case menu_item::Credits: OpenPage(game, *item); break;
    case menu_item::Exit: RequestExit(game); break;
  }
}

}  // namespace quillmoor
