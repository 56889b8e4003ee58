// Typing a name into the best-times table after a fast race.

#include "input/name_entry.h"

#include <gtest/gtest.h>

#include "besttimes/best_times_file.h"
#include "input/mouse_input.h"
#include "shell/event_dispatch.h"
#include "simulation/game_tick.h"
#include "simulation/race_control.h"
#include "support/loaded_game.h"

namespace quillmoor {
namespace {

using Table = std::pair<NameRows, TimeRows>;

class NameEntry : public ::testing::Test {
 protected:
  NameEntry() { Form_MouseDown(game(), MouseButton::Left, 0, 0); }  // past the intro

  Game& game() { return g_.game; }
  const NameBox& box() { return g_.game.input.Text1; }

  // A race ends in the given time; the next menu tick checks the table.
  void FinishRace(float seconds) {
    game().sim.RaceTime = seconds;
    EndRace(game());
    MenuTick(game());
  }
  void Send(InputEvent::Kind kind, int key, std::string_view text = "") {
    DispatchEvent(game(), g_.services.keyboard,
                  {.kind = kind, .key = key, .text = std::string(text)});
  }
  void Type(std::string_view text) { Send(InputEvent::Kind::TextInput, 0, text); }
  void Press(int key) { Send(InputEvent::Kind::KeyDown, key); }
  void Erase(int n) { for (int i = 0; i < n; ++i) Press(vk::Back); }

  std::filesystem::path Data(const char* file) const { return g_.dir.path() / "Data" / file; }
  // The best-times table as the files hold it, and as the game holds it.
  Table OnDisk() const {
    return {DecodeNames(test::ReadAll(Data("Ch1.res")), Data("Ch1.res")).value(),
            DecodeTimes(test::ReadAll(Data("Ch2.res")), Data("Ch2.res")).value()};
  }
  Table InGame() { return {game().best.BestNames, game().best.BestTimes}; }

  test::LoadedGame g_;
};

TEST_F(NameEntry, AFastRaceOpensTheBoxThatKeepsTenCharactersTheTableCanStore) {
  Type("x");  // the box is hidden: nothing reaches it
  Press(vk::Back);
  EXPECT_EQ(box().Text, "Имя");
  EXPECT_FALSE(box().Visible);

  FinishRace(170);
  EXPECT_EQ(game().best.NewRecordRank, 3);
  EXPECT_TRUE(box().Visible && box().Focused);
  EXPECT_EQ(box().Text, "Имя");
  // € is 0x88 in the table's code page; 0x1E is the table's field separator;
  // U+0098 is a control character without a code.
  for (const char* text : {"Ёж€", "✓", "🙂", "\t", "\x1e", "\xC2\x98", "a✓b"}) Type(text);
  EXPECT_EQ(box().Text, "ИмяЁж€ab");
  Type("cde");
  Type("z");
  EXPECT_EQ(box().Text, "ИмяЁж€abcd");

  for (const auto& [n, left] : {std::pair{5, "ИмяЁж"}, {1, "ИмяЁ"}, {5, ""}}) {
    Erase(n);
    EXPECT_EQ(box().Text, left) << n;
  }
  Type("Ю");
  EXPECT_EQ(box().Text, "Ю");
}

TEST_F(NameEntry, EnterStoresTheRowAndSavesTheTable) {
  game().best.BestTimes = {0, 50, 60, 70, 80};
  FinishRace(65);
  ASSERT_EQ(game().best.NewRecordRank, 3);
  Erase(3);
  Type("Юля");
  Press(vk::Return);

  EXPECT_FALSE(box().Visible || box().Focused);
  EXPECT_FALSE(game().sim.ShowRaceResult);
  EXPECT_EQ(game().sim.MenuItemState[2], 2);  // the page stays open
  const Table table{{"", "Аня", "Bo", "Юля", "Dee"}, {0, 50, 60, 65, 80}};  // the beaten 70 is gone
  EXPECT_EQ(InGame(), table);
  EXPECT_EQ(OnDisk(), table);

  Type("q");  // the box is closed again
  EXPECT_EQ(box().Text, "Юля");
}

TEST_F(NameEntry, AClickOnThePageStoresTheNameWithoutSaving) {
  const Table before = OnDisk();
  FinishRace(155);
  Type("X");
  Form_MouseDown(game(), MouseButton::Left, 100, 330);  // on "Выход": only the page closes

  EXPECT_EQ(InGame(), Table({"", "Аня", "ИмяX", "Вий", "Dee"}, {0, 150, 155, 180, 200}));
  EXPECT_FALSE(box().Visible || box().Focused);
  EXPECT_FALSE(game().sim.ShowRaceResult);
  EXPECT_EQ(game().sim.MenuItemState, (std::array<std::uint8_t, 5>{}));
  EXPECT_FALSE(game().sim.Exiting);
  EXPECT_EQ(OnDisk(), before);

  // The box keeps its text for the next entry, and Enter saves the whole table.
  FinishRace(140);
  Press(vk::Return);
  EXPECT_EQ(OnDisk(), Table({"", "ИмяX", "ИмяX", "Вий", "Dee"}, {0, 140, 155, 180, 200}));
}

}  // namespace
}  // namespace quillmoor
