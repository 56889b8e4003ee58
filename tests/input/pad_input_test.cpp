// A game pad: its controls holding the game's keys, the menu and the name
// box driven by it.

#include "input/pad_input.h"

#include <gmock/gmock.h>

#include <set>

#include "besttimes/best_times_file.h"
#include "input/mouse_input.h"
#include "shell/event_dispatch.h"
#include "simulation/game_tick.h"
#include "simulation/race_control.h"
#include "support/loaded_game.h"

namespace quillmoor {
namespace {

using Items = std::array<std::uint8_t, 5>;

// A point inside the button column, and one y in each button row, top first.
constexpr float kX = 100;
constexpr std::array<float, 5> kRows = {220, 260, 300, 330, 370};

class GamePad : public ::testing::Test {
 protected:
  GamePad() {
    Form_MouseDown(game(), MouseButton::Left, 0, 0);  // past the intro
    g_.services.log.Clear();
  }

  Game& game() { return g_.game; }
  SimulationState& sim() { return g_.game.sim; }
  HeldKeys& keys() { return g_.services.keyboard; }
  int Cursor() const { return g_.services.window.cursorCounter; }
  // Which of the game keys the pad can hold are down.
  std::set<int> Held() {
    std::set<int> held;
    for (int key : {vk::W, vk::S, vk::A, vk::D, vk::Escape, vk::Return, vk::R, vk::F11}) {
      if (keys().IsKeyDown(key)) held.insert(key);
    }
    return held;
  }

  void Button(std::string_view name, bool down) {
    HandlePadEvent(game(), keys(), {.kind = InputEvent::Kind::PadButton, .text = std::string(name),
                                    .down = down});
  }
  void Axis(std::string_view name, int value) {
    HandlePadEvent(game(), keys(), {.kind = InputEvent::Kind::PadAxis, .text = std::string(name),
                                    .value = value});
  }
  // A button tapped, or a stick half ("lefty-") pushed all the way and let go.
  void Tap(std::string_view control, int times = 1) {
    const bool half = control.ends_with('+') || control.ends_with('-');
    const std::string axis(control.substr(0, control.size() - 1));
    for (int i = 0; i < times; ++i) {
      if (half) {
        Axis(axis, control.back() == '+' ? 32767 : -32768);
        Axis(axis, 0);
      } else {
        Button(control, true);
        Button(control, false);
      }
    }
  }
  void MoveMouse(float x, float y) {
    DispatchEvent(game(), keys(),
                  {.kind = InputEvent::Kind::MouseMove, .x = x, .y = y, .text = {}});
  }

