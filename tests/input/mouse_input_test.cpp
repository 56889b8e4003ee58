// Menu hover and clicks, from the intro to the menu commands.

#include "input/mouse_input.h"

#include <gmock/gmock.h>

#include <utility>

#include "simulation/game_tick.h"
#include "support/loaded_game.h"

namespace quillmoor {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Items = std::array<std::uint8_t, 5>;
using Calls = std::vector<std::string>;

// A point inside the button column, and one y in each button row, top first.
constexpr float kX = 100, kR1 = 220, kR2 = 260, kR3 = 300, kR4 = 330, kR5 = 370;

// A started game, by default past its intro, the log cleared.
struct Player {
  explicit Player(bool pastIntro = true, int music = 1) {
    g.game.shell.MusicOn = std::uint8_t(music);
    if (pastIntro) Click(0, 0);
    g.services.log.Clear();
  }
  void Move(float x, float y) { Form_MouseMove(g.game, x, y); }
  void Click(float x, float y, MouseButton button = MouseButton::Left) {
    Form_MouseDown(g.game, button, x, y);
  }
  // Whether the moves since the last call asked for the hover sound.
  bool HoverAsked() { return std::exchange(sim().HoverSoundDue, false); }
  Calls Sounds() const { return g.services.log.Starting("Sound."); }
  const Calls& AllCalls() const { return g.services.log.calls; }
  SimulationState& sim() { return g.game.sim; }
  Items& items() { return g.game.sim.MenuItemState; }

