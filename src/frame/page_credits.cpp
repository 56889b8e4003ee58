#include "frame/page_credits.h"

#include "frame/hud_drawing.h"
#include "graphics/text_drawing.h"
#include "state/game.h"

namespace quillmoor {

void CreditsPage(Game& game) {
  constexpr int kX = 120;
  constexpr std::int32_t kWhite = TextArgb(255, 255, 255, 255);
  DrawText2(game, "Авторы:", kX, 250, kWhite);
  DrawText2(game, "Программирование, моделирование: Олег Вершинин", kX, 275, kWhite);
  DrawText2(game, "Звуковое оформление: Анна Ключевская, Степан Ручьёв", kX, 300, kWhite);
  DrawText2(game, "Дизайн моделей: Лидия Поморцева, Олег Вершинин", kX, 325, kWhite);
  DrawText2(game, "Февраль 2010", kX, 475, kWhite);
  DrawText2(game, "www.quillmoor.example.org", kX, 500, TextArgb(255, 200, 200, 255));
}

}  // namespace quillmoor
