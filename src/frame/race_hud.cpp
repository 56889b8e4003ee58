#include "frame/race_hud.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "frame/ghost_times.h"
#include "frame/hud_drawing.h"
#include "frame/hud_time_text.h"
#include "frame/menu_screens.h"
#include "frame/motion_blur.h"
#include "graphics/text_drawing.h"
#include "state/game.h"
#include "state/single_precision.h"

namespace quillmoor {

namespace {

// The dial, and the needle over it turned back from a full turn by 135
// degrees per unit of speed.
void Speedometer(Game& game) {
  const float turn = (360.0f - game.sim.Speed * 135.0f) / 180.0f;
  const auto needle = Single(turn * 3.1415);
  constexpr TexelRect kSource{0, 0, 256, 256};
  constexpr Vector2 kScaling{0.7f, 0.7f}, kAt{10, 380}, kCentre{89.6f, 89.6f};
  constexpr Argb kColour = PackArgb(200, 255, 255, 255);
  DrawImage(game.graphics, image::Dial, kSource, kScaling, kAt, kCentre, 0, kColour);
  DrawImage(game.graphics, image::Needle, kSource, kScaling, kAt, kCentre, needle, kColour);
}

// The frame, and the fill growing from 0 to 128 texels over the race.
void ProgressBar(Game& game) {
  const int fill = std::max(0, static_cast<int>(std::floor(game.sim.Distance * 0.0128)));
  constexpr Vector2 kScaling{1.4f, 1.0f}, kAt{10, 570}, kCentre{89.6f, 8};
  constexpr Argb kColour = PackArgb(150, 255, 255, 255);
  DrawImage(game.graphics,
            image::ProgressFrame, {0, 0, 128, 16}, kScaling, kAt, kCentre, 0, kColour);
  DrawImage(game.graphics,
            image::ProgressFill, {0, 0, fill, 16}, kScaling, kAt, kCentre, 0, kColour);
}

}  // namespace

void DrawRaceHud(Game& game) {
  const SimulationState& s = game.sim;
  if (game.shell.MotionBlur) SpeedBlur(game);
  if (game.shell.OverlayOn == 1) DrawOverlayImage(game.graphics);
  Speedometer(game);
  if (s.Distance <= kFinishLine) ProgressBar(game);
  DrawText2(game, "Время: " + RaceClockText(s.RaceTime), 30, 38, TextArgb(255, 255, 255, 255));
  DrawSplitTime(game);
  if (s.HintActive) {
    DrawText2(game, "! Enter меняет режим камеры", 560, 28, TextArgb(255, 255, 255, 180));
  }
}

}  // namespace quillmoor