  test::LoadedGame g;
};

TEST(MenuIntro, AnyClickOnlyEndsTheIntroAndTheHoverSoundWaitsForItsEnd) {
  for (const MouseButton button : {MouseButton::Left, MouseButton::Right, MouseButton::Middle}) {
    for (const int music : {0, 1}) {
      SCOPED_TRACE(testing::Message() << "button " << int(button) << ", music " << music);
      Player p(/*pastIntro=*/false, music);
      ASSERT_TRUE(p.sim().IntroActive);
      p.Move(kX, kR2);
      EXPECT_TRUE(p.sim().HoverSoundDue);
      MenuTick(p.g.game);
      EXPECT_FALSE(p.sim().HoverSoundDue);  // dropped, not kept for later
      EXPECT_THAT(p.Sounds(), IsEmpty());
      p.g.services.log.Clear();
      p.Click(kX, kR1, button);  // on "Новая Игра"
      EXPECT_FALSE(p.sim().IntroActive);
      const Calls musicCalls = music == 1 ? Calls{"Sound.Play s-myz.res looping"} : Calls{};
      EXPECT_EQ(p.AllCalls(), musicCalls);
      EXPECT_EQ(p.items(), (Items{0, 0, 1, 0, 0}));  // the highlight only: nothing chosen
      EXPECT_TRUE(p.sim().MenuVisible);
      p.Move(kX, kR1);
      MenuTick(p.g.game);
      Calls sounds = musicCalls;
      sounds.push_back("Sound.Play s-dm1.res once");
      EXPECT_EQ(p.Sounds(), sounds);
    }
  }
}

TEST(MenuHitTest, BordersAreInsideOnePixelBeyondIsNotAndEachButtonsCentreIsOnIt) {
  EXPECT_FALSE(MenuButtonCentre(0, menu_item::Continue));  // the main menu has no Продолжить
  // Each row's y bounds, with its item in the main and in the pause menu.
  const struct Row { float top, bottom; std::optional<int> main, pause; } rows[] = {
      {214, 240, 1, 0}, {250, 280, 2, 1}, {289, 310, 3, 2}, {322, 345, 4, 3},
      {355, 382, std::nullopt, 4}};
  for (const Row& row : rows) {
    for (const int menu : {0, 1}) {
      SCOPED_TRACE(testing::Message() << "row " << row.top << ", CanContinue " << menu);
      const std::optional<int> item = menu == 0 ? row.main : row.pause;
      for (const float y : {row.top, row.bottom}) {
        for (const float x : {72.f, 73.f, 172.f, 173.f})
          EXPECT_EQ(MenuItemAt(menu, x, y), x == 73 || x == 172 ? item : std::nullopt);
      }
      EXPECT_EQ(MenuItemAt(menu, kX, row.top - 1), std::nullopt);
      EXPECT_EQ(MenuItemAt(menu, kX, row.bottom + 1), std::nullopt);
      if (item) {
        const std::optional<MenuPoint> centre = MenuButtonCentre(menu, *item);
        ASSERT_TRUE(centre);
        EXPECT_EQ(MenuItemAt(menu, centre->x, centre->y), item);
      }
    }
  }
}

TEST(MenuHover, OneSoundPerButtonEntered) {
  // Each move, whether it asks for the sound, and the items it leaves.
  const struct Step { int canContinue; float x, y; bool sound; Items items; } steps[] = {
      {0, kX, kR1, true, {0, 1, 0, 0, 0}}, {0, 150, 235, false, {0, 1, 0, 0, 0}},  // same button
      {0, kX, kR2, true, {0, 0, 1, 0, 0}}, {0, kX, kR1, true, {0, 1, 0, 0, 0}},    // and back
      {0, kX, 245, false, {}},             {0, 400, 300, false, {}},               // off buttons
      {0, kX, kR1, true, {0, 1, 0, 0, 0}},
      // The pause menu: the same point is "Продолжить", a button of its own.
      {1, kX, kR1, true, {1, 0, 0, 0, 0}}, {1, kX, kR5, true, {0, 0, 0, 0, 1}},
  };
  Player p;
  for (const Step& step : steps) {
    SCOPED_TRACE(testing::Message() << step.x << ", " << step.y);
    p.sim().CanContinue = std::uint8_t(step.canContinue);
    p.Move(step.x, step.y);
    EXPECT_EQ(p.HoverAsked(), step.sound);
    EXPECT_EQ(p.items(), step.items);
  }
}

TEST(MenuHover, IgnoredDuringFlyInOpenPagesAndExit) {
  // The fly-in, the best-times page, the credits page; -1: Exit chosen.
  for (const int chosen : {1, 2, 3, -1}) {
    SCOPED_TRACE(testing::Message() << "item " << chosen);
    Player p;
    if (chosen < 0) p.sim().Exiting = true;
    else p.items()[std::size_t(chosen)] = 2;
    const Items before = p.items();
    p.Move(kX, kR1);
    p.Move(kX, kR4);
    EXPECT_FALSE(p.HoverAsked());
    EXPECT_EQ(p.items(), before);
  }
}

TEST(MenuClick, NewGameStartsTheFlyInWithTheCursorHidden) {
  for (const int music : {0, 1}) {
    SCOPED_TRACE(testing::Message() << "music " << music);
    Player p(true, music);
    p.g.services.window.cursorCounter = 3;  // shown more often than hidden
    p.Move(kX, kR1);
    p.Click(kX, kR1);
    const Calls raceMusic = {"Sound.Stop s-myz.res", "Sound.Play s-br01.res looping",
                             "Sound.Play s-01.res once", "Sound.Volume s-br01.res -400"};
    EXPECT_EQ(p.Sounds(), music == 1 ? raceMusic : Calls{"Sound.Play s-01.res once"});
    EXPECT_EQ(p.items(), (Items{0, 2, 0, 0, 0}));
    EXPECT_FALSE(p.sim().MenuVisible);
    EXPECT_EQ(p.sim().GameState, game_state::Menu);
    EXPECT_LT(p.g.services.window.cursorCounter, 0);

    // No button works while the camera flies in.
    p.g.services.log.Clear();
    p.Click(kX, kR2);
    p.Click(kX, kR4);
    EXPECT_THAT(p.AllCalls(), IsEmpty());
    EXPECT_EQ(p.items(), (Items{0, 2, 0, 0, 0}));
  }
}

TEST(MenuClick, PagesOpenWithTheClickSoundAndAnyClickClosesThem) {
  Player p;
  p.Click(kX, kR2);
  EXPECT_EQ(p.items(), (Items{0, 0, 2, 0, 0}));
  p.Click(kX, kR4);  // on "Выход", but it only closes the page
  EXPECT_EQ(p.items(), Items{});
  EXPECT_FALSE(p.sim().Exiting);

  p.Click(kX, kR3);
  EXPECT_EQ(p.items(), (Items{0, 0, 0, 2, 0}));
  p.Click(kX, kR3, MouseButton::Right);  // other buttons leave it open
  p.Click(kX, kR3, MouseButton::Middle);
  EXPECT_EQ(p.items(), (Items{0, 0, 0, 2, 0}));
  p.Click(790, 590);
  EXPECT_EQ(p.items(), Items{});
  EXPECT_THAT(p.Sounds(), ElementsAre("Sound.Play s-01.res once", "Sound.Play s-01.res once"));
}

TEST(MenuClick, ExitDarkensTheSceneAndEndsAllMouseInput) {
  for (const int menu : {0, 1}) {
    SCOPED_TRACE(testing::Message() << "CanContinue " << menu);
    Player p;
    p.sim().CanContinue = std::uint8_t(menu);
    p.Click(kX, menu == 0 ? kR4 : kR5);
    EXPECT_TRUE(p.sim().Exiting);
    EXPECT_THAT(p.AllCalls(), ElementsAre("SetRenderState Ambient 0x00FF2828"));

    p.g.services.log.Clear();
    p.Click(kX, kR2);
    p.Click(kX, kR1);
    EXPECT_EQ(p.items(), Items{});
    EXPECT_THAT(p.AllCalls(), IsEmpty());
  }
}

}  // namespace
}  // namespace quillmoor
