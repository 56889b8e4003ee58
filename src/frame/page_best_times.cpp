#include "frame/page_best_times.h"

#include <string>

#include "frame/ghost_times.h"
#include "frame/hud_drawing.h"
#include "frame/hud_time_text.h"
#include "graphics/text_drawing.h"
#include "state/game.h"

namespace quillmoor {

void BestTimesPage(Game& game) {
  const BestTimesState& best = game.best;
  const bool raceResult = game.sim.ShowRaceResult;
  const std::string raceTime = TimeText(game.sim.RaceTime);
  constexpr std::int32_t kWhite = TextArgb(255, 255, 255, 255);

  DrawText(game, "Таблица рекордов:", 190, 250, TextArgb(255, 200, 200, 255));
  for (int row = 1; row <= kBestTimesRows; ++row) {
    const std::string text = raceResult && row == best.NewRecordRank
                                 ? game.input.Text1.Text + game.sim.CaretText + " - " + raceTime
                                 : best.BestNames[row] + " - " + TimeText(best.BestTimes[row]);
    DrawText(game, text, 200, 250 + 30 * row, kWhite);
  }
  if (raceResult && best.NewRecordRank == kBestTimesRows + 1) {
    DrawText(game, "Ваше время: " + raceTime, 200, 430, kWhite);
  }
  if (raceResult) {
    const bool inTable = best.NewRecordRank <= kBestTimesRows;
    DrawFinalDifference(game, inTable ? 250 + 30 * best.NewRecordRank : 430);
  }
}

}  // namespace quillmoor
