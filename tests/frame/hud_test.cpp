// The race display: its layers in order, the needle, the progress bar and
// the clock's text.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "frame/hud_drawing.h"
#include "frame/hud_time_text.h"
#include "frame/race_hud.h"
#include "support/loaded_game.h"

namespace quillmoor {
namespace {

using testing::ElementsAre;
using testing::HasSubstr;

std::string Sprite(const test::LoadedGame& g, int slot, const std::string& rest) {
  return "DrawSprite " + std::to_string(g.game.graphics.ImageTextures[slot].value) + ' ' + rest;
}

std::string Text(FontId font, const std::string& rest) {
  return "DrawText " + std::to_string(font.value) + ' ' + rest;
}

// The race in the middle of the track, at top speed.
struct HudRace : testing::Test {
  HudRace() {
    g.game.sim.GameState = game_state::Race;
    g.game.sim.Speed = 2;
    g.game.sim.Distance = 5000;
    g.game.sim.RaceTime = 12.34f;
  }
  std::vector<std::string> Frame() {
    g.services.log.Clear();
    DrawRaceHud(g.game);
    return g.services.log.calls;
  }
  std::string Needle() { return Frame().at(1); }
  test::LoadedGame g;
};

TEST_F(HudRace, DrawsOverlayGaugesClockAndHintInOrder) {
  g.game.shell.OverlayOn = 1;
  g.game.sim.HintActive = true;
  const FontId small = g.game.graphics.Font2;
  EXPECT_THAT(
      Frame(),
      ElementsAre(
          Sprite(
              g, image::Overlay,
              "rect 0,0,256,256 scale 3.125,2.34375 centre 400,300 rotation 0 at 0,0 0xFFFFFFFF"),
          Sprite(g, image::Dial,
                 "rect 0,0,256,256 scale 0.699999988,0.699999988 centre 89.5999985,89.5999985 "
                 "rotation 0 at 10,380 0xC8FFFFFF"),
          Sprite(g, image::Needle,
                 "rect 0,0,256,256 scale 0.699999988,0.699999988 centre 89.5999985,89.5999985 "
                 "rotation 1.57075 at 10,380 0xC8FFFFFF"),
          Sprite(g, image::ProgressFrame,
                 "rect 0,0,128,16 scale 1.39999998,1 centre 89.5999985,8 rotation 0 at 10,570 "
                 "0x96FFFFFF"),
          Sprite(g, image::ProgressFill,
                 "rect 0,0,64,16 scale 1.39999998,1 centre 89.5999985,8 rotation 0 at 10,570 "
                 "0x96FFFFFF"),
          Text(small, "\"Время: 12.34\" 30,38 0xFFFFFFFF"),
          Text(small, "\"! Enter меняет режим камеры\" 560,28 0xFFFFFFB4")));
}

TEST_F(HudRace, SpeedBlurLiesUnderEverythingElse) {
  g.game.shell.OverlayOn = 1;
  const auto plain = Frame();
  g.game.shell.MotionBlur = true;
  const auto blurred = Frame();
  ASSERT_GE(blurred.size(), plain.size());
  EXPECT_TRUE(std::equal(plain.begin(), plain.end(), blurred.end() - plain.size()));
}

TEST_F(HudRace, NeedleTurnsBackFromAFullTurnWithSpeed) {
  g.game.sim.Speed = 0;
  EXPECT_THAT(Needle(), HasSubstr("rotation 6.28299999 "));  // 2 × 3.1415
  g.game.sim.Speed = 1;
  EXPECT_THAT(Needle(), HasSubstr("rotation 3.92687511 "));  // 1.25 × 3.1415
}

TEST_F(HudRace, ProgressFillGrowsUpToTheFinishThenTheBarGoes) {
  g.game.sim.Distance = 0;
  EXPECT_THAT(Frame().at(3), HasSubstr("rect 0,0,0,16 "));
  g.game.sim.Distance = 9999.9f;
  EXPECT_THAT(Frame().at(3), HasSubstr("rect 0,0,127,16 "));
  g.game.sim.Distance = 10000;
  EXPECT_THAT(Frame().at(3), HasSubstr("rect 0,0,128,16 "));
  g.game.sim.Distance = 10000.01f;
  EXPECT_THAT(Frame(), ElementsAre(HasSubstr(" at 10,380 "), HasSubstr(" at 10,380 "),
                                   HasSubstr("\"Время: 12.34\"")));
}

TEST(HudTimeText, TwoDecimalsWithHalvesAwayFromZero) {
  EXPECT_EQ(TimeText(0), "0.00");
  EXPECT_EQ(TimeText(87.34f), "87.34");
  EXPECT_EQ(TimeText(0.125f), "0.13");  // an exact half
  EXPECT_EQ(TimeText(12.345f), "12.35");
  EXPECT_EQ(TimeText(1.0049999f), "1.00");
  EXPECT_EQ(TimeText(1e20f), "100000002004087734272.00");
}

TEST(HudTimeText, RaceClockRoundsItsSevenDigitTextAgain) {
  EXPECT_EQ(RaceClockText(0), "0.00");
  EXPECT_EQ(RaceClockText(1.0049999f), "1.01");  // "1.005" first
  EXPECT_EQ(RaceClockText(0.125f), "0.13");
  EXPECT_EQ(RaceClockText(123456.7f), "123456.70");
  EXPECT_EQ(RaceClockText(12345678.0f), "12345680.00");  // seven digits
  // The race clock after 3000 ticks.
  float clock = 0;
  for (int tick = 0; tick < 3000; ++tick) clock = static_cast<float>(double(clock) + 0.02);
  EXPECT_EQ(RaceClockText(clock), "60.00");
}

}  // namespace
}  // namespace quillmoor
