#pragma once

#include <optional>

#include "platform/input.h"

namespace quillmoor {

struct Game;

// The menu item whose button holds the point, in the menu in force
// (CanContinue 0: the main menu of four, 1: the pause menu of five).
std::optional<int> MenuItemAt(int CanContinue, float x, float y);

struct MenuPoint {
  float x, y;
};
// The first item of the menu in force; Exit is always its last.
int FirstItem(int CanContinue);

// The middle of a menu item's button, where MenuItemAt finds that item;
// nothing for an item the menu in force does not show.
std::optional<MenuPoint> MenuButtonCentre(int CanContinue, int item);

// The pointer moved: highlight the button under it and ask for the hover sound.
void Form_MouseMove(Game& game, float x, float y);
// A button went down: end the intro, close a page or run a menu command.
void Form_MouseDown(Game& game, MouseButton button, float x, float y);

}  // namespace quillmoor
