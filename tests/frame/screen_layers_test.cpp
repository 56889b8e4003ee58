// The 2D layers of a frame: the intro, the menu with its buttons and pages,
// the race display and the overlay.

#include "frame/menu_screens.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <string>
#include <vector>

#include "frame/draw_frame.h"
#include "frame/hud_drawing.h"
#include "frame/hud_time_text.h"
#include "frame/race_hud.h"
#include "support/loaded_game.h"

namespace quillmoor {
namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::StartsWith;

const std::string kOverlay =
    "rect 0,0,256,256 scale 3.125,2.34375 centre 400,300 rotation 0 at 0,0 0xFFFFFFFF";
const std::string kLogo =
    "rect 0,0,512,256 scale 1,0.75 centre 256,96 rotation 0 at 20,10 0xFFE60000";

struct MenuScreens : testing::Test {
  MenuScreens() {
    g.game.sim.IntroActive = false;
    g.game.sim.CycleRed = 1;
    g.game.sim.CycleGreen = 0.5f;
    g.game.sim.CycleBlue = 0;
    g.game.sim.MenuPulse = 0.1f;
  }
  std::string Sprite(int slot, const std::string& rest) const {
    return "DrawSprite " + std::to_string(g.game.graphics.ImageTextures[slot].value) + ' ' + rest;
  }
  // A text in the big font, or with Text2 the small one, white unless told.
  std::string Text(const std::string& text, const std::string& at, bool small = false,
                   const std::string& colour = "0xFFFFFFFF") const {
    const FontId font = small ? g.game.graphics.Font2 : g.game.graphics.Font;
    return "DrawText " + std::to_string(font.value) + " \"" + text + "\" " + at + ' ' + colour;
  }
  std::string Text2(const std::string& text, const std::string& at,
                    const std::string& colour = "0xFFFFFFFF") const {
    return Text(text, at, true, colour);
  }
  std::string Version() const { return Text2("v 1.01", "710,550"); }
  const std::vector<std::string>& AllCalls() {
    g.services.log.Clear();
    DrawFrame(g.game);
    return g.services.log.calls;
  }
  // The 2D calls of one whole frame, the scene's left out.
  std::vector<std::string> Frame() {
    std::vector<std::string> layers;
    for (const std::string& call : AllCalls()) {
      if (call.starts_with("DrawSprite") || call.starts_with("DrawText")) layers.push_back(call);
    }
    return layers;
  }
  std::vector<std::string> MenuLayer() {
    g.services.log.Clear();
    DrawMenuLayer(g.game);
    return g.services.log.calls;
  }
  std::vector<std::string> Page() {
    const auto calls = MenuLayer();
    return {calls.begin() + 2, calls.end() - 1};  // between the logo and the version
  }
  test::LoadedGame g;
};

TEST_F(MenuScreens, IntroFrameIsTheImageAndTheVersionWhateverElseIsOn) {
  g.game.sim.IntroActive = true;
  g.game.shell.OverlayOn = 1;
  EXPECT_THAT(Frame(), ElementsAre(Sprite(image::Intro,
                                          "rect 0,0,1024,1024 scale 0.78125,0.78125 centre "
                                          "400,400 rotation 0 at 0,-130 0xFFFFFFFF"),
                                   Version()));
}

// Every frame first blends by source alpha and filters anisotropically. The overlay lies below
// the buttons and again over everything.
TEST_F(MenuScreens, MenuFrameDrawsGlowLogoButtonsVersionWithTheOverlayTwiceOnceElsewhere) {
  g.game.shell.OverlayOn = 1;
  const std::vector<std::string>& calls = AllCalls();
  ASSERT_GE(calls.size(), 6u);
  EXPECT_THAT(std::vector(calls.begin(), calls.begin() + 6),
              ElementsAre("SetRenderState SrcBlend SrcAlpha",
                          "SetRenderState DestBlend InvSrcAlpha",
                          "SetTextureStageState 0 MipFilter Linear",
                          "SetTextureStageState 0 MagFilter Linear",
                          "SetTextureStageState 0 MinFilter Anisotropic",
                          "SetTextureStageState 0 MaxAnisotropy 4"));
  const std::string overlay = Sprite(image::Overlay, kOverlay);
  // Glow channels: (1 - 0.3 + 0.1) × 255, (0.5 - 0.3 + 0.1) × 255, blue kept at 0.
  EXPECT_THAT(
      Frame(),
      ElementsAre(Sprite(image::Glow,
                         "rect 0,0,128,128 scale 3.20000005,3.20000005 centre "
                         "204.800003,204.800003 rotation 0 at 300,-50 0xBECC4C00"),
                  Sprite(image::Logo, kLogo), overlay, Text("Новая Игра", "80,220"),
                  Text("Рекорды", "80,255"), Text("Авторы", "80,290"), Text("Выход", "80,325"),
                  Version(), overlay));

  g.game.sim.MenuVisible = false;
  EXPECT_THAT(Frame(), ElementsAre(overlay));

  g.game.sim.GameState = game_state::Race;
  EXPECT_THAT(Frame(), testing::AllOf(testing::Contains(overlay).Times(1),
                                      testing::Not(testing::Contains(HasSubstr("v 1.01")))));
}

TEST_F(MenuScreens, ItemsTakeTheColourOfTheirState) {
  g.game.sim.CanContinue = 1;
  g.game.sim.MenuItemState = {item_state::Chosen, item_state::UnderPointer, item_state::Normal,
                              item_state::Normal, 9};
  EXPECT_THAT(MenuLayer(),
              ElementsAre(StartsWith("DrawSprite"), StartsWith("DrawSprite"),
                          Text("Продолжить", "80,220", false, "0xFFFF0000"),
                          Text("Новая Игра", "80,255", false, "0xFFFFFFB4"),
                          Text("Рекорды", "80,290"), Text("Авторы", "80,325"), Version()));

  g.game.sim.CanContinue = 2;  // no menu of that kind
  EXPECT_EQ(MenuLayer().size(), 3u);
}

struct PagesBestTimes : MenuScreens {
  PagesBestTimes() {
    g.game.sim.MenuItemState = {0, 0, item_state::Chosen, 0, 0};
    g.game.best.BestNames = {"", "Аня", "Борис", "Вера", "Глеб"};
    g.game.best.BestTimes = {0, 50, 60.5f, 70.25f, 80};
    g.game.input.Text1.Text = "Дима";
    g.game.sim.CaretText = "|";
    g.game.sim.RaceTime = 55.125f;
  }
};

// A fast race takes its row with the name being typed; a slow one keeps the
// table and adds its time below.
TEST_F(PagesBestTimes, RaceResultTakesItsRowOrGoesBelowTheTable) {
  g.game.sim.ShowRaceResult = true;
  g.game.best.NewRecordRank = 2;
  EXPECT_THAT(Page(), ElementsAre(Text("Таблица рекордов:", "190,250", false, "0xFFC8C8FF"),
                                  Text("Аня - 50.00", "200,280"), Text("Дима| - 55.13", "200,310"),
                                  Text("Вера - 70.25", "200,340"), Text("Глеб - 80.00", "200,370")));
  g.game.best.NewRecordRank = 5;
  g.game.sim.RaceTime = 99;
  EXPECT_THAT(Page(), ElementsAre(HasSubstr("Таблица"), Text("Аня - 50.00", "200,280"),
                                  Text("Борис - 60.50", "200,310"), Text("Вера - 70.25", "200,340"),
                                  Text("Глеб - 80.00", "200,370"),
                                  Text("Ваше время: 99.00", "200,430")));
}

using PagesCredits = MenuScreens;

TEST_F(PagesCredits, ReplaceTheButtonsWithTheTeamAndTheAddress) {
  g.game.sim.MenuItemState = {0, 0, 0, item_state::Chosen, 0};
  const std::vector<std::string> page = Page();
  ASSERT_EQ(page.size(), 6u);
  const std::string small = "DrawText " + std::to_string(g.game.graphics.Font2.value) + ' ';
  const std::vector<std::pair<const char*, const char*>> lines{
      {"\"Авторы:\" 120,250 ", "0xFFFFFFFF"},
      {"\"Программирование, моделирование: ", "\" 120,275 0xFFFFFFFF"},
      {"\"Звуковое оформление: ", "\" 120,300 0xFFFFFFFF"},
      {"\"Дизайн моделей: ", "\" 120,325 0xFFFFFFFF"},
      {"\"Февраль 2010\" 120,475 ", "0xFFFFFFFF"},
      {"\"", "\" 120,500 0xFFC8C8FF"},
  };
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_THAT(page[i], StartsWith(small + lines[i].first)) << i;
    EXPECT_THAT(page[i], testing::EndsWith(lines[i].second)) << i;
  }
}