  test::LoadedGame g_;
};

TEST_F(GamePad, AxesHoldPastThePressMarkAndLetGoInsideTheReleaseMark) {
  const struct Step { const char* axis; int value; std::set<int> held; } steps[] = {
      {"leftx", -11999, {}},         {"leftx", -12000, {vk::A}},    {"leftx", -8000, {vk::A}},
      {"leftx", -7999, {}},          {"leftx", -11000, {}},         {"leftx", 11999, {}},
      {"leftx", 12000, {vk::D}},     {"leftx", 8000, {vk::D}},      {"leftx", 32767, {vk::D}},
      {"leftx", -32768, {vk::A}},    {"leftx", 0, {}},              {"righttrigger", 7999, {}},
      {"righttrigger", 8000, {vk::W}}, {"righttrigger", 4000, {vk::W}}, {"righttrigger", 3999, {}},
      {"lefttrigger", 7999, {}},     {"lefttrigger", 8000, {vk::S}}, {"lefttrigger", 4000, {vk::S}},
      {"lefttrigger", 3999, {}},     {"lefty", -32768, {}},         {"rightx", -32768, {}},
      {"righty", -32768, {}},  // the other sticks hold nothing by default
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(testing::Message() << step.axis << " " << step.value);
    Axis(step.axis, step.value);
    EXPECT_EQ(Held(), step.held);
  }
}

TEST_F(GamePad, ButtonsHoldTheirActionsKeysAndFullScreenToggles) {
  const std::pair<const char*, int> buttons[] = {
      {"a", vk::W},          {"b", vk::S},      {"dpleft", vk::A}, {"dpright", vk::D},
      {"start", vk::Escape}, {"y", vk::Return}, {"back", vk::R}};
  for (const auto& [button, key] : buttons) {
    SCOPED_TRACE(button);
    Button(button, true);
    EXPECT_EQ(Held(), std::set{key});
    EXPECT_TRUE(keys().TakePress(key));
    Button(button, false);
    EXPECT_EQ(Held(), std::set<int>{});
  }
  EXPECT_THAT(g_.services.log.Starting("Window.ToggleFullScreen"), ::testing::IsEmpty());

  game().input.Controls[std::size_t(Action::FullScreen)].pad = {"x", "rightshoulder"};
  Button("x", true);
  Button("rightshoulder", true);  // already held by x: no second toggle
  Button("x", false);
  Button("rightshoulder", false);
  Tap("rightshoulder");
  EXPECT_THAT(g_.services.log.Starting("Window."),
              ::testing::ElementsAre("Window.ToggleFullScreen", "Window.ToggleFullScreen"));
  EXPECT_EQ(Held(), std::set<int>{});
}

TEST_F(GamePad, InARaceAKeyIsHeldWhileAnyPadControlOrTheKeyboardHoldsItAndNoMenuMoves) {
  BeginNewRace(game());
  for (int i = 0; i < 137; ++i) GameTick(game());
  ASSERT_EQ(sim().GameState, game_state::Race);
  const Items before = sim().MenuItemState;
  Axis("righttrigger", 32767);
  Button("a", true);
  Axis("righttrigger", 0);
  EXPECT_TRUE(keys().IsKeyDown(vk::W));  // a still holds it
  keys().Press(vk::W);
  Button("a", false);
  EXPECT_TRUE(keys().IsKeyDown(vk::W));  // and so does the keyboard
  keys().Release(vk::W);
  EXPECT_FALSE(keys().IsKeyDown(vk::W));
  Axis("leftx", -32768);
  keys().Press(vk::A);
  keys().Release(vk::A);
  EXPECT_TRUE(keys().IsKeyDown(vk::A));  // the stick still holds it

  // Controls from the bindings in force, not the defaults.
  game().input.Controls[std::size_t(Action::Accelerate)].pad = {"rightshoulder", ""};
  Axis("righttrigger", 32767);
  EXPECT_FALSE(keys().IsKeyDown(vk::W));
  Button("rightshoulder", true);
  EXPECT_TRUE(keys().IsKeyDown(vk::W));

  for (const char* button : {"dpdown", "a", "b"}) Tap(button);
  EXPECT_EQ(sim().MenuItemState, before);
  EXPECT_FALSE(sim().HoverSoundDue);
  EXPECT_EQ(sim().GameState, game_state::Race);
}

TEST_F(GamePad, UpAndDownHighlightAsThePointerDoesRoundTheMenu) {
  // A second game where the pointer goes to the button the pad should reach.
  test::LoadedGame pointer;
  Form_MouseDown(pointer.game, MouseButton::Left, 0, 0);
  pointer.services.log.Clear();

  const struct Step { int canContinue; const char* control; int item; } steps[] = {
      {0, "dpdown", 1}, {0, "dpdown", 2}, {0, "lefty+", 3}, {0, "dpdown", 4},
      {0, "dpdown", 1},  // round to the top
      {0, "dpup", 4},   {0, "lefty-", 3}, {0, "dpup", 2},
      {1, "dpup", 1},   {1, "dpup", 0},   {1, "dpup", 4},  // the pause menu has five
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(testing::Message() << step.control << " to item " << step.item);
    sim().CanContinue = pointer.game.sim.CanContinue = std::uint8_t(step.canContinue);
    Tap(step.control);
    Form_MouseMove(pointer.game, kX, kRows[std::size_t(step.item + step.canContinue - 1)]);
    EXPECT_EQ(sim().MenuItemState, pointer.game.sim.MenuItemState);
    EXPECT_EQ(game().input.MenuHoverLatch, pointer.game.input.MenuHoverLatch);
    MenuTick(game());
    MenuTick(pointer.game);
  }
  // One hover sound a step, as the pointer's.
  EXPECT_EQ(g_.services.log.Starting("Sound."), pointer.services.log.Starting("Sound."));
  EXPECT_EQ(g_.services.log.Starting("Sound.").size(), std::size(steps));
}

TEST_F(GamePad, FromNoHighlightAChoosesNothingDownTakesTheFirstButtonAndUpTheLast) {
  Tap("a");
  EXPECT_EQ(sim().MenuItemState, Items{});
  EXPECT_FALSE(sim().HoverSoundDue);
  Tap("dpup");
  EXPECT_EQ(sim().MenuItemState, (Items{0, 0, 0, 0, 1}));
  Form_MouseMove(game(), 400, 500);  // the pointer leaves the buttons
  Tap("dpdown");
  EXPECT_EQ(sim().MenuItemState, (Items{0, 1, 0, 0, 0}));
  // The pointer's highlight is where the pad goes on from.
  Form_MouseMove(game(), kX, kRows[1]);
  Tap("dpdown");
  EXPECT_EQ(sim().MenuItemState, (Items{0, 0, 0, 1, 0}));

  sim().CanContinue = 1;  // the pause menu: A on Продолжить goes back to the race
  Form_MouseMove(game(), 400, 500);
  Tap("dpdown");
  Tap("a");
  EXPECT_EQ(sim().GameState, game_state::Race);
}

TEST_F(GamePad, PagesOpenByAAndCloseByBWhileUpAndDownWait) {
  for (const int page : {menu_item::BestTimes, menu_item::Credits}) {
    SCOPED_TRACE(page);
    Tap("dpdown", page);
    Tap("a");
    EXPECT_EQ(sim().MenuItemState[std::size_t(page)], item_state::Chosen);
    const Items open = sim().MenuItemState;
    Tap("dpdown");
    Tap("dpup");
    EXPECT_EQ(sim().MenuItemState, open);
    Tap("b");
    EXPECT_EQ(sim().MenuItemState, Items{});
    Tap("b");  // no page: B does nothing in the menu
    EXPECT_EQ(sim().MenuItemState, Items{});
  }
}

TEST_F(GamePad, AOrBOrStartEndsTheIntroAndNothingElse) {
  for (const char* button : {"a", "b", "start"}) {
    SCOPED_TRACE(button);
    sim().IntroActive = true;
    Tap("dpdown");
    Tap("x");
    EXPECT_TRUE(sim().IntroActive);
    Tap(button);
    EXPECT_FALSE(sim().IntroActive);
    EXPECT_EQ(sim().MenuItemState, Items{});
  }
}

TEST_F(GamePad, ThePointerHidesWhileThePadDrivesTheMenuAndShowsWhenTheMouseMoves) {
  ASSERT_GE(Cursor(), 0);
  Tap("dpdown", 2);
  EXPECT_EQ(Cursor(), -1);  // hidden once, however often the pad moves
  MoveMouse(kX, kRows[3]);
  EXPECT_EQ(Cursor(), 0);
  EXPECT_EQ(sim().MenuItemState, (Items{0, 0, 0, 0, 1}));  // the pointer's button now

  // A chooses as a click does; in the fly-in the mouse does not bring the pointer back.
  Tap("dpup", 3);
  Tap("a");
  ASSERT_EQ(sim().MenuItemState[menu_item::NewGame], item_state::Chosen);
  MoveMouse(kX, kRows[0]);
  EXPECT_LT(Cursor(), 0);
  const Items flying = sim().MenuItemState;
  Tap("dpdown");  // nor does the pad move the highlight
  EXPECT_EQ(sim().MenuItemState, flying);
}

class GamePadNameEntry : public GamePad {
 protected:
  // A race of 170 seconds: third in the table, the name box opens.
  GamePadNameEntry() {
    sim().RaceTime = 170;
    EndRace(game());
    MenuTick(game());
  }
  std::string& Name() { return game().input.Text1.Text; }
};

TEST_F(GamePadNameEntry, UpAndDownTurnTheLastCharacterRightAddsAndLeftTakesOne) {
  ASSERT_TRUE(game().input.Text1.Focused);
  const struct Step { const char* before; const char* control; int times; const char* after; }
  steps[] = {
      {"Имя", "dpup", 1, "ИмА"},   {"Имя", "dpdown", 1, "ИмА"},  // not in the cycle: its start
      {"ИмА", "dpup", 1, "ИмБ"},   {"ИмЯ", "dpup", 1, "ИмЁ"},    {"ИмЁ", "dpup", 1, "ИмA"},
      {"ИмZ", "dpup", 1, "Им0"},   {"Им9", "dpup", 1, "Им "},    {"Им ", "dpup", 1, "ИмА"},
      {"ИмА", "dpdown", 1, "Им "}, {"ИмA", "dpdown", 1, "ИмЁ"},  {"Им0", "dpdown", 1, "ИмZ"},
      {"", "dpup", 1, "А"},        {"ABCDEFGHIJ", "dpup", 1, "ABCDEFGHIK"},
      {"Б", "lefty-", 1, "В"},     {"Б", "lefty+", 1, "А"},
      {"Имя", "dpright", 1, "ИмяА"}, {"ИмяА", "leftx+", 1, "ИмяАА"},
      {"ИмяАА", "dpright", 10, "ИмяААААААА"},  // ten at most
      {"ИмяААААААА", "dpleft", 1, "ИмяАААААА"}, {"ИмяА", "leftx-", 1, "Имя"},
      {"ИмяА", "dpleft", 20, ""},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(testing::Message() << step.before << " " << step.control);
    Name() = step.before;
    Tap(step.control, step.times);
    EXPECT_EQ(Name(), step.after);
  }
  Name() = "Б";  // the stick turns it once per push
  Axis("lefty", -32768);
  Axis("lefty", -30000);
  EXPECT_EQ(Name(), "В");

  // Seventy characters, each once, and back to the first.
  std::set<std::string> seen;
  for (Name() = "А"; seen.size() < 100 && seen.insert(Name()).second;) Tap("dpup");
  EXPECT_EQ(seen.size(), 70u);
  EXPECT_EQ(Name(), "А");
  EXPECT_EQ(sim().MenuItemState[menu_item::BestTimes], item_state::Chosen);  // no menu moves
}

class GamePadNameConfirm : public GamePadNameEntry,
                           public ::testing::WithParamInterface<const char*> {};

TEST_P(GamePadNameConfirm, StoresTheNameAndSavesTheTable) {
  Name() = "Ю";
  for (const char* control : {"dpup", "dpright", "dpup", GetParam()}) Tap(control);
  EXPECT_FALSE(game().input.Text1.Focused);
  EXPECT_FALSE(game().input.Text1.Visible);
  EXPECT_EQ(game().best.BestNames[3], "ЯБ");
  const auto file = g_.dir.path() / "Data" / "Ch1.res";
  EXPECT_EQ(DecodeNames(test::ReadAll(file), file).value()[3], "ЯБ");
  EXPECT_EQ(sim().MenuItemState[menu_item::BestTimes], item_state::Chosen);  // the page stays
}

INSTANTIATE_TEST_SUITE_P(AOrStart, GamePadNameConfirm, ::testing::Values("a", "start"));

}  // namespace
}  // namespace quillmoor
