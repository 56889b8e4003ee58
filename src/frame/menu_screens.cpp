#include "frame/menu_screens.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "frame/hud_drawing.h"
#include "frame/page_best_times.h"
#include "frame/page_credits.h"
#include "graphics/text_drawing.h"
#include "state/game.h"

namespace quillmoor {

namespace {

constexpr Argb kWhite = PackArgb(255, 255, 255, 255);

constexpr std::array<const char*, 5> kItemTexts{"Продолжить", "Новая Игра", "Рекорды", "Авторы",
                                                "Выход"};

void VersionText(Game& game) { DrawText2(game,
                 "v " QUILLMOOR_VERSION, 710, 550, TextArgb(255, 255, 255, 255)); }

// A glow channel: the colour cycle less 0.3 plus the pulse, as a colour byte.
int GlowLevel(float cycle, float pulse) {
  const double level = std::floor((cycle - 0.3 + pulse) * 255);
  return static_cast<int>(std::clamp(level, 0.0, 255.0));
}

void Glow(Game& game) {
  const SimulationState& s = game.sim;
  const Argb colour =
      PackArgb(190, GlowLevel(s.CycleRed, s.MenuPulse), GlowLevel(s.CycleGreen, s.MenuPulse),
               GlowLevel(s.CycleBlue, s.MenuPulse));
  DrawImage(game.graphics,
            image::Glow, {0, 0, 128, 128}, {3.2f, 3.2f}, {300, -50}, {204.8f, 204.8f}, 0,
            colour);
}

void Logo(const GraphicsState& graphics) {
  DrawImage(graphics, image::Logo, {0, 0, 512, 256}, {1.0f, 0.75f}, {20, 10}, {256, 96}, 0,
            PackArgb(255, 230, 0, 0));
}

std::optional<std::int32_t> ItemColour(std::uint8_t state) {
  switch (state) {
    case item_state::Normal:
      return TextArgb(255, 255, 255, 255);
    case item_state::UnderPointer:
      return TextArgb(255, 255, 255, 180);
    case item_state::Chosen:
      return TextArgb(255, 255, 0, 0);
    default:
      return std::nullopt;
  }
}

// Four buttons in the main menu, five with "Продолжить" on top in the pause
// menu, 35 pixels apart.
void MenuButtons(Game& game) {
  const SimulationState& s = game.sim;
  if (s.CanContinue > 1) return;
  const int first = s.CanContinue == 1 ? menu_item::Continue : menu_item::NewGame;
  int y = 220;
  for (int item = first; item <= menu_item::Exit; ++item, y += 35) {
    if (const auto colour = ItemColour(s.MenuItemState[item])) {
      DrawText(game, kItemTexts[item], 80, y, *colour);
    }
  }
}

}  // namespace

void DrawIntroScreen(Game& game) {
  DrawImage(game.graphics,
            image::Intro, {0, 0, 1024, 1024}, {0.78125f, 0.78125f}, {0, -130}, {400, 400}, 0,
            kWhite);
  VersionText(game);
}

void DrawMenuLayer(Game& game) {
  const SimulationState& s = game.sim;
  const bool bestTimesOpen = s.MenuItemState[menu_item::BestTimes] == item_state::Chosen;
  const bool creditsOpen = s.MenuItemState[menu_item::Credits] == item_state::Chosen;
  if (!s.Exiting) Glow(game);
  Logo(game.graphics);
  if (game.shell.OverlayOn == 1) DrawOverlayImage(game.graphics);
  if (!bestTimesOpen && !creditsOpen) MenuButtons(game);
  if (bestTimesOpen) BestTimesPage(game);
  if (creditsOpen) CreditsPage(game);
  VersionText(game);
}

void DrawOverlayImage(const GraphicsState& graphics) {
  DrawImage(graphics, image::Overlay, {0, 0, 256, 256}, {3.125f, 2.34375f}, {0, 0}, {400, 300}, 0,
            kWhite);
}

}  // namespace quillmoor