// The race in the middle of the track, at top speed.
struct HudRace : MenuScreens {
  HudRace() {
    g.game.sim.GameState = game_state::Race;
    g.game.sim.Speed = 2;
    g.game.sim.Distance = 5000;
    g.game.sim.RaceTime = 12.34f;
  }
  std::vector<std::string> Hud() {
    g.services.log.Clear();
    DrawRaceHud(g.game);
    return g.services.log.calls;
  }
};

// Over the speed blur, which lies under everything else.
TEST_F(HudRace, DrawsOverlayGaugesClockAndHintInOrderOverTheSpeedBlur) {
  g.game.shell.OverlayOn = 1;
  g.game.sim.HintActive = true;
  const std::string dial =
      "rect 0,0,256,256 scale 0.699999988,0.699999988 centre 89.5999985,89.5999985 rotation ";
  const std::string bar = " scale 1.39999998,1 centre 89.5999985,8 rotation 0 at 10,570 0x96FFFFFF";
  const std::vector<std::string> plain = Hud();
  EXPECT_THAT(plain, ElementsAre(Sprite(image::Overlay, kOverlay),
                                 Sprite(image::Dial, dial + "0 at 10,380 0xC8FFFFFF"),
                                 Sprite(image::Needle, dial + "1.57075 at 10,380 0xC8FFFFFF"),
                                 Sprite(image::ProgressFrame, "rect 0,0,128,16" + bar),
                                 Sprite(image::ProgressFill, "rect 0,0,64,16" + bar),
                                 Text2("Время: 12.34", "30,38"),
                                 Text2("! Enter меняет режим камеры", "560,28", "0xFFFFFFB4")));
  g.game.shell.MotionBlur = true;
  const auto blurred = Hud();
  ASSERT_GE(blurred.size(), plain.size());
  EXPECT_TRUE(std::equal(plain.begin(), plain.end(), blurred.end() - plain.size()));
}

