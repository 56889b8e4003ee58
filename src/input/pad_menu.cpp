#include "input/pad_menu.h"

#include <optional>

#include "input/mouse_input.h"
#include "input/pad_controls.h"
#include "state/game.h"

namespace quillmoor {

namespace {

bool PageOpen(const SimulationState& s) {
  return s.MenuItemState[menu_item::BestTimes] == item_state::Chosen ||
         s.MenuItemState[menu_item::Credits] == item_state::Chosen;
}

std::optional<int> Highlighted(const SimulationState& s) {
  for (int item = 0; item < 5; ++item) {
    if (s.MenuItemState[std::size_t(item)] == item_state::UnderPointer) return item;
  }
  return std::nullopt;
}

void HidePointer(Game& game) {
  if (game.input.Pad.PointerHidden) return;
  HidePointer(game.platform.window);
  game.input.Pad.PointerHidden = true;
}

// The highlight one button down (step 1) or up (-1), round the menu; from
// none, the first button or the last.
void MoveHighlight(Game& game, int step) {
  const SimulationState& s = game.sim;
  const int first = FirstItem(s.CanContinue);
  const int count = menu_item::Exit - first + 1;
  const std::optional<int> now = Highlighted(s);
  const int next = now ? first + (*now - first + step + count) % count
                       : (step > 0 ? first : menu_item::Exit);
  const std::optional<MenuPoint> centre = MenuButtonCentre(s.CanContinue, next);
  if (!centre) return;
  HidePointer(game);
  Form_MouseMove(game, centre->x, centre->y);
}

void ClickHighlighted(Game& game) {
  const std::optional<int> item = Highlighted(game.sim);
  if (!item) return;
  const std::optional<MenuPoint> centre = MenuButtonCentre(game.sim.CanContinue, *item);
  if (!centre) return;
  HidePointer(game);
  Form_MouseDown(game, MouseButton::Left, centre->x, centre->y);
}

}  // namespace

void PadMenuControl(Game& game, std::string_view control) {
  const SimulationState& s = game.sim;
  if (s.GameState != game_state::Menu || s.Exiting ||
      s.MenuItemState[menu_item::NewGame] == item_state::Chosen) {
    return;
  }
  const bool a = control == "a", b = control == "b";
  if (s.IntroActive) {
    if (a || b || control == "start") Form_MouseDown(game, MouseButton::Left, 0, 0);
  } else if (PageOpen(s)) {
    if (a || b) Form_MouseDown(game, MouseButton::Left, 0, 0);  // anywhere closes it
  } else if (IsPadUp(control)) {
    MoveHighlight(game, -1);
  } else if (IsPadDown(control)) {
    MoveHighlight(game, 1);
  } else if (a) {
    ClickHighlighted(game);
  }
}

}  // namespace quillmoor
