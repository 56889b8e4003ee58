#include "frame/ghost_times.h"

#include <cstdint>

#include "frame/hud_drawing.h"
#include "frame/hud_time_text.h"
#include "graphics/text_drawing.h"
#include "state/game.h"

namespace quillmoor {

namespace {

std::int32_t DeltaColour(float delta, const std::string& text) {
  if (text == "0.00") return TextArgb(255, 255, 255, 255);
  return delta < 0 ? TextArgb(255, 90, 255, 90) : TextArgb(255, 255, 90, 90);
}

}  // namespace

void DrawSplitTime(Game& game) {
  const GhostState& ghost = game.ghost;
  if (ghost.SplitTicks <= 0) return;
  const std::string text = SplitText(ghost.SplitDelta);
  DrawText2(game, text, 30, 58, DeltaColour(ghost.SplitDelta, text));
}

void DrawFinalDifference(Game& game, int y) {
  const GhostState& ghost = game.ghost;
  if (!ghost.FinalDelta) return;
  const std::string text = SplitText(*ghost.FinalDelta);
  DrawText(game, text, 480, y, DeltaColour(*ghost.FinalDelta, text));
}

}  // namespace quillmoor