TEST_F(HudRace, NeedleTurnsBackWithSpeedAndTheFillGrowsUpToTheFinishThenTheBarGoes) {
  // The needle: 2 × 3.1415 at rest, 1.25 × 3.1415 at half speed.
  for (const auto& [speed, rotation] :
       {std::pair{0.f, "rotation 6.28299999 "}, {1.f, "rotation 3.92687511 "}}) {
    g.game.sim.Speed = speed;
    EXPECT_THAT(Hud().at(1), HasSubstr(rotation)) << speed;
  }
  for (const auto& [distance, rect] :
       {std::pair{0.f, "rect 0,0,0,16 "}, {9999.9f, "rect 0,0,127,16 "},
        {10000.f, "rect 0,0,128,16 "}}) {
    g.game.sim.Distance = distance;
    EXPECT_THAT(Hud().at(3), HasSubstr(rect)) << distance;
  }
  g.game.sim.Distance = 10000.01f;
  EXPECT_THAT(Hud(), ElementsAre(HasSubstr(" at 10,380 "), HasSubstr(" at 10,380 "),
                                   HasSubstr("\"Время: 12.34\"")));
}

// Halves away from zero (0.125 is exact); the race clock rounds its seven-digit text again:
// 1.0049999 is "1.005" first, and 12345678 keeps seven digits.
TEST(HudTimeText, TwoDecimalsAndTheRaceClockRoundsItsSevenDigitTextAgain) {
  for (const auto& [time, text] :
       {std::pair{0.f, "0.00"}, {87.34f, "87.34"}, {0.125f, "0.13"}, {12.345f, "12.35"},
        {1.0049999f, "1.00"}, {1e20f, "100000002004087734272.00"}}) {
    EXPECT_EQ(TimeText(time), text) << time;
  }
  float clock = 0;  // the race clock after 3000 ticks
  for (int tick = 0; tick < 3000; ++tick) clock = static_cast<float>(double(clock) + 0.02);
  for (const auto& [time, text] :
       {std::pair{0.f, "0.00"}, {1.0049999f, "1.01"}, {0.125f, "0.13"}, {123456.7f, "123456.70"},
        {12345678.0f, "12345680.00"}, {clock, "60.00"}}) {
    EXPECT_EQ(RaceClockText(time), text) << time;
  }
}

}  // namespace
}  // namespace quillmoor
